#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/PresetFiles.h"
#include "core/files/PresetSetList.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;

namespace {

struct PresetSetList : ::testing::Test {
  PresetSetList() {
    std::filesystem::create_directories(sandbox.Writable(""));
    std::filesystem::create_directories(sandbox.Shared(""));
    PresetSets = {"default=presets-default.ini", "Mine=presets-user1.ini"};
  }
  ~PresetSetList() override { PresetSets.clear(); }
  test::ProgramFolderSandbox sandbox;
};

}  // namespace

TEST_F(PresetSetList, SetNamesAreCheckedAsTheListFileCanHoldThem) {
  const std::pair<const char*, TSetNameCheck> cases[] = {
      {"new", TSetNameCheck::Ok},         {"  new  ", TSetNameCheck::Ok},
      {"a;b", TSetNameCheck::Ok},         {"a]", TSetNameCheck::Ok},
      {"", TSetNameCheck::Empty},         {" \t ", TSetNameCheck::Empty},
      {"mine", TSetNameCheck::InUse},     {" DEFAULT", TSetNameCheck::InUse},
      {"a=b", TSetNameCheck::BadCharacters}, {"[a", TSetNameCheck::BadCharacters},
      {"a[b", TSetNameCheck::BadCharacters}, {" ;a", TSetNameCheck::BadCharacters},
  };
  for (const auto& [name, check] : cases) EXPECT_EQ(CheckSetName(name), check) << name;
}

TEST_F(PresetSetList, ANewSetFileIsNoFileThatExistsOrIsListed) {
  // presets-user1 is listed, 2 is a file of the writable folder, 3 a shipped one.
  test::WriteBytes(sandbox.Writable("presets-user2.ini"), "");
  test::WriteBytes(sandbox.Shared("presets-user3.ini"), "");
  PresetSets.push_back("Other=../kestrova/presets-user4.ini");
  EXPECT_EQ(FreeUserSetFile(), "presets-user5.ini");
  PresetSets.clear();
  EXPECT_EQ(FreeUserSetFile(), "presets-user1.ini");
}

TEST_F(PresetSetList, AChosenFileIsListedByAPathThatLeadsToIt) {
  const std::string writable = sandbox.Writable("");
  const std::pair<std::string, std::string> cases[] = {
      {writable + "a.ini", "a.ini"},
      {writable + "sub/a.ini", "sub/a.ini"},
      {sandbox.Folder() / "config/a.ini", "../a.ini"},
      // Folders whose names differ only in case are two folders here: no relative path by letters alone.
      {sandbox.Folder() / "config/KESTROVA/a.ini", sandbox.Folder() / "config/KESTROVA/a.ini"},
  };
  for (const auto& [path, listed] : cases) EXPECT_EQ(ListedSetFile(path), listed) << path;
}

TEST_F(PresetSetList, AddingAndRemovingChangeTheListOnly) {
  AddPresetSet("x", "x.ini");
  EXPECT_EQ(PresetSets.back(), "x=x.ini");
  EXPECT_FALSE(RemovePresetSet("nothing"));
  EXPECT_TRUE(RemovePresetSet("MINE"));
  EXPECT_EQ(PresetSets, (std::vector<std::string>{"default=presets-default.ini", "x=x.ini"}));
}

TEST_F(PresetSetList, OnlySectionsNamedPresetAreListedWithTheirPositions) {
  test::WriteBytes(sandbox.Writable("s.ini"), "[preset1]\r\na=1\r\n[other]\r\nb=2\r\n[PRESET7]\r\n[presetx]\r\n");
  PresetSets = {"s=s.ini"};
  CurrentPresetSet = "s";
  const std::vector<TPresetSection> presets = CurrentSetPresets();
  ASSERT_EQ(presets.size(), 3u);
  EXPECT_EQ(presets[0].index, 0);
  EXPECT_EQ(presets[1].name, "PRESET7");
  EXPECT_EQ(presets[1].index, 2);
  EXPECT_EQ(presets[2].index, 3);
  ErasePreset("other");
  EXPECT_EQ(test::ReadBytes(sandbox.Writable("s.ini")).find("[other]"), std::string::npos);
  CurrentPresetSet.clear();
  EXPECT_TRUE(CurrentSetPresets().empty());
}
