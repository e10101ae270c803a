#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "core/files/IniFile.h"
#include "core/support/TextEncoding.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using kestrova::test::ReadBytes;
using kestrova::test::WriteBytes;

namespace {
using Lines = std::vector<std::string>;

class IniFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string file = folder / "a.ini";
};
}  // namespace

TEST_F(IniFileTest, IntegerAndBooleanConversions) {
  WriteBytes(file,
             "[s]\r\nhex=0x1F\r\nHEX2=0X1f\r\ndollar=$1F\r\nbare=0x\r\nneg=-7\r\nempty=\r\nword=abc\r\n"
             "two=2\r\nminus=-1\r\nzero=0\r\nhuge=99999999999\r\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadInteger("s", "hex", 5), 31);
  EXPECT_EQ(ini.ReadInteger("s", "hex2", 5), 31);
  EXPECT_EQ(ini.ReadInteger("s", "dollar", 5), 31);
  EXPECT_EQ(ini.ReadInteger("s", "bare", 5), 5);
  EXPECT_EQ(ini.ReadInteger("s", "neg", 5), -7);
  EXPECT_EQ(ini.ReadInteger("s", "empty", 5), 5);
  EXPECT_EQ(ini.ReadInteger("s", "huge", 5), 5);
  EXPECT_EQ(ini.ReadInteger("s", "missing", 5), 5);
  EXPECT_TRUE(ini.ReadBool("s", "two", false));
  EXPECT_TRUE(ini.ReadBool("s", "minus", false));
  EXPECT_FALSE(ini.ReadBool("s", "zero", true));
  EXPECT_TRUE(ini.ReadBool("s", "word", true));
  EXPECT_FALSE(ini.ReadBool("s", "word", false));
}

TEST_F(IniFileTest, LongValuesComeBackCut) {
  TIniFile ini(file);
  ini.WriteString("s", "long", std::string(3000, 'x'));
  EXPECT_EQ(ini.ReadString("s", "long", ""), std::string(2047, 'x'));
  // The cut falls between characters, never inside one.
  ini.WriteString("s", "wide", std::string(2046, 'a') + "\xC5\x82\xC5\x82");
  EXPECT_EQ(ini.ReadString("s", "wide", ""), std::string(2046, 'a') + "\xC5\x82");
}

TEST_F(IniFileTest, ReadsWhatOtherEditorsWrite) {
  WriteBytes(file,
             "\xEF\xBB\xBF" "orphan=1\n[Main]\nKey = value with blanks  \r\nkey=second\njunk line\n; note=x\n"
             "=nokey\n[other]\nk=v\n[MAIN]\nkey=third\nlate=1\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("main", "KEY", "d"), "value with blanks");
  EXPECT_EQ(ini.ReadString("main", "late", "d"), "d");  // only the first section of a name counts
  EXPECT_EQ(ini.ReadString("main", "; note", "d"), "d");
  Lines list;
  ini.ReadSection("main", list);
  EXPECT_EQ(list, (Lines{"Key", "key"}));
  ini.ReadSectionValues("Main", list);
  EXPECT_EQ(list, (Lines{"Key=value with blanks", "key=value with blanks"}));
  ini.ReadSections(list);
  EXPECT_EQ(list, (Lines{"Main", "other", "MAIN"}));
  ini.ReadSection("none", list);
  EXPECT_TRUE(list.empty());
}

TEST_F(IniFileTest, WritesEditTheFileInPlace) {
  WriteBytes(file, "; kept\n[a]\nx=1\n\n[b]\ny=2\n");
  TIniFile ini(file);
  ini.WriteString("a", "X", "10");
  ini.WriteString("a", "z", "3");
  ini.WriteInteger("c", "n", -5);
  ini.WriteBool("c", "flag", true);
  EXPECT_EQ(ReadBytes(file), "; kept\r\n[a]\r\nX=10\r\nz=3\r\n\r\n[b]\r\ny=2\r\n[c]\r\nn=-5\r\nflag=1\r\n");
  ini.EraseSection("A");
  EXPECT_EQ(ReadBytes(file), "; kept\r\n[b]\r\ny=2\r\n[c]\r\nn=-5\r\nflag=1\r\n");
  // A line break in a value cannot start a new key or section.
  ini.WriteString("b", "y", "1\r\n[evil]\nk=2");
  EXPECT_EQ(ini.ReadString("b", "y", ""), "1  [evil] k=2");
  Lines sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections, (Lines{"b", "c"}));
}

TEST_F(IniFileTest, KeysAddedToAnEarlierSectionKeepLaterSectionsReadable) {
  WriteBytes(file, "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[c]\r\nz=3\r\n");
  TIniFile ini(file);
  for (int i = 0; i < 50; ++i) ini.WriteString("a", "k" + std::to_string(i), std::to_string(i));
  ini.WriteString("b", "y2", "22");
  ini.WriteString("c", "z", "33");  // an existing key of the last section, found at its new line
  EXPECT_EQ(ini.ReadString("a", "k49", ""), "49");
  EXPECT_EQ(ini.ReadString("b", "y", ""), "2");
  EXPECT_EQ(ini.ReadString("c", "z", ""), "33");
  Lines keys;
  ini.ReadSection("b", keys);
  EXPECT_EQ(keys, (Lines{"y", "y2"}));
  const std::string text = ReadBytes(file);
  EXPECT_TRUE(text.ends_with("k49=49\r\n[b]\r\ny=2\r\ny2=22\r\n[c]\r\nz=33\r\n"));
  // A file parsed afresh reads the same.
  EXPECT_EQ(TIniFile(file).ReadString("a", "k10", ""), "10");
}

TEST_F(IniFileTest, AnUpdateWritesOnceAtItsEnd) {
  WriteBytes(file, "[old]\r\nk=1\r\n");
  {
    TIniFile ini(file);
    ini.BeginUpdate();
    ini.EraseSection("old");
    ini.WriteString("new", "k", "2");
    EXPECT_EQ(ini.ReadString("new", "k", ""), "2") << "reads see what the update collected";
    EXPECT_EQ(ReadBytes(file), "[old]\r\nk=1\r\n") << "the file is untouched until the end";
    ini.EndUpdate();
  }
  EXPECT_EQ(ReadBytes(file), "[new]\r\nk=2\r\n");
  {
    TIniFile abandoned(file);
    abandoned.BeginUpdate();
    abandoned.WriteString("new", "k", "3");
  }
  EXPECT_EQ(ReadBytes(file), "[new]\r\nk=2\r\n") << "an update never ended writes nothing";
  TIniFile missingFolder(folder / "no/such/x.ini");
  missingFolder.BeginUpdate();
  missingFolder.WriteString("s", "k", "v");
  EXPECT_THROW(missingFolder.EndUpdate(), EIniFileError);
}

TEST_F(IniFileTest, ReadsSeeChangesMadeBehindItsBack) {
  TIniFile ini(file);
  ini.WriteString("s", "k", "1");
  EXPECT_EQ(ini.ReadString("s", "k", ""), "1");
  // Same size, same modification time, same inode: only the change time tells.
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  {
    FILE* f = std::fopen(file.c_str(), "r+b");
    std::fseek(f, 7, SEEK_SET);  // "[s]\r\nk=" is 7 bytes
    std::fputc('2', f);
    std::fclose(f);
  }
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  EXPECT_EQ(ini.ReadString("s", "k", ""), "2");
  ::unlink(file.c_str());
  EXPECT_EQ(ini.ReadString("s", "k", "gone"), "gone");
}

TEST_F(IniFileTest, NameListsStopAtTheBufferSize) {
  std::string text = "[s]\r\n";
  for (int i = 0; i < 4000; ++i) {
    text += 'k';
    text += std::to_string(1000 + i);
    text += "=v\r\n";
  }
  WriteBytes(file, text);
  Lines keys;
  TIniFile(file).ReadSection("s", keys);
  // Each name "kNNNN" takes 6 characters of 16384, one more closes the list.
  ASSERT_EQ(keys.size(), 2730u);
  EXPECT_EQ(keys.back(), "k3729");
}

TEST_F(IniFileTest, LegacyEncodedFileIsReadAndRewrittenAsUtf8) {
  WriteBytes(file, "[s]\r\nname=caf\xE9\r\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("s", "name", ""), "caf\xC3\xA9");
  ini.WriteString("s", "other", "1");
  EXPECT_EQ(ReadBytes(file), "[s]\r\nname=caf\xC3\xA9\r\nother=1\r\n");
}

TEST_F(IniFileTest, BinaryJunkReadsWithoutHarm) {
  std::mt19937 random(7);
  std::string junk(200000, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  junk += "\n[s]\nk=found\n";
  WriteBytes(file, junk);
  TIniFile ini(file);
  Lines list;
  ini.ReadSections(list);
  EXPECT_EQ(ini.ReadString("s", "k", ""), "found");
  EXPECT_EQ(ini.ReadInteger("nothing", "k", 4), 4);
}

TEST_F(IniFileTest, FailedWritesRaiseAndLeaveNothingBehind) {
  TIniFile missingFolder(folder / "no/such/x.ini");
  try {
    missingFolder.WriteString("s", "k", "v");
    FAIL() << "no error";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Unable to write to " + folder.Path() + "no/such/x.ini (No such file or directory)");
  }
  EXPECT_NO_THROW(missingFolder.EraseSection("s")) << "nothing to erase needs no write";
  EXPECT_EQ(test::ListFolder(folder.Path()), "");
}

TEST_F(IniFileTest, ReadOnlyPlacesAreNotWritten) {
  const std::string sub = folder / "ro/";
  ASSERT_EQ(::mkdir(sub.c_str(), 0755), 0);
  ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
  WriteBytes(sub + "locked.ini", "[s]\r\nk=old\r\n");
  ASSERT_EQ(::chmod((sub + "locked.ini").c_str(), 0444), 0);
  WriteBytes(sub + "secret.ini", "[s]\r\nk=old\r\n");
  ASSERT_EQ(::chmod((sub + "secret.ini").c_str(), 0200), 0);
  ASSERT_EQ(::chmod(sub.c_str(), 0777), 0);
  const int result = test::RunInChild(
      [&] {
        int failures = 0;
        for (const char* name : {"locked.ini", "secret.ini"}) {
          try {
            TIniFile(sub + name).WriteString("s", "new", "1");
          } catch (const EIniFileError&) {
            ++failures;
          }
        }
        return failures;
      },
      true);
  EXPECT_EQ(result, 2);
  EXPECT_EQ(ReadBytes(sub + "locked.ini"), "[s]\r\nk=old\r\n");
  EXPECT_EQ(ReadBytes(sub + "secret.ini"), "[s]\r\nk=old\r\n");
  ASSERT_EQ(::chmod(sub.c_str(), 0555), 0);
  const int inReadOnlyFolder = test::RunInChild(
      [&] {
        try {
          TIniFile(sub + "new.ini").WriteString("s", "k", "v");
        } catch (const EIniFileError& e) {
          return std::string(e.what()) == "Unable to write to " + sub + "new.ini (Permission denied)" ? 0 : 2;
        }
        return 1;
      },
      true);
  EXPECT_EQ(inReadOnlyFolder, 0);
}

TEST_F(IniFileTest, InterruptedWriteLeavesTheOldFile) {
  const std::string original = "[s]\r\nk=old\r\n";
  WriteBytes(file, original);
  // The file-size limit makes the write of the bigger file fail part-way:
  // first as a reported error, then as a killed process.
  for (bool killed : {false, true}) {
    const int status = test::RunInChild([&] {
      const rlimit core{0, 0}, size{64, 64};
      ::setrlimit(RLIMIT_CORE, &core);
      if (!killed) ::signal(SIGXFSZ, SIG_IGN);
      ::setrlimit(RLIMIT_FSIZE, &size);
      try {
        TIniFile(file).WriteString("s", "k", std::string(1000, 'n'));
      } catch (const EIniFileError&) {
        return 3;
      }
      return 0;
    });
    EXPECT_EQ(status, killed ? 128 + SIGXFSZ : 3);
    EXPECT_EQ(ReadBytes(file), original);
  }
  // Neither the failed nor the killed write leaves a temporary file behind.
  EXPECT_EQ(test::ListFolder(folder.Path()), "a.ini ");
  EXPECT_EQ(TIniFile(file).ReadString("s", "k", ""), "old");
}

TEST_F(IniFileTest, ReplacingKeepsPermissionsAndLinks) {
  WriteBytes(file, "[s]\r\n");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_EQ(::symlink(file.c_str(), (folder / "link.ini").c_str()), 0);
  TIniFile(folder / "link.ini").WriteString("s", "k", "v");
  struct stat st {};
  ASSERT_EQ(::lstat((folder / "link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadBytes(file), "[s]\r\nk=v\r\n");
  EXPECT_EQ(test::ListFolder(folder.Path()), "a.ini link.ini ");
}
