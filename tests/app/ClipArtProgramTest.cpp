// A piece of clip art (tests/data/metafile: curves, paths, a sky shaded in
// bands, a hatched window, a dashed line, text clipped to an ellipse,
// written by libUEMF) as the base image of a batch run: its copy-mode
// buttons saved as PNG and checked against colours and places reckoned from
// how the file was made, and the 16-bit version against libwmf's renderer.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/images/PngCodec.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;
namespace images = kestrova::testing;

namespace {

// Copy mode: each button is the base image with its caption at the top left.
std::string ClipArtProject(const std::string& picture) {
  return "[main]\r\ncutbig=0\r\nFileFormat=3\r\nfontname=DejaVu Sans\r\nfontsize=8\r\nfontcolor=16777215\r\n"
         "image_file=" + picture + "\r\noutputdir=out\r\nForceDirs=1\r\n[captions]\r\nc0=Home\r\nc1=News\r\n";
}

Bitmap RunWith(const TempFolder& folder, const std::string& picture) {
  std::filesystem::copy_file(images::DataPath("metafile/" + picture), folder / picture);
  WriteBytes(folder / "clip.btn", ClipArtProject(picture));
  EXPECT_EQ(RunProgramIn(KESTROVA_PROGRAM, folder.Path(), {"/x", "clip.btn"}, "/dev/null"), 0);
  EXPECT_EQ(ListFolder(folder / "out"), "001_home.png 002_news.png ");
  return DecodePng(images::ReadBytes(folder / "out/001_home.png"));
}

bool Purple(TColor c) { return RedOf(c) > GreenOf(c) + 30 && BlueOf(c) > GreenOf(c) + 30; }

}  // namespace

TEST(ClipArt, TheEnhancedClipArtAsABaseImageDrawsEveryPart) {
  TempFolder folder;
  const Bitmap button = RunWith(folder, "clipart.emf");
  ASSERT_EQ(button.Width(), 200);
  ASSERT_EQ(button.Height(), 160);
  // The sky's first five bands, at the right edge.
  for (int band = 0; band < 5; ++band)
    EXPECT_EQ(button.GetPixel(196, band * 8 + 4), RGBColor(40 + band * 12, 80 + band * 10, 200 + band * 3)) << band;
  const struct {
    const char* part;
    int x, y;
    TColor colour;
  } points[] = {
      {"the sun", 38, 32, RGBColor(255, 220, 0)},
      {"the sun's rim", 38, 14, RGBColor(255, 140, 0)},
      {"the hills under their curve", 60, 140, RGBColor(60, 170, 60)},
      {"the heart's point", 150, 86, RGBColor(220, 30, 40)},
      {"the star's middle, filled by the winding rule", 40, 116, RGBColor(255, 200, 40)},
      {"sky above the hills' curve", 100, 100, RGBColor(40 + 12 * 12, 80 + 12 * 10, 200 + 12 * 3)},
  };
  for (const auto& p : points) EXPECT_EQ(button.GetPixel(p.x, p.y), p.colour) << p.part;
  // The window: the hatch's lines on its background, both inside.
  int lines = 0, cells = 0;
  for (int y = 119; y < 145; ++y)
    for (int x = 87; x < 117; ++x) {
      lines += button.GetPixel(x, y) == RGBColor(90, 60, 30);
      cells += button.GetPixel(x, y) == RGBColor(255, 255, 230);
    }
  EXPECT_GT(lines, 100);
  EXPECT_GT(cells, 400);
  EXPECT_EQ(lines + cells, 30 * 26);
  // The word: plenty of ink, all of it inside the clipping ellipse.
  int ink = 0, outside = 0;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 200; ++x) {
      if (!Purple(button.GetPixel(x, y))) continue;
      ++ink;
      const double u = (x + 0.5 - 130) / 66, v = (y + 0.5 - 62) / 22;
      outside += u * u + v * v > 1.05;
    }
  EXPECT_GT(ink, 600);
  EXPECT_EQ(outside, 0);
  // The dashed line: white dashes with gaps along its first stretch.
  int white = 0;
  for (int x = 121; x < 140; ++x) white += button.GetPixel(x, 150 - (x - 120) / 2) == clWhite;
  EXPECT_GT(white, 5);
  EXPECT_LT(white, 18);
}

TEST(ClipArt, TheSixteenBitClipArtDrawsWhatLibwmfDraws) {
  if (!std::filesystem::exists("/usr/bin/wmf2gd") || !images::HaveImageMagick()) GTEST_SKIP() << "no wmf2gd or convert";
  TempFolder folder;
  const Bitmap button = RunWith(folder, "clipart.wmf");
  const std::string png = folder / "theirs.png";
  const std::string command = "/usr/bin/wmf2gd --maxwidth=200 --maxheight=160 --maxpect -o '" + png + "' '" +
                              images::DataPath("metafile/clipart.wmf") + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const Bitmap theirs = images::DecodeWithImageMagick(png);
  ASSERT_EQ(theirs.Width(), button.Width());
  ASSERT_EQ(theirs.Height(), button.Height());
  // Pixels whose colour libwmf has nowhere within a pixel (by 24 a channel):
  // the edges of shapes and the dashes libwmf draws solid. The caption's
  // corner and the word are left out (libwmf draws text in fonts of its own).
  const auto near = [](TColor a, TColor b) {
    return std::abs(RedOf(a) - RedOf(b)) <= 24 && std::abs(GreenOf(a) - GreenOf(b)) <= 24 &&
           std::abs(BlueOf(a) - BlueOf(b)) <= 24;
  };
  int stray = 0;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 200; ++x) {
      if ((x < 64 && y < 16) || (x >= 60 && y >= 40 && y < 84)) continue;
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy)
        for (int dx = -1; dx <= 1 && !found; ++dx) found = near(button.GetPixel(x, y), theirs.GetPixel(x + dx, y + dy));
      stray += !found;
    }
  EXPECT_LT(stray, 200 * 160 / 100);
}
