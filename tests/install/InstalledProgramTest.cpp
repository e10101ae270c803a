// The installed program, started from the prefix in batch mode, with projects
// that use what it ships: a look of the preset set "default" and a palette
// icon as the base image. Its output is decoded by ImageMagick.

#include <gtest/gtest.h>

#include <string>

#include "core/files/IniFile.h"
#include "core/files/ProjectFile.h"
#include "rendering/BaseImageComposer.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/install/InstallSupport.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
namespace im = kestrova::testing;

namespace {

// The [main] lines of a preset of the shipped set, as a project holds them.
std::string PresetLines(const std::string& section) {
  TIniFile ini(test::InstalledResources() + "presets-default.ini");
  std::vector<std::string> lines;
  ini.ReadSectionValues(section, lines);
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

int RunInstalled(const test::TempFolder& folder, const std::string& project) {
  return test::RunProgramIn(test::InstalledProgram(), folder.Path(), {"/x", project});
}

}  // namespace

TEST(InstalledProgram, DrawsAShippedPresetInABatchRun) {
  if (!im::HaveImageMagick()) GTEST_SKIP() << "ImageMagick not installed";
  test::TempFolder folder;
  test::WriteBytes(folder / "round.btn",
                   "[main]\r\nnewx=120\r\nnewy=32\r\nFileFormat=3\r\noutputdir=out\r\nForceDirs=1\r\n"
                   "fontname=DejaVu Sans\r\nfontsize=8\r\ntextalign=1\r\ntextyalign=1\r\n" +
                       PresetLines("preset8") + "[captions]\r\nc0=Home\r\nc1=Contact\r\n");
  ASSERT_EQ(RunInstalled(folder, "round.btn"), 0) << test::ReadBytes(folder / "kestro_shell_run.log");
  EXPECT_EQ(test::ListFolder(folder / "out"), "001_home.png 002_contact.png ");

  TIniFile ini(test::InstalledResources() + "presets-default.ini");
  TSettings look;
  ReadPresetKeys("preset8", &ini, look);
  look.newx = 120;
  look.newy = 32;
  const Bitmap base = ComposeBaseImage(look);
  const Bitmap button = im::DecodeWithImageMagick(folder / "out/001_home.png");
  ASSERT_EQ(button.Width(), 120);
  ASSERT_EQ(button.Height(), 32);
  // The caption stands in the middle; the rows above and below it are the preset's picture.
  for (int y : {0, 1, 2, 29, 30, 31}) {
    for (int x = 0; x < 120; ++x) ASSERT_EQ(button.GetPixel(x, y), base.GetPixel(x, y)) << x << "," << y;
  }
  EXPECT_NE(button, base);
}

TEST(InstalledProgram, UsesAShippedIconAsABaseImage) {
  if (!im::HaveImageMagick()) GTEST_SKIP() << "ImageMagick not installed";
  test::TempFolder folder;
  const std::string icon = test::InstalledResources() + "icons/arrow-right.png";
  // One caption of a blank only: the button is the base image as it was read.
  test::WriteBytes(folder / "icon.btn", "[main]\r\nimage_file=" + icon + "\r\nFileFormat=0\r\n[captions]\r\nc0= \r\n");
  ASSERT_EQ(RunInstalled(folder, "icon.btn"), 0) << test::ReadBytes(folder / "kestro_shell_run.log");
  EXPECT_TRUE(im::SamePixels(im::DecodeWithImageMagick(icon), im::DecodeWithImageMagick(folder / "001_unnamed.bmp")));
}
