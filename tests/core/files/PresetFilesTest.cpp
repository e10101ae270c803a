#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/files/ProjectFile.h"
#include "core/support/StrLib.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using kestrova::test::ReadBytes;
using kestrova::test::WriteBytes;

namespace {
using Lines = std::vector<std::string>;

class PresetFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::mkdir((sandbox.Folder() / "config").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(sandbox.Writable("").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(sandbox.Shared("").c_str(), 0755), 0);
    PresetSets = {"default=presets-default.ini", "user=presets-user1.ini"};
    CurrentPresetSet = "user";
  }
  void TearDown() override {
    PresetSets.clear();
    CurrentPresetSet.clear();
  }
  test::ProgramFolderSandbox sandbox;
};

TSettings PresetLook() {
  TSettings s = DefaultSettings();
  s.BNX = 5; s.BNY = 6; s.BNOpacity = 40; s.BNColorBG = 0x101010; s.BNColorFG = 0x202020; s.BNColorBL = 0x303030;
  s.BNColorTR = 0x404040; s.Myblack = 0x050505; s.Mywhite = 0xFAFAFA; s.Angle = 12.5f; s.ExtRadius = 7;
  s.roundmargin = 2; s.smooth = 3; s.Round3DLike = true; s.RoundBtn = true; s.FrameOn = true; s.FrameColor = 0xFF;
  s.FrameWidth = 2; s.FrameRound = true; s.FrameMargin = 1; s.FrameRX = 4; s.FrameRY = 5; s.gradient = true;
  s.horizontal = true; s.twoonly = true; s.gc1 = 0x111111; s.gc2 = 0x222222; s.gc3 = 0x333333; s.radial = true;
  return s;
}
}  // namespace

TEST_F(PresetFilesTest, NextNumberFollowsTheHighestPreset) {
  const std::string file = sandbox.Writable("presets-user1.ini");
  EXPECT_EQ(NextPresetNumber(), 1);  // no file yet
  WriteBytes(file, "[preset1]\r\n[preset7]\r\n[Preset3]\r\n");
  EXPECT_EQ(NextPresetNumber(), 8);
  WriteBytes(file, "[presetX]\r\n[preset2]\r\n");
  EXPECT_EQ(NextPresetNumber(), 3);
  WriteBytes(file, "[main]\r\n[other]\r\n");
  EXPECT_EQ(NextPresetNumber(), 1);
  WriteBytes(file, "[preset1]\r\n[preset2147483647]\r\n");
  EXPECT_EQ(NextPresetNumber(), 2);  // never a number that is taken
}

TEST_F(PresetFilesTest, WrittenPresetHasTheKeysInOrder) {
  const std::string file = sandbox.Writable("presets-user1.ini");
  WriteBytes(file, "[preset4]\r\nextra=keep\r\nBNX=99\r\n");
  WritePreset(PresetLook(), 4);
  EXPECT_EQ(ReadBytes(file),
            "[preset4]\r\nextra=keep\r\nBNX=5\r\nBNY=6\r\nBNOpacity=40\r\nBNColorBG=1052688\r\nBNColorFG=2105376\r\n"
            "BNColorBL=3158064\r\nBNColorTR=4210752\r\nMyblack=328965\r\nMywhite=16448250\r\nAngle=12\r\n"
            "ExtRadius=7\r\nroundmargin=2\r\nsmooth=3\r\nRound3DLike=1\r\nRoundBtn=1\r\nFrameOn=1\r\n"
            "FrameColor=255\r\nFrameWidth=2\r\nFrameRound=1\r\nFrameMargin=1\r\nFrameRX=4\r\nFrameRY=5\r\n"
            "gradient=1\r\nhorizontal=1\r\ntwoonly=1\r\ngc1=1118481\r\ngc2=2236962\r\ngc3=3355443\r\nradial=1\r\n");
  TSettings s = PresetLook();
  s.Angle = 13.5f;
  WritePreset(s, 5);
  EXPECT_EQ(TIniFile(file).ReadString("preset5", "Angle", ""), "14");
}

TEST_F(PresetFilesTest, WriteReadAndCopyAgreeOnTheFields) {
  WritePreset(PresetLook(), 1);
  TSettings other;  // all zero: every preset field differs from PresetLook
  other.captions = "keep\r\n";
  other.outputdir = "/out";
  TSettings read = other, copied = other;
  const TIniFile ini(GetSetFilePath());
  ReadPresetKeys("preset1", &ini, read);
  CopyPresetFields(PresetLook(), copied);
  copied.Angle = 12;  // files hold whole degrees
  EXPECT_EQ(read, copied);
  EXPECT_EQ(read.captions, "keep\r\n");
  EXPECT_EQ(read.outputdir, "/out");
  EXPECT_EQ(read.Angle, 12.0f);
  Lines keys;
  ini.ReadSection("preset1", keys);
  EXPECT_EQ(keys.size(), 29u);
  ReadPresetKeys("preset1", nullptr, other);  // no file: nothing read
  EXPECT_EQ(other.BNX, 0);
}

TEST_F(PresetFilesTest, SetFilesResolve) {
  EXPECT_EQ(GetSetFileName("USER"), "presets-user1.ini");
  EXPECT_EQ(GetSetFilePath(), sandbox.Writable("presets-user1.ini"));
  PresetSets.push_back("abs=/srv/sets/x.ini");
  PresetSets.push_back("rel=../sets/y.ini");
  CurrentPresetSet = "abs";
  EXPECT_EQ(GetSetFilePath(), "/srv/sets/x.ini");
  CurrentPresetSet = "rel";
  // Resolved in the text, so that it holds before the writable folder exists.
  EXPECT_EQ(GetSetFilePath(), sandbox.Folder() / "config/sets/y.ini");
  CurrentPresetSet = "unknown";
  EXPECT_EQ(GetSetFilePath(), sandbox.Writable(""));
  EXPECT_EQ(NextPresetNumber(), 1);
  try {
    WritePreset(PresetLook(), 1);
    FAIL() << "no error";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + sandbox.Writable("") + " (Is a directory)");
  }
}

TEST_F(PresetFilesTest, ShippedDefaultsAreCopiedBeforeTheFirstWrite) {
  WriteBytes(sandbox.Shared("presets-default.ini"), "[preset1]\r\nBNX=9\r\n");
  CurrentPresetSet = "default";
  EXPECT_EQ(GetSetFilePath(), sandbox.Shared("presets-default.ini"));
  EXPECT_EQ(NextPresetNumber(), 2);
  WritePreset(PresetLook(), 2);
  EXPECT_EQ(GetSetFilePath(), sandbox.Writable("presets-default.ini"));
  const TIniFile ini(GetSetFilePath());
  EXPECT_EQ(ini.ReadInteger("preset1", "BNX", 0), 9);
  EXPECT_EQ(ini.ReadInteger("preset2", "BNX", 0), 5);
  EXPECT_EQ(ReadBytes(sandbox.Shared("presets-default.ini")), "[preset1]\r\nBNX=9\r\n");
}
