#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <thread>

#include "core/support/FileAccess.h"
#include "tests/support/FatVolume.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// While not 0, fchmod fails with this error, as it does on file systems that
// keep no permission bits (FAT through FUSE, gvfs mounts, some shares).
int fchmodError = 0;

}  // namespace

// The test double for fchmod: this program's definition comes before the C library's.
extern "C" int fchmod(int fd, mode_t mode) {
  if (fchmodError == 0) return static_cast<int>(::syscall(SYS_fchmod, fd, mode));
  errno = fchmodError;
  return -1;
}

TEST(ReadFileBytes, OnlyRegularFilesAreReadAndEveryFailureSaysWhy) {
  TempFolder folder;
  WriteBytes(folder / "small.txt", "abc");
  std::filesystem::create_directory(folder / "sub");
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  const struct {
    std::string path;
    ReadStatus status;
    std::string reason;  // empty: read
  } cases[] = {
      {folder / "small.txt", ReadStatus::Ok, ""},
      {folder / "none.txt", ReadStatus::Missing, "No such file or directory"},
      {folder / "small.txt/x", ReadStatus::Missing, "Not a directory"},
      {folder / "sub", ReadStatus::Failed, "Is a directory"},
      {folder / "pipe", ReadStatus::Failed, "Not a regular file"},   // opening it would wait for a writer
      {"/dev/zero", ReadStatus::Failed, "Not a regular file"},       // reading it would never end
      {"/dev/null", ReadStatus::Failed, "Not a regular file"},
  };
  for (const auto& c : cases) {
    std::string bytes = "old", reason;
    EXPECT_EQ(ReadFileBytes(c.path, bytes, &reason), c.status) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
    EXPECT_EQ(bytes, c.status == ReadStatus::Ok ? "abc" : "") << c.path;
  }
}

TEST(WriteFileAtomically, NamesUpToTheSystemsLimitAreWrittenAndFailuresSayWhy) {
  TempFolder folder;
  WriteBytes(folder / "blocker", "x");
  std::filesystem::create_directory(folder / "sub");
  const struct {
    std::string path;
    std::string reason;  // empty: written
  } cases[] = {
      {folder / std::string(255, 'n'), ""},  // the temporary file's name must not be longer
      {folder / std::string(256, 'n'), "File name too long"},
      {folder / "none/x", "No such file or directory"},
      {folder / "blocker/x", "Not a directory"},
      {folder / "sub", "Is a directory"},
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_EQ(WriteFileAtomically(c.path, "new", &reason), c.reason.empty()) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
    if (c.reason.empty()) {
      EXPECT_EQ(ReadBytes(c.path), "new");
    }
  }
  // Nothing is left behind by the failures.
  EXPECT_EQ(ListFolder(folder.Path()), "blocker " + std::string(255, 'n') + " sub ");
}

TEST(WriteFileAtomically, ANewFileGetsTheBitsTheUmaskAllowsAndNothingIsLeftBeside) {
  TempFolder folder;
  const mode_t oldMask = ::umask(027);
  const struct {
    std::string name;
    std::string bytes;
  } cases[] = {{"new.gif", "GIF89a"}, {"empty", ""}, {"big", std::string(1 << 20, 'b')}};
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteFileAtomically(folder / c.name, c.bytes)) << c.name;
    struct stat st {};
    ASSERT_EQ(::stat((folder / c.name).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << c.name;
    EXPECT_EQ(ReadBytes(folder / c.name), c.bytes) << c.name;
  }
  ::umask(oldMask);
  // A name held by a link to nowhere is taken over, as before.
  ASSERT_EQ(::symlink((folder / "gone").c_str(), (folder / "dangling").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(folder / "dangling", "x"));
  EXPECT_EQ(ReadBytes(folder / "dangling"), "x");
  EXPECT_EQ(ListFolder(folder.Path()), "big dangling empty new.gif ");
}

// Staged on one thread, named on another in order: the file appears only
// when committed, and one never committed leaves nothing behind.
TEST(StagedFile, TheFileTakesItsNameOnlyWhenCommitted) {
  TempFolder folder;
  WriteBytes(folder / "out.gif", "old");
  StagedFile first(folder / "out.gif", "first", LinkAtName::Replace);
  std::thread([&] { StagedFile(folder / "never.gif", "never"); }).join();
  StagedFile second = std::move(first);
  EXPECT_EQ(ReadBytes(folder / "out.gif"), "old");
  EXPECT_EQ(ListFolder(folder.Path()), "out.gif ");
  EXPECT_TRUE(second.Commit());
  EXPECT_EQ(ReadBytes(folder / "out.gif"), "first");
  EXPECT_EQ(ListFolder(folder.Path()), "out.gif ");
}

namespace {

bool IsLink(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

TEST(WriteFileAtomically, ALinkAtTheNameIsFollowedOrGivesWayAsAsked) {
  TempFolder folder, elsewhere;
  const std::string mine = elsewhere / "mine.txt", gone = elsewhere / "gone.txt", link = folder / "out.gif";
  for (const LinkAtName how : {LinkAtName::Follow, LinkAtName::Replace}) {
    WriteBytes(mine, "mine");
    ::chmod(mine.c_str(), 0644);
    for (const std::string& target : {mine, gone}) {
      std::filesystem::remove(link);
      ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
      std::string reason;
      ASSERT_TRUE(WriteFileAtomically(link, "new", &reason, how)) << reason;
      EXPECT_EQ(ReadBytes(link), "new");
      const bool follows = how == LinkAtName::Follow && target == mine;  // a link to nowhere is taken over
      EXPECT_EQ(IsLink(link), follows) << target;
      EXPECT_EQ(IsRegularFile(link), !follows) << target;
    }
    EXPECT_EQ(ReadBytes(mine), how == LinkAtName::Follow ? "new" : "mine");
    EXPECT_FALSE(std::filesystem::exists(gone));
  }
  // A link to a file the user may not write gives way all the same: that file is not touched.
  ASSERT_EQ(::chmod(mine.c_str(), 0444), 0);
  std::filesystem::remove(link);
  ASSERT_EQ(::symlink(mine.c_str(), link.c_str()), 0);
  EXPECT_TRUE(WriteFileAtomically(link, "newer", nullptr, LinkAtName::Replace));
  EXPECT_EQ(ReadBytes(link), "newer");
  EXPECT_EQ(ReadBytes(mine), "mine");
  EXPECT_EQ(ListFolder(folder.Path()), "out.gif ");
  EXPECT_EQ(ListFolder(elsewhere.Path()), "mine.txt ");
}

// A program ended while it replaces a file leaves the old file and nothing else.
TEST(WriteFileAtomically, ATerminatedReplaceLeavesNoTemporaryFile) {
  TempFolder folder;
  const std::string file = folder / "big.gif";
  WriteBytes(file, "old");
  const std::string bytes(16 << 20, 'n');
  const pid_t child = ::fork();
  if (child == 0) {
    for (;;) WriteFileAtomically(file, bytes);
  }
  // The child is killed as soon as it holds a file of the folder open:
  // between the first and the last byte of a replace.
  const std::string fds = "/proc/" + std::to_string(child) + "/fd";
  bool writing = false;
  for (int wait = 0; wait < 100000 && !writing; ++wait) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
      writing = writing || std::filesystem::read_symlink(entry.path(), error).string().starts_with(folder.Path());
    }
    if (!writing) ::usleep(100);
  }
  ::kill(child, SIGTERM);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(writing);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_EQ(ListFolder(folder.Path()), "big.gif ");
  const std::string left = ReadBytes(file);
  EXPECT_TRUE(left == "old" || left == bytes);
}

// Copying the permission bits is a courtesy: a file system that refuses it
// still takes the replacement; any other failure keeps the old file.
TEST(WriteFileAtomically, AReplaceWhereFchmodIsRefusedStillReplaces) {
  TempFolder folder;
  const std::string file = folder / "out.gif";
  const struct {
    int error;
    bool replaced;
  } cases[] = {{ENOSYS, true}, {EPERM, true}, {ENOTSUP, true}, {EOPNOTSUPP, true}, {EIO, false}};
  for (const auto& c : cases) {
    WriteBytes(file, "old");
    fchmodError = c.error;
    std::string reason;
    const bool written = WriteFileAtomically(file, "new", &reason, LinkAtName::Replace);
    fchmodError = 0;
    EXPECT_EQ(written, c.replaced) << c.error;
    EXPECT_EQ(reason, c.replaced ? "" : "Input/output error") << c.error;
    EXPECT_EQ(ReadBytes(file), c.replaced ? "new" : "old") << c.error;
    EXPECT_EQ(ListFolder(folder.Path()), "out.gif ") << c.error;
  }
}

// Content made while it is written (a page of many images): the pieces,
// small and large, reach the file in order, on a folder with unnamed files
// and on one without; a write that fails partway leaves the old file.
TEST(WriteFileAtomically, ContentGivenInPiecesIsWrittenWholeOrNotAtAll) {
  const std::vector<std::size_t> sizes = {0, 1, 3, 65535, 1, 65536, 200000, 7, 0, 65537};
  std::string whole;
  for (std::size_t i = 0; i < sizes.size(); ++i) whole += std::string(sizes[i], static_cast<char>('a' + i));
  const ContentWriter pieces = [&](const ByteSink& out) {
    std::size_t at = 0;
    for (std::size_t size : sizes) {
      out(std::string_view(whole).substr(at, size));
      at += size;
    }
  };
  TempFolder folder, fatImage;
  const FatVolume fat(fatImage.Path());
  std::vector<std::string> places = {folder.Path()};
  if (fat.Mounted()) places.push_back(fat.Path());
  for (const std::string& place : places) {
    WriteBytes(place + "page.html", "old");
    WriteBytes(place + "kept.html", "old");
    std::string reason;
    EXPECT_TRUE(WriteFileAtomically(place + "page.html", pieces, &reason)) << place << reason;
    EXPECT_EQ(ReadBytes(place + "page.html"), whole) << place;
    // Writes may not pass 100,000 bytes: the third large piece fails.
    EXPECT_EQ(RunInChild([&] {
                const rlimit size{100000, 100000};
                ::signal(SIGXFSZ, SIG_IGN);
                if (::setrlimit(RLIMIT_FSIZE, &size) != 0) return 2;
                std::string why;
                return !WriteFileAtomically(place + "kept.html", pieces, &why) && why == "File too large" ? 0 : 1;
              }),
              0)
        << place;
    EXPECT_EQ(ReadBytes(place + "kept.html"), "old") << place;
    EXPECT_EQ(ListFolder(place), "kept.html page.html ") << place;
  }
  std::string reason;
  EXPECT_FALSE(WriteFileAtomically(folder / "none/page.html", pieces, &reason));
  EXPECT_EQ(reason, "No such file or directory");
}
