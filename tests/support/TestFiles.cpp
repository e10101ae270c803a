#include "tests/support/TestFiles.h"

#include "core/support/ProgramFolders.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace kestrova::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteSparseFile(const std::string& path, std::uint64_t size, std::string_view head) {
  WriteBytes(path, head);
  std::filesystem::resize_file(path, size);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ListFolder(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const auto& n : names) joined += n + " ";
  return joined;
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    had_ = true;
    old_ = old;
  }
  ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (had_) {
    ::setenv(name_.c_str(), old_.c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

ProgramFolderSandbox::ProgramFolderSandbox() : config_("XDG_CONFIG_HOME", folder_ / "config") {
  SetResourceFolders({folder_ / "share"});
}

ProgramFolderSandbox::~ProgramFolderSandbox() { SetResourceFolders({}); }

int RunProgramIn(const std::string& program, const std::string& folder, const std::vector<std::string>& args,
                 const std::string& errors) {
  return WaitForProgram(StartProgramIn(program, folder, args, errors, [] {}));
}

int StartProgramIn(const std::string& program, const std::string& folder, const std::vector<std::string>& args,
                   const std::string& errors, const std::function<void()>& prepare) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::setenv("XDG_CONFIG_HOME", (std::filesystem::path(folder) / "config").c_str(), 1);
    // No display: a batch run that made a Qt application would fail to start.
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (::freopen(errors.c_str(), "w", stderr) == nullptr) ::_exit(125);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    prepare();
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  return pid;
}

int WaitForProgram(int pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

MeasuredRun RunProgramMeasured(const std::string& program, const std::string& folder,
                               const std::vector<std::string>& args, const std::string& errors) {
  const TempFolder report;
  std::vector<std::string> timed{"-f", "%M", "-o", report / "peak", program};
  timed.insert(timed.end(), args.begin(), args.end());
  MeasuredRun run;
  run.status = RunProgramIn("/usr/bin/time", folder, timed, errors);
  // The last line holds the figure (a line before it tells of a signal).
  std::string last;
  std::ifstream in(report / "peak");
  for (std::string line; std::getline(in, line);) last = line;
  if (!last.empty() && last.find_first_not_of("0123456789") == std::string::npos) run.peakKiB = std::stoll(last);
  return run;
}

int RunInChild(const std::function<int()>& body, bool unprivileged) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace kestrova::test
