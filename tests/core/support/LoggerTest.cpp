#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "core/support/DateTimeFormat.h"
#include "core/support/Logger.h"
#include "core/support/Messages.h"
#include "core/support/StrLib.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using kestrova::test::ReadBytes;
using kestrova::test::WriteBytes;

namespace {
std::tm Sample() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 6;
  t.tm_hour = 3;
  t.tm_min = 5;
  t.tm_sec = 7;
  return t;
}

// The text with every digit shown as 9, so that stamps compare exactly.
std::string Masked(std::string text) {
  for (char& c : text) {
    if (c >= '0' && c <= '9') c = '9';
  }
  return text;
}

const std::string kDate = "9999-99-99";
std::string Time() {
  const std::string& sep = UserDateFormat().separators.time;
  return "99" + sep + "99" + sep + "99";
}
std::string Pid() { return Masked(std::to_string(::getpid())); }

class LoggerTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string file = folder / "run.log";
  TLogger logger;
  void SetUp() override { logger.FileName = file; }
};
}  // namespace

TEST(DateTimeFormat, FormatLetters) {
  EXPECT_EQ(FormatDateTime("m/d/yy hh:nn:ss", Sample()), "12/6/26 03:05:07");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd h:n:s", Sample()), "2026-12-06 3:5:7");
  EXPECT_EQ(FormatDateTime("DD/MM/YYYY", Sample(), {".", "."}), "06.12.2026");
  EXPECT_EQ(FormatDateTime("hh:nn x", Sample(), {"/", "-"}), "03-05 x");
}

TEST(DateTimeFormat, LocaleFormatsInLetters) {
  EXPECT_EQ(DateFormatFromStrftime("%m/%d/%y"), "mm/dd/yy");
  EXPECT_EQ(DateFormatFromStrftime("%d.%m.%Y"), "dd.mm.yyyy");
  EXPECT_EQ(DateFormatFromStrftime("%-d/%-m/%Ey"), "d/m/yy");
  EXPECT_EQ(DateFormatFromStrftime("%F"), "yyyy-mm-dd");
  EXPECT_EQ(DateFormatFromStrftime("%Y\xE5\xB9\xB4%m\xE6\x9C\x88"), "yyyy\xE5\xB9\xB4mm\xE6\x9C\x88");
  EXPECT_EQ(DateFormatFromStrftime("%a %b %e"), "");
  EXPECT_EQ(DateFormatFromStrftime("%d de %m"), "");  // "d" would read as a day
  EXPECT_EQ(SeparatorOfStrftime("%d.%m.%Y", "/"), ".");
  EXPECT_EQ(SeparatorOfStrftime("%r", ":"), ":");
  EXPECT_FALSE(UserDateFormat().shortDateFormat.empty());
}

TEST_F(LoggerTest, AppendsToAnExistingLog) {
  WriteBytes(file, "first\r\nsecond\r\n");
  ASSERT_TRUE(logger.Open());
  EXPECT_TRUE(logger.Log("third"));
  logger.Close();
  EXPECT_EQ(Masked(ReadBytes(file)), "first\r\nsecond\r\n[" + kDate + " " + Time() + "] " + Pid() + " third\r\n");
}

TEST_F(LoggerTest, StampForms) {
  ASSERT_TRUE(logger.Open());
  logger.UseDate = false;
  logger.CommaSep = false;
  logger.Log("a");
  logger.LogPid = false;
  logger.UseTime = false;
  logger.Log("line\r\nbreak");
  logger.UseDate = logger.UseTime = logger.CommaSep = logger.LogPid = true;
  logger.DateFormat = "yyyy";
  logger.Log("c");
  logger.Close();
  EXPECT_EQ(Masked(ReadBytes(file)),
            "[ " + Time() + "] " + Pid() + " a\r\nline\r\nbreak\r\n9999 " + Time() + "," + Pid() + ",c\r\n");
}

TEST_F(LoggerTest, NoFileWithoutCreate) {
  logger.CreateIfNoFile = false;
  EXPECT_TRUE(logger.Open());
  EXPECT_FALSE(logger.Log("x"));
  EXPECT_EQ(test::ListFolder(folder.Path()), "");
}

TEST_F(LoggerTest, OpenFailureCallsTheHandler) {
  TLogger* sender = nullptr;
  logger.OnOpenFail = [&](TLogger& l) { sender = &l; };
  logger.FileName = folder / "missing/run.log";
  EXPECT_FALSE(logger.Open());
  EXPECT_EQ(sender, &logger);
  logger.FileName = folder.Path();  // a folder is no log file
  EXPECT_FALSE(logger.Open());
  EXPECT_FALSE(logger.Log("x"));
}

// What lies at the log's name is never truncated and never reached through a
// link, and a pipe nobody reads does not make the program wait.
TEST_F(LoggerTest, NeitherLinksNorPipesAreOpened) {
  WriteBytes(folder / "mine.txt", "mine\r\n");
  const struct {
    std::string name;
    std::function<void()> make;
    int error;
  } cases[] = {
      {"a link to a file", [&] { std::filesystem::create_symlink("mine.txt", file); }, ELOOP},
      {"a link to nowhere", [&] { std::filesystem::create_symlink("new.txt", file); }, ELOOP},
      {"a pipe", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }, ENXIO},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(file);
    c.make();
    errno = 0;
    EXPECT_FALSE(logger.Open()) << c.name;
    EXPECT_EQ(errno, c.error) << c.name;
    EXPECT_FALSE(logger.Log("x")) << c.name;
  }
  EXPECT_EQ(ReadBytes(folder / "mine.txt"), "mine\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "new.txt"));
}

TEST_F(LoggerTest, MessagesGoToTheBoxOrTheBatchLog) {
  std::string shown;
  MessageBoxFunction = [&](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int help) {
    shown = text + "|" + std::to_string(type) + "|" + std::to_string(buttons) + "|" + std::to_string(help);
    return static_cast<int>(mrYes);
  };
  EXPECT_EQ(ShowMessageOrLog("Delete preset?", mtConfirmation, mbYes | mbNo, 5), mrYes);
  EXPECT_EQ(shown, "Delete preset?|3|3|5");

  shown.clear();
  Logger1.FileName = file;
  Logger1.DateFormat = "yyyy-mm-dd";
  ASSERT_TRUE(Logger1.Open());
  ShellMode = true;
  EXPECT_EQ(ShowMessageOrLog("Error opening file: a.btn\r\nNo such file", mtError, mbOK), mrNone);
  ShellMode = false;
  Logger1.Close();
  MessageBoxFunction = nullptr;
  EXPECT_EQ(shown, "");
  EXPECT_EQ(Masked(ReadBytes(file)), kDate + " " + Time() + ",Error opening file: a.btnNo such file\r\n");
}

TEST(OneLine, EveryCrAndLfIsRemovedSoTheLinesRunTogether) {
  const struct {
    std::string text, line;
  } cases[] = {
      {"base.bmp\r\nBitmap file is truncated", "base.bmpBitmap file is truncated"},
      {"Error opening file: \r\nbase.bmp\r\nFile not found", "Error opening file: base.bmpFile not found"},
      {"a\nb\rc", "abc"},
      {"a\r\n\r\nb", "ab"},
      {"\r\na \r\n", "a "},
      {"one line", "one line"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(OneLine(c.text), c.line) << c.text;
}
