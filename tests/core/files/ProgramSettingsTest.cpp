#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/files/ProgramSettings.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using kestrova::test::ReadBytes;
using kestrova::test::WriteBytes;

namespace {
using Lines = std::vector<std::string>;

class ProgramSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::mkdir((sandbox.Folder() / "config").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(sandbox.Writable("").c_str(), 0755), 0);
  }
  void TearDown() override {
    PresetSets.clear();
    CurrentPresetSet.clear();
  }
  test::ProgramFolderSandbox sandbox;
  std::string ini = sandbox.Writable("kestro.ini");
};
}  // namespace

TEST_F(ProgramSettingsTest, NoFileGivesTheDefaultSets) {
  EXPECT_TRUE(LoadProgramSettings().empty());
  EXPECT_EQ(PresetSets, (Lines{"default=presets-default.ini"}));
  EXPECT_EQ(CurrentPresetSet, "default");
  WriteBytes(sandbox.Writable("presets.ini"), "");
  LoadProgramSettings();
  EXPECT_EQ(PresetSets, (Lines{"default=presets-default.ini", "old=presets.ini"}));
}

TEST_F(ProgramSettingsTest, ListsKeepTheFileOrder) {
  WriteBytes(ini, "[recent]\r\n2=C:\\p\\second.btn\r\n1=/p/first.btn\r\n[preset-sets]\r\nb=b.ini\r\na=sets\\a.ini\r\n");
  EXPECT_EQ(LoadProgramSettings(), (Lines{"C:/p/second.btn", "/p/first.btn"}));
  EXPECT_EQ(PresetSets, (Lines{"b=b.ini", "a=sets/a.ini"}));
  EXPECT_EQ(CurrentPresetSet, "b");
}

TEST_F(ProgramSettingsTest, SavingLeavesLongerRecentListsAndDropsRemovedSets) {
  WriteBytes(ini, "[recent]\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n[preset-sets]\r\nx=x.ini\r\ny=y.ini\r\n");
  LoadProgramSettings();
  PresetSets = {"y=y.ini", "z=presets-user2.ini"};
  SaveProgramSettings({"n1", "n2", "n3"});
  EXPECT_EQ(ReadBytes(ini),
            "[recent]\r\n1=n1\r\n2=n2\r\n3=n3\r\n4=d\r\n5=e\r\n[preset-sets]\r\ny=y.ini\r\nz=presets-user2.ini\r\n");
  EXPECT_EQ(LoadProgramSettings(), (Lines{"n1", "n2", "n3", "d", "e"}));
  EXPECT_EQ(CurrentPresetSet, "y");
}

TEST_F(ProgramSettingsTest, UnwritableFolderIsReported) {
  ASSERT_EQ(::rmdir(sandbox.Writable("").c_str()), 0);
  ASSERT_EQ(::rmdir((sandbox.Folder() / "config").c_str()), 0);
  WriteBytes(sandbox.Folder() / "config", "not a folder");
  PresetSets = {"default=presets-default.ini"};
  try {
    SaveProgramSettings({"a"});
    FAIL() << "no error";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini + " (Not a directory)");
  }
}
