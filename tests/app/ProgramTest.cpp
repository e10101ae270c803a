// Runs the built program the way a user or a script does: in a temporary
// folder, with its own configuration folder, reading only its exit status,
// the files it wrote and its log.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"

using namespace kestrova::test;

namespace {

// Runs the program with the arguments in `folder`; its exit status. What it
// writes to the standard error stream goes to `errors` (a path), or nowhere.
int RunProgram(const TempFolder& folder, const std::vector<std::string>& args,
               const std::string& errors = "/dev/null") {
  return RunProgramIn(KESTROVA_PROGRAM, folder.Path(), args, errors);
}

// The same with writes limited to files of `limit` bytes: a write past it
// fails (EFBIG), as on a full disk.
int RunProgramWithFileSizeLimit(const TempFolder& folder, const std::vector<std::string>& args,
                                const std::string& errors, rlim_t limit) {
  return RunInChild([&] {
    const rlimit fileSize{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0) return 125;
    ::signal(SIGXFSZ, SIG_IGN);  // else the write past the limit ends the program
    return RunProgram(folder, args, errors);
  });
}

const char* const kProject =
    "[main]\r\nnewx=32\r\nnewy=12\r\nfontname=DejaVu Sans\r\nfontsize=7\r\nFileFormat=3\r\nsavehtml=1\r\n"
    "outputdir=out\r\nForceDirs=1\r\n[captions]\r\nc0=Start\r\nc1=Ende\r\n";

}  // namespace

TEST(Program, BatchRunNeedsNoDisplayWritesFilesAndLogAndEndsWithZero) {
  TempFolder folder;
  WriteBytes(folder / "site.btn", kProject);
  EXPECT_EQ(RunProgram(folder, {"/x", "site.btn"}), 0);
  EXPECT_EQ(ListFolder(folder / "out"), "001_start.png 002_ende.png site.btn.html ");
  const std::string log = ReadBytes(folder / "kestro_shell_run.log");
  EXPECT_NE(log.find(",Kestrova started from shell\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(",OK. Files saved to: out/\r\n"), std::string::npos) << log;
  EXPECT_FALSE(std::filesystem::exists(folder / "config/kestrova/kestro.ini"));  // a batch run saves no settings
}

TEST(Program, ABatchRunWhoseProjectCannotBeOpenedWritesNothingAndEndsWithOne) {
  // A mistyped project name, or a file that is no project (a picture renamed,
  // a captions file given first): the files of the captions' names stay as they are.
  const struct {
    std::string project;
    std::string contents;  // none: no such file
    std::string reason;
    std::string files;  // the folder afterwards
  } cases[] = {
      {"missing.btn", "", "No such file or directory", "Home.bmp captions.txt kestro_shell_run.log "},
      {"photo.btn", ReadBytes(std::string(KESTROVA_TEST_DATA) + "/jpeg/colour.jpg"), "Not a project file",
       "Home.bmp captions.txt kestro_shell_run.log photo.btn "},
      {"captions.txt", "", "Not a project file", "Home.bmp captions.txt kestro_shell_run.log "},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteBytes(folder / "captions.txt", "Home\nNews\n");
    WriteBytes(folder / "Home.bmp", "mine");  // the name the first button would get
    if (!c.contents.empty()) WriteBytes(folder / c.project, c.contents);
    EXPECT_EQ(RunProgram(folder, {"-x", c.project, "captions.txt"}), 1) << c.project;
    EXPECT_EQ(ListFolder(folder.Path()), c.files) << c.project;
    EXPECT_EQ(ReadBytes(folder / "Home.bmp"), "mine");
    const std::string log = ReadBytes(folder / "kestro_shell_run.log");
    const std::string opening = ",Error opening file: " + c.project + c.reason + "\r\n";
    ASSERT_NE(log.find(opening), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with(opening)) << log;
  }
}

TEST(Program, ALogThatCannotBeWrittenGoesToTheErrorStreamAndTheRunFails) {
  const std::string lines = "Kestrova started from shell\nOK. Files saved to: out/\n";
  const std::string linkRefused =
      "Cannot open the log file kestro_shell_run.log (Is a symbolic link, which is not followed); its lines "
      "follow here.\n" +
      lines;
  constexpr rlim_t kFull = 1 << 16;
  const struct {
    std::string name;
    std::function<void(const std::string& log)> make;  // puts something in the log file's place
    std::string errors;                                 // what the error stream shows
    rlim_t fileSizeLimit = RLIM_INFINITY;
  } cases[] = {
      {"a folder", [](const std::string& log) { std::filesystem::create_directory(log); },
       "Cannot open the log file kestro_shell_run.log (Is a directory); its lines follow here.\n" + lines},
      // The log has reached the largest file the run may write: every line fails.
      {"a full disk", [](const std::string& log) { WriteBytes(log, std::string(kFull, 'x')); }, lines, kFull},
      // A link is not followed: in a folder others may write to, it could point to any of the user's files.
      {"a link to a file", [](const std::string& log) { std::filesystem::create_symlink("mine.txt", log); },
       linkRefused},
      {"a link to nowhere", [](const std::string& log) { std::filesystem::create_symlink("new.txt", log); },
       linkRefused},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteBytes(folder / "site.btn", kProject);
    WriteBytes(folder / "mine.txt", "mine\n");
    c.make(folder / "kestro_shell_run.log");
    EXPECT_EQ(RunProgramWithFileSizeLimit(folder, {"/x", "site.btn"}, folder / "errors.txt", c.fileSizeLimit), 1)
        << c.name;
    EXPECT_EQ(ReadBytes(folder / "errors.txt"), c.errors) << c.name;
    EXPECT_EQ(ListFolder(folder / "out"), "001_start.png 002_ende.png site.btn.html ") << c.name;
    EXPECT_EQ(ReadBytes(folder / "mine.txt"), "mine\n") << c.name;
    EXPECT_FALSE(std::filesystem::exists(folder / "new.txt")) << c.name;
  }
}
