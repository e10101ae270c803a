// The preset set "default" the program ships: written by the program's own
// preset writer, found through the installed program's resource folders, and
// every preset drawing a base image of its own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/files/ProjectFile.h"
#include "core/support/ProgramFolders.h"
#include "rendering/BaseImageComposer.h"
#include "resources/generator/ResourceArt.h"
#include "tests/install/InstallSupport.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;

namespace {

const std::vector<std::string> kPresetKeys{
    "BNX",         "BNY",     "BNOpacity",  "BNColorBG",  "BNColorFG",  "BNColorBL",   "BNColorTR",   "Myblack",
    "Mywhite",     "Angle",   "ExtRadius",  "roundmargin", "smooth",    "Round3DLike", "RoundBtn",    "FrameOn",
    "FrameColor",  "FrameWidth", "FrameRound", "FrameMargin", "FrameRX", "FrameRY",     "gradient",    "horizontal",
    "twoonly",     "gc1",     "gc2",        "gc3",        "radial"};

std::string ShippedSet() { return test::InstalledResources() + "presets-default.ini"; }

std::vector<std::string> Sections(const std::string& file) {
  std::vector<std::string> sections;
  TIniFile(file).ReadSections(sections);
  return sections;
}

// The preset as the presets dialog previews it, at a size.
Bitmap Preview(const std::string& section, int width, int height) {
  TIniFile ini(ShippedSet());
  TSettings settings;
  ReadPresetKeys(section, &ini, settings);
  settings.newx = width;
  settings.newy = height;
  return ComposeBaseImage(settings);
}

// Mean difference of two pictures of one size, per channel, 0..255.
double MeanDifference(const Bitmap& a, const Bitmap& b) {
  long long sum = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const TColor p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      sum += std::abs(RedOf(p) - RedOf(q)) + std::abs(GreenOf(p) - GreenOf(q)) + std::abs(BlueOf(p) - BlueOf(q));
    }
  }
  return static_cast<double>(sum) / (3.0 * a.Width() * a.Height());
}

}  // namespace

TEST(ShippedPresets, AreExactlyWhatTheGeneratorWritesThroughThePresetWriter) {
  test::TempFolder folder;
  art::WriteDefaultPresets(folder / "presets-default.ini");
  EXPECT_EQ(test::ReadBytes(folder / "presets-default.ini"), test::ReadBytes(test::SourceResources() + "presets-default.ini"))
      << "resources/presets-default.ini is out of date: run kestrova_make_resources resources";
  EXPECT_EQ(test::ReadBytes(ShippedSet()), test::ReadBytes(test::SourceResources() + "presets-default.ini"));
}

TEST(ShippedPresets, EachSectionHoldsThePresetKeysAndNothingElse) {
  const std::vector<std::string> sections = Sections(ShippedSet());
  ASSERT_GE(sections.size(), 12u);
  TIniFile ini(ShippedSet());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    EXPECT_EQ(sections[i], "preset" + std::to_string(i + 1));
    std::vector<std::string> keys;
    ini.ReadSection(sections[i], keys);
    EXPECT_EQ(keys, kPresetKeys) << sections[i];
  }
}

TEST(ShippedPresets, TheDefaultSetIsFoundThroughTheInstalledProgramsFolders) {
  test::ProgramFolderSandbox sandbox;
  SetResourceFolders(ResourceFoldersOf(test::InstalledProgram()));
  PresetSets = {"default=presets-default.ini"};
  CurrentPresetSet = "default";
  EXPECT_EQ(GetSetFilePath(), ShippedSet());
  EXPECT_EQ(NextPresetNumber(), static_cast<int>(Sections(ShippedSet()).size()) + 1);
}

TEST(ShippedPresets, EachDrawsABaseImageAndNoTwoLookAlike) {
  const std::vector<std::string> sections = Sections(ShippedSet());
  // The presets dialog's two preview sizes: wide and square.
  for (const auto [width, height] : {std::pair{120, 32}, std::pair{120, 120}}) {
    std::vector<Bitmap> previews;
    for (const std::string& section : sections) {
      Bitmap preview;
      ASSERT_NO_THROW(preview = Preview(section, width, height)) << section;
      ASSERT_EQ(preview.Width(), width);
      ASSERT_EQ(preview.Height(), height);
      previews.push_back(std::move(preview));
    }
    for (std::size_t i = 0; i < previews.size(); ++i) {
      for (std::size_t j = i + 1; j < previews.size(); ++j) {
        EXPECT_GT(MeanDifference(previews[i], previews[j]), 4.0)
            << sections[i] << " and " << sections[j] << " look alike at " << width << "x" << height;
      }
    }
  }
}

TEST(ShippedPresets, ShowWhatTheRenderersCanDo) {
  int twoColours = 0, threeColours = 0, horizontal = 0, radial = 0, fullBevel = 0, softBevel = 0, roundFrames = 0,
      darkFaces = 0;
  std::set<int> roundAngles, frameWidths;
  TIniFile ini(ShippedSet());
  for (const std::string& section : Sections(ShippedSet())) {
    TSettings s;
    ReadPresetKeys(section, &ini, s);
    if (s.gradient && !s.radial) ++(s.twoonly ? twoColours : threeColours);
    if (s.gradient && s.horizontal && !s.radial) ++horizontal;
    if (s.gradient && s.radial) ++radial;
    if (!s.RoundBtn && s.BNOpacity == 100) ++fullBevel;
    if (!s.RoundBtn && s.BNOpacity > 0 && s.BNOpacity < 100) ++softBevel;
    if (s.RoundBtn && s.Round3DLike) roundAngles.insert(static_cast<int>(s.Angle));
    if (s.FrameOn && s.FrameRound) {
      ++roundFrames;
      frameWidths.insert(s.FrameWidth);
    }
    const Bitmap preview = Preview(section, 120, 32);
    const TColor middle = preview.GetPixel(60, 16);
    if (RedOf(middle) + GreenOf(middle) + BlueOf(middle) < 3 * 80) ++darkFaces;
  }
  EXPECT_GE(twoColours, 1);
  EXPECT_GE(threeColours, 1);
  EXPECT_GE(horizontal, 1);
  EXPECT_GE(radial, 1);
  EXPECT_GE(fullBevel, 1);
  EXPECT_GE(softBevel, 1);
  EXPECT_GE(roundAngles.size(), 3u);
  EXPECT_GE(roundFrames, 2);
  EXPECT_GE(frameWidths.size(), 2u);
  EXPECT_GE(darkFaces, 2);
}
