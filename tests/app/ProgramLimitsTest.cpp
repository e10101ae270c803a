// The program's memory and its refusals for files that ask for more than any
// real one does: measured from the outside, as GNU time sees the process,
// with the run's exit status, its log and what it wrote.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/support/StrLib.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

MeasuredRun RunMeasured(const TempFolder& folder, const std::vector<std::string>& args) {
  return RunProgramMeasured(KESTROVA_PROGRAM, folder.Path(), args);
}

// The log's messages, each without its date and time stamp.
std::vector<std::string> LogMessages(const TempFolder& folder) {
  std::vector<std::string> messages;
  for (const std::string& line : SplitLines(ReadBytes(folder / "kestro_shell_run.log"))) {
    messages.push_back(line.substr(line.find(',') + 1));
  }
  return messages;
}

// Buttons of no size: the run ends with an error once the captions are held,
// before any button is made or anything written.
const char* const kNoButtons =
    "[main]\r\nnewx=32\r\nnewy=12\r\nfontname=DejaVu Sans\r\nfontsize=7\r\nFileFormat=1\r\nsavehtml=1\r\n"
    "outputdir=out\r\nForceDirs=1\r\ncutbig=1\r\ncutx=0\r\ncuty=0\r\n[captions]\r\nc0=Start\r\n";

std::string Captions(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    text.append("Caption number ").append(7 - n.size(), '0').append(n).append("\n");
  }
  return text;
}

// An 8-bit RLE bitmap of width x height whose codes end after four short rows
// (the rest of the picture is left as it starts): some 1,100 bytes.
std::string RleBitmap(std::uint32_t width, std::uint32_t height) {
  std::string codes;
  for (int row = 0; row < 4; ++row) codes += {static_cast<char>(width), static_cast<char>(row * 60), 0, 0};
  codes += std::string("\0\1", 2);
  std::string file;
  const auto u16 = [&file](std::uint32_t v) { file += {static_cast<char>(v), static_cast<char>(v >> 8)}; };
  const auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
  const std::uint32_t offset = 14 + 40 + 256 * 4;
  file += "BM";
  u32(offset + static_cast<std::uint32_t>(codes.size())), u32(0), u32(offset);
  u32(40), u32(width), u32(height), u16(1), u16(8), u32(1), u32(static_cast<std::uint32_t>(codes.size()));
  u32(2835), u32(2835), u32(256), u32(0);
  for (std::uint32_t i = 0; i < 256; ++i) u32(i * 0x010101);
  return file + codes;
}

// Another process that appends captions to the file from the first time it
// is read until it holds `until` bytes; its process id.
pid_t AppendWhenRead(const std::string& path, std::uint64_t until) {
  const std::string piece = Captions(1 << 16);  // 1.5 MiB
  const int watch = ::inotify_init1(IN_CLOEXEC);
  ::inotify_add_watch(watch, path.c_str(), IN_ACCESS);
  const pid_t pid = ::fork();
  if (pid == 0) {
    alignas(inotify_event) char event[sizeof(inotify_event) + 256];
    if (::read(watch, event, sizeof event) <= 0) ::_exit(1);
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
    for (std::uint64_t size = 0; size < until;) {
      if (::write(fd, piece.data(), piece.size()) != static_cast<ssize_t>(piece.size())) ::_exit(1);
      size = static_cast<std::uint64_t>(::lseek(fd, 0, SEEK_END));
    }
    ::_exit(0);
  }
  ::close(watch);
  return pid;
}

}  // namespace

TEST(ProgramLimits, TwoMillionCaptionsTakeAboutTheirTextInMemory) {
  // 2,000,000 captions (46 MB) once took 950 bytes each. Now the text is held
  // in the settings record and in the captions memo, with where each line
  // begins: under three times the file's size.
  const OutOfMemoryChildren noQuarantine;  // freed memory is used again at once
  TempFolder folder;
  WriteBytes(folder / "p.btn", kNoButtons);
  WriteBytes(folder / "few.txt", Captions(3));
  const std::string many = Captions(2'000'000);
  WriteBytes(folder / "many.txt", many);
  const MeasuredRun few = RunMeasured(folder, {"/x", "p.btn", "few.txt"});
  const MeasuredRun all = RunMeasured(folder, {"/x", "p.btn", "many.txt"});
  EXPECT_EQ(few.status, 1);
  EXPECT_EQ(all.status, 1);
  ASSERT_GT(few.peakKiB, 0);
  const std::int64_t grown = (all.peakKiB - few.peakKiB) * 1024;
  EXPECT_LT(grown, 3 * static_cast<std::int64_t>(many.size())) << all.peakKiB << " KiB against " << few.peakKiB;
  EXPECT_EQ(ListFolder(folder.Path()), "few.txt kestro_shell_run.log many.txt p.btn ");
}

TEST(ProgramLimits, AProjectOrCaptionsFileLargerThanAnyRealOneIsRefusedUnread) {
  // 3 GiB files that take no disk space: read, they took the machine's memory.
  const OutOfMemoryChildren noQuarantine;
  const struct {
    std::string name;
    std::vector<std::string> args;
    std::string refusal;
  } cases[] = {
      {"huge.txt", {"/x", "p.btn", "huge.txt"},
       "Error opening file: huge.txtFile too large: 3221225472 bytes, at most 67108864 are read"},
      {"huge.btn", {"/x", "huge.btn"},
       "Error opening file: huge.btnFile too large: 3221225472 bytes, at most 16777216 are read"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteBytes(folder / "p.btn", kNoButtons);
    WriteBytes(folder / "few.txt", Captions(3));
    const MeasuredRun few = RunMeasured(folder, {"/x", "p.btn", "few.txt"});
    std::filesystem::remove(folder / "kestro_shell_run.log");
    WriteSparseFile(folder / c.name, std::uint64_t{3} << 30, "[main]\r\nnewx=32\r\n[captions]\r\nc0=Home\r\n");
    const MeasuredRun huge = RunMeasured(folder, c.args);
    EXPECT_EQ(huge.status, 1) << c.name;
    EXPECT_EQ(LogMessages(folder), (std::vector<std::string>{"Kestrova started from shell", c.refusal})) << c.name;
    EXPECT_EQ(ListFolder(folder.Path()), "few.txt " + c.name + " kestro_shell_run.log p.btn ") << c.name;
    // Nothing of the file was read: less memory than a run of three captions.
    EXPECT_GT(huge.peakKiB, 0) << c.name;
    EXPECT_LE(huge.peakKiB, few.peakKiB) << c.name;
  }
}

// A captions file under the limit when it is opened, which another process
// goes on appending to while the run reads it, is read up to the limit only
// and refused as one too large when opened: it once took every byte appended
// (1.5 GB, then the machine's memory).
TEST(ProgramLimits, ACaptionsFileThatGrowsWhileItIsReadIsReadUpToTheLimitOnly) {
  const OutOfMemoryChildren noQuarantine;
  constexpr std::uint64_t kLimit = std::uint64_t{64} << 20;
  TempFolder folder;
  WriteBytes(folder / "p.btn", kNoButtons);
  WriteBytes(folder / "few.txt", Captions(3));
  const MeasuredRun few = RunMeasured(folder, {"/x", "p.btn", "few.txt"});
  std::filesystem::remove(folder / "kestro_shell_run.log");
  const std::string start = Captions(2'900'000);  // 66.7 MB, just under the limit
  ASSERT_LT(start.size(), kLimit);
  ASSERT_GT(start.size(), kLimit - (std::uint64_t{2} << 20));
  WriteBytes(folder / "grows.txt", start);
  const pid_t writer = AppendWhenRead(folder / "grows.txt", 5 * kLimit);
  const MeasuredRun run = RunMeasured(folder, {"/x", "p.btn", "grows.txt"});
  ::kill(writer, SIGKILL);
  ::waitpid(writer, nullptr, 0);
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> log = LogMessages(folder);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "Kestrova started from shell");
  EXPECT_TRUE(log[1].starts_with("Error opening file: grows.txtFile too large: ")) << log[1];
  EXPECT_TRUE(log[1].ends_with(" bytes, at most 67108864 are read")) << log[1];
  EXPECT_EQ(ListFolder(folder.Path()), "few.txt grows.txt kestro_shell_run.log p.btn ");
  // The text up to the limit, with its line ends made CR LF, and room to grow into.
  EXPECT_GT(run.peakKiB, 0);
  EXPECT_LT((run.peakKiB - few.peakKiB) * 1024, static_cast<std::int64_t>(3 * kLimit))
      << run.peakKiB << " KiB against " << few.peakKiB;
}

TEST(ProgramLimits, ATallPictureFailsAGifRunBeforeTheFirstButton) {
  // 15 x 16,777,225 pixels from 1,100 bytes: a bitmap holds them, a GIF file
  // does not (65535 on a side). Six such buttons once took 70 s to make and
  // then failed one by one.
  TempFolder folder;
  WriteBytes(folder / "tall.bmp", RleBitmap(15, 16'777'225));
  WriteBytes(folder / "p.btn",
             "[main]\r\nimage_file=tall.bmp\r\nfontname=DejaVu Sans\r\nfontsize=7\r\nFileFormat=1\r\n"
             "savehtml=1\r\noutputdir=out\r\nForceDirs=1\r\n[captions]\r\nc0=Start\r\nc1=Ende\r\n");
  const MeasuredRun run = RunMeasured(folder, {"/x", "p.btn"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(LogMessages(folder),
            (std::vector<std::string>{"Kestrova started from shell",
                                      "Error saving gif: out/001_start.gifImage too large for GIF: 15 x 16777225 "
                                      "pixels, at most 65535 on a side"}));
  EXPECT_EQ(ListFolder(folder.Path()), "kestro_shell_run.log p.btn tall.bmp ");
}
