// The icons of the icon palette the program ships: the generator's pictures,
// decoded alike by ImageMagick and by our readers, on a background that the
// palette's default transparent colour (white) removes without touching the
// icon, and listed by the shipped icon list that a new user's palette reads.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/images/ImageFiles.h"
#include "core/support/ProgramFolders.h"
#include "core/support/TextFiles.h"
#include "resources/generator/ResourceArt.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/install/InstallSupport.h"
#include "tests/support/TestFiles.h"
#include "ui/model/commands/ProjectOpening.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/lists/IconList.h"

using namespace kestrova;
namespace im = kestrova::testing;

namespace {

constexpr TColor kWhite = 0xFFFFFF;

std::vector<std::string> ShippedList() {
  std::vector<std::string> list;
  EXPECT_TRUE(ReadIconList(test::InstalledResources() + "bullets.ini", list));
  return list;
}

Bitmap Read(const std::string& path) {
  Bitmap picture;
  std::string error;
  EXPECT_TRUE(LoadPictureInto(path, &picture, error)) << path << ": " << error;
  return picture;
}

// White pixels that cannot be reached from the border through white ones:
// parts of the icon that a white transparent colour would wrongly remove.
int EnclosedWhitePixels(const Bitmap& icon) {
  const int w = icon.Width(), h = icon.Height();
  std::vector<char> outside(static_cast<std::size_t>(w * h), 0);
  std::vector<std::pair<int, int>> todo;
  const auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h || outside[y * w + x] || icon.GetPixel(x, y) != kWhite) return;
    outside[y * w + x] = 1;
    todo.emplace_back(x, y);
  };
  for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
  for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    visit(x - 1, y), visit(x + 1, y), visit(x, y - 1), visit(x, y + 1);
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) enclosed += icon.GetPixel(x, y) == kWhite && !outside[y * w + x];
  return enclosed;
}

}  // namespace

TEST(PaletteIcons, TheCommittedFilesAreTheGeneratorsPictures) {
  test::TempFolder folder;
  std::filesystem::create_directories(folder / "icons");
  art::WritePaletteIcons(folder.Path());
  EXPECT_EQ(test::ReadBytes(folder / "bullets.ini"), test::ReadBytes(test::SourceResources() + "bullets.ini"))
      << "resources/bullets.ini is out of date: run kestrova_make_resources resources";
  const std::vector<art::PaletteIcon> icons = art::DrawPaletteIcons();
  ASSERT_GE(icons.size(), 8u);
  for (const art::PaletteIcon& icon : icons) {
    for (const char* extension : {".png", ".bmp"}) {
      const std::string committed = test::SourceResources() + "icons/" + icon.stem + extension;
      EXPECT_EQ(Read(committed), icon.picture) << committed << " is out of date: run kestrova_make_resources resources";
    }
  }
}

TEST(PaletteIcons, ImageMagickDecodesEachShippedIconAsOurReadersDo) {
  if (!im::HaveImageMagick()) GTEST_SKIP() << "ImageMagick not installed";
  const std::vector<std::string> list = ShippedList();
  ASSERT_GE(list.size(), 8u);
  for (const std::string& entry : list) {
    ASSERT_TRUE(entry.ends_with(".png")) << entry;
    const std::string png = test::InstalledResources() + entry;
    const std::string bmp = png.substr(0, png.size() - 4) + ".bmp";
    const Bitmap fromPng = im::DecodeWithImageMagick(png);
    EXPECT_EQ(fromPng.Width(), 16) << png;
    EXPECT_EQ(fromPng.Height(), 16) << png;
    EXPECT_TRUE(im::SamePixels(fromPng, im::DecodeWithImageMagick(bmp))) << bmp;
    EXPECT_TRUE(im::SamePixels(fromPng, Read(png))) << png;
    EXPECT_TRUE(im::SamePixels(fromPng, Read(bmp))) << bmp;
    EXPECT_EQ(EnclosedWhitePixels(fromPng), 0) << png;
    EXPECT_EQ(fromPng.GetPixel(0, 0), kWhite) << png << " has no white background";
  }
}

TEST(PaletteIcons, ANewUsersPaletteShowsEveryShippedIcon) {
  test::ProgramFolderSandbox sandbox;
  SetResourceFolders(ResourceFoldersOf(test::InstalledProgram()));
  TForm1 form;
  form.LoadBulletList();
  EXPECT_EQ(form.BulletList, ShippedList());
  form.BuildBulletPalette();
  EXPECT_EQ(form.SB1.ImageCount(), static_cast<int>(form.BulletList.size()));
}

TEST(PaletteIcons, AProjectNamingAShippedIconGetsItOnItsBaseImage) {
  test::ProgramFolderSandbox sandbox;
  SetResourceFolders(ResourceFoldersOf(test::InstalledProgram()));
  TForm1 form;
  form.LoadBulletList();
  form.BuildBulletPalette();
  test::WriteBytes(sandbox.Folder() / "icon.btn",
                   "[main]\r\nnewx=64\r\nnewy=32\r\nBNColorFG=8421504\r\nGlyphFile=icons/star.png\r\n"
                   "GlyphX=8\r\nGlyphY=8\r\nGlyphWidth=16\r\nGlyphHeight=16\r\nIconTransparent=0\r\n");
  OpenProject(form, sandbox.Folder() / "icon.btn");
  const Bitmap& base = form.ImageBase.Picture();
  ASSERT_EQ(base.Width(), 64);
  const Bitmap star = Read(test::InstalledResources() + "icons/star.png");
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) ASSERT_EQ(base.GetPixel(8 + x, 8 + y), star.GetPixel(x, y)) << x << "," << y;
  }
  EXPECT_EQ(base.GetPixel(40, 8), 0x808080u);
}
