// Runs the built program the way a user or a script does: in a temporary
// folder, with its own configuration folder, reading only its exit status,
// the files it wrote and its log.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/support/TemporaryFiles.h"
#include "tests/support/FatVolume.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
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

// A button that cannot be written (a folder stands at its name) fails the
// run, and the others and the test page are written all the same: the page
// is the one a run where nothing failed writes, and shows the missing button
// as missing.
TEST(Program, ThePageIsWrittenAfterAFileThatFailed) {
  TempFolder clean;
  WriteBytes(clean / "site.btn", kProject);
  ASSERT_EQ(RunProgram(clean, {"/x", "site.btn"}), 0);
  const std::string page = ReadBytes(clean / "out/site.btn.html");
  ASSERT_NE(page.find("\"002_ende.png\""), std::string::npos) << page;
  for (const std::string blocked : {"001_start.png", "002_ende.png"}) {
    TempFolder folder;
    WriteBytes(folder / "site.btn", kProject);
    std::filesystem::create_directories(folder / ("out/" + blocked));
    EXPECT_EQ(RunProgram(folder, {"/x", "site.btn"}), 1) << blocked;
    EXPECT_EQ(ListFolder(folder / "out"), "001_start.png 002_ende.png site.btn.html ") << blocked;
    EXPECT_TRUE(std::filesystem::is_directory(folder / ("out/" + blocked))) << blocked;
    EXPECT_EQ(ReadBytes(folder / "out/site.btn.html"), page) << blocked;
    const std::string log = ReadBytes(folder / "kestro_shell_run.log");
    const std::string error = ",Error saving png: out/" + blocked + "Cannot write file: out/" + blocked;
    EXPECT_NE(log.find(error), std::string::npos) << log;
    EXPECT_EQ(log.find("OK. Files saved"), std::string::npos) << log;
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

namespace {

// A project of `count` buttons saved as bitmaps of `width` x `height` into
// `folder` (ending in "/"), without the page.
std::string BitmapProject(const std::string& folder, int count, int width, int height) {
  std::string project = "[main]\r\nnewx=" + std::to_string(width) + "\r\nnewy=" + std::to_string(height) +
                        "\r\nfontname=DejaVu Sans\r\nfontsize=7\r\nFileFormat=0\r\nsavehtml=0\r\noutputdir=" +
                        folder + "\r\nForceDirs=1\r\n[captions]\r\n";
  for (int i = 0; i < count; ++i) project += "c" + std::to_string(i) + "=B" + std::to_string(i + 1) + "\r\n";
  return project;
}

// The names in a folder that a run's temporary files have.
std::string TemporaryFilesIn(const std::string& folder) {
  std::string names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(".kestrova.")) names += entry.path().filename().string() + " ";
  }
  return names;
}

// Starts the program and sends it the signals, one right after the other, as
// soon as it makes a temporary file in `out` (which must exist), while it
// writes that file; how it ended, and whether the signals were sent.
std::pair<int, bool> SignalWhileWriting(const TempFolder& folder, const std::string& out,
                                        const std::vector<int>& signals) {
  const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  ::inotify_add_watch(watch, out.c_str(), IN_CREATE);
  const int pid = StartProgramIn(KESTROVA_PROGRAM, folder.Path(), {"/x", "p.btn"}, "/dev/null", [] {
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
  });
  bool sent = false;
  siginfo_t ended{};
  while (!sent && ::waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         ended.si_pid == 0) {
    pollfd ready{watch, POLLIN, 0};
    ::poll(&ready, 1, 10);
    alignas(inotify_event) char events[4096];
    const ssize_t got = ::read(watch, events, sizeof events);
    for (ssize_t at = 0; at < got && !sent;) {
      const auto* event = reinterpret_cast<const inotify_event*>(events + at);
      sent = event->len > 0 && std::string(event->name).starts_with(".kestrova.") &&
             std::all_of(signals.begin(), signals.end(), [pid](int signal) { return ::kill(pid, signal) == 0; });
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  ::close(watch);
  return {WaitForProgram(pid), sent};
}

}  // namespace

// Past the file-size limit a write fails with its error: the run goes on,
// logs each file that could not be written and ends with 1, and on a volume
// without unnamed files (each file is written under a temporary name first)
// nothing is left behind.
TEST(Program, AWritePastTheFileSizeLimitIsLoggedAndLeavesNothing) {
  TempFolder folder;
  const FatVolume fat(folder.Path());
  if (!fat.Mounted()) GTEST_SKIP() << "no FAT volume through FUSE here (mkfs.fat, fusefat, /dev/fuse)";
  WriteBytes(folder / "p.btn", BitmapProject("fat/out/", 2, 100, 40));  // 12 KiB files
  const int status = WaitForProgram(StartProgramIn(KESTROVA_PROGRAM, folder.Path(), {"/x", "p.btn"}, "/dev/null", [] {
    const rlimit fileSize{8192, 8192}, noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    ::signal(SIGXFSZ, SIG_DFL);
  }));
  EXPECT_EQ(status, 1);
  const std::string log = ReadBytes(folder / "kestro_shell_run.log");
  for (const char* file : {"fat/out/001_b1.bmp", "fat/out/002_b2.bmp"}) {
    const std::string error =
        std::string(",Error saving bmp: ") + file + "Cannot write file: " + file + " (File too large)\r\n";
    EXPECT_NE(log.find(error), std::string::npos) << log;
  }
  EXPECT_EQ(ListFolder(fat.Path() + "out"), "");
}

// Every signal that ends a program leaves no temporary file; a broken pipe
// does not end the run. (Each case has a volume of its own: the FUSE FAT
// driver loses track of a folder where many files were made and removed.)
TEST(Program, ASignalWhileAFileIsWrittenLeavesNoTemporaryFile) {
  for (const int signal : {SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGTERM, SIGINT, SIGHUP, SIGQUIT,
                           SIGRTMIN, SIGPIPE}) {
    TempFolder folder;
    const FatVolume fat(folder.Path());
    if (!fat.Mounted()) GTEST_SKIP() << "no FAT volume through FUSE here (mkfs.fat, fusefat, /dev/fuse)";
    const std::string out = fat.Path() + "out/";
    std::filesystem::create_directory(out);
    WriteBytes(folder / "p.btn", BitmapProject(out, 30, 200, 100));  // 60 KiB files
    const auto [status, sent] = SignalWhileWriting(folder, out, {signal});
    ASSERT_TRUE(sent) << signal;
    EXPECT_EQ(status, signal == SIGPIPE ? 0 : 128 + signal) << signal;
    EXPECT_EQ(TemporaryFilesIn(out), "") << signal;
  }
}

// Several signals at once, in any order, leave no temporary file either: the
// run ends by one of them once every file it made is removed. (Many runs, as
// the signals meet in the program only now and then; each has a folder of
// its own on one volume.)
TEST(Program, SignalsSentTogetherWhileAFileIsWrittenLeaveNoTemporaryFile) {
  constexpr int kRunsEach = 30;
  const std::vector<int> cases[] = {
      {SIGTERM, SIGINT, SIGHUP},
      {SIGHUP, SIGTERM, SIGINT},
      {SIGTERM, SIGTERM, SIGTERM},
      {SIGRTMIN, SIGRTMIN, SIGINT},
  };
  TempFolder folder;
  const FatVolume fat(folder.Path());
  if (!fat.Mounted()) GTEST_SKIP() << "no FAT volume through FUSE here (mkfs.fat, fusefat, /dev/fuse)";
  int run = 0;
  for (const std::vector<int>& signals : cases) {
    for (int i = 0; i < kRunsEach; ++i, ++run) {
      const std::string out = fat.Path() + "out" + std::to_string(run) + "/";
      std::filesystem::create_directory(out);
      WriteBytes(folder / "p.btn", BitmapProject(out, 4, 200, 100));  // 60 KiB files
      const auto [status, sent] = SignalWhileWriting(folder, out, signals);
      ASSERT_TRUE(sent) << signals[0] << " run " << i;
      EXPECT_NE(std::find(signals.begin(), signals.end(), status - 128), signals.end())
          << status << ", " << signals[0] << " run " << i;
      EXPECT_EQ(TemporaryFilesIn(out), "") << signals[0] << " run " << i;
      std::filesystem::remove_all(out);
    }
  }
}

// A temporary file that a run could not remove (ended by SIGKILL, which no
// program can catch) is removed by the next run writing into that folder,
// while one that may be another run's (of another boot, or of another
// machine sharing the folder) stays.
TEST(Program, TheNextRunRemovesATemporaryFileAKilledRunLeft) {
  TempFolder folder;
  const FatVolume fat(folder.Path());
  if (!fat.Mounted()) GTEST_SKIP() << "no FAT volume through FUSE here (mkfs.fat, fusefat, /dev/fuse)";
  const std::string out = fat.Path() + "out/";
  std::filesystem::create_directory(out);
  WriteBytes(folder / "p.btn", BitmapProject(out, 30, 200, 100));
  const auto [status, sent] = SignalWhileWriting(folder, out, {SIGKILL});
  ASSERT_TRUE(sent);
  EXPECT_EQ(status, 128 + SIGKILL);
  // A process that ended as the killed run did, had the signal come after its file was named.
  if (TemporaryFilesIn(out).empty()) {
    RunInChild([&] {
      WriteBytes(TemporaryPathIn(out), "x");
      return 0;
    });
  }
  ASSERT_NE(TemporaryFilesIn(out), "");
  const std::string otherBoot = ".kestrova.1.1.1.0123456789abcdef.0.tmp";
  WriteBytes(out + otherBoot, "");
  WriteBytes(folder / "p.btn", BitmapProject(out, 2, 20, 10));
  EXPECT_EQ(RunProgram(folder, {"/x", "p.btn"}), 0);
  EXPECT_EQ(TemporaryFilesIn(out), otherBoot + " ");
  EXPECT_EQ(ReadBytes(out + "001_b1.bmp").size(), 54u + 20 * 10 * 3);
}

// A parent may leave the run nearly every descriptor: the run on every
// processor still saves every button (each thread opens the caption font).
TEST(Program, ARunLeftFewDescriptorsSavesEveryButton) {
  std::string project =
      "[main]\r\nnewx=8\r\nnewy=8\r\nfontname=DejaVu Sans\r\nfontsize=7\r\nFileFormat=3\r\nsavehtml=0\r\n"
      "outputdir=out\r\nForceDirs=1\r\n[captions]\r\n";
  for (int i = 0; i < 2000; ++i) project += "c" + std::to_string(i) + "=B" + std::to_string(i + 1) + "\r\n";
  for (const int free : {12, 4}) {
    TempFolder folder;
    WriteBytes(folder / "site.btn", project);
    const int status =
        WaitForProgram(StartProgramIn(KESTROVA_PROGRAM, folder.Path(), {"/x", "site.btn"}, "/dev/null", [free] {
          const rlimit files{1024, 1024};
          ::setrlimit(RLIMIT_NOFILE, &files);
          const int null = ::open("/dev/null", O_RDONLY);
          for (int fd = 3; fd < 1024 - free; ++fd) ::dup2(null, fd);  // 1,012 of 1,024 in use, or 1,020
          ::close_range(1024 - free, ~0U, 0);
        }));
    EXPECT_EQ(status, 0) << free;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "out"), {}), 2000) << free;
    const std::string log = ReadBytes(folder / "kestro_shell_run.log");
    EXPECT_NE(log.find(",Kestrova started from shell\r\n"), std::string::npos) << log.substr(0, 1000);
    EXPECT_TRUE(log.ends_with(",OK. Files saved to: out/\r\n")) << log.substr(0, 1000);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log.substr(0, 1000);
  }
}
