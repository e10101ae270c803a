#pragma once
// Temporary folders and small file helpers for the tests.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova::test {

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in "/".
  const std::string& Path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + std::string(name); }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
// A file of `size` bytes that starts with `head` and takes no disk space
// beyond it: the rest is a hole that reads as zeros.
void WriteSparseFile(const std::string& path, std::uint64_t size, std::string_view head = {});
std::string ReadBytes(const std::string& path);
// Names of the entries of a folder, sorted.
std::string ListFolder(const std::string& path);

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_, old_;
  bool had_ = false;
};

// Makes `folder` the current folder for the lifetime of the object.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& folder) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~ScopedCurrentFolder() { std::filesystem::current_path(old_); }
  ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
  ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

 private:
  std::filesystem::path old_;
};

// The program's writable folder at <temp>/config/kestrova/ and its only
// resource folder at <temp>/share/ (not created), for the lifetime of the object.
class ProgramFolderSandbox {
 public:
  ProgramFolderSandbox();
  ~ProgramFolderSandbox();
  const TempFolder& Folder() const { return folder_; }
  std::string Writable(std::string_view name) const { return folder_ / "config/kestrova/" + std::string(name); }
  std::string Shared(std::string_view name) const { return folder_ / "share/" + std::string(name); }

 private:
  TempFolder folder_;
  ScopedEnv config_;
};

// Runs a program the way a user or a script does: in `folder` (its current
// folder), with its own configuration folder <folder>/config, its error
// output written to `errors` (discarded by default) and no display (so a batch
// run that needed one fails). Gives its exit status, or 128 + the signal that
// ended it.
int RunProgramIn(const std::string& program, const std::string& folder, const std::vector<std::string>& args,
                 const std::string& errors = "/dev/null");
// The same in two steps: starts the program, after running `prepare` in its
// process just before the program takes it over (limits, descriptors
// left open), and gives its process id; WaitForProgram gives how it ended.
int StartProgramIn(const std::string& program, const std::string& folder, const std::vector<std::string>& args,
                   const std::string& errors, const std::function<void()>& prepare);
int WaitForProgram(int pid);

// RunProgramIn under GNU time, which also gives the program's own peak
// resident size in KiB (not that of the test that starts it).
struct MeasuredRun {
  int status = -1;
  std::int64_t peakKiB = -1;
};
MeasuredRun RunProgramMeasured(const std::string& program, const std::string& folder,
                               const std::vector<std::string>& args, const std::string& errors = "/dev/null");

// Runs `body` in a child process and gives its exit status, or 128 + the
// signal that ended it. With `unprivileged` the child first drops to the
// "nobody" user, so permission checks hold even when the tests run as root.
int RunInChild(const std::function<int()>& body, bool unprivileged = false);

}  // namespace kestrova::test
