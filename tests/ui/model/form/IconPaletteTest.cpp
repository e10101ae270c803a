#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <filesystem>

#include "core/images/BmpWriter.h"
#include "core/support/Messages.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TestFiles.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/lists/IconList.h"
#include "ui/model/lists/IconPictures.h"

using namespace kestrova;

namespace {

// Writes a bitmap file of one colour into the icon folder.
void WriteIcon(const std::string& path, int w, int h, TColor c = 0x00FF00) {
  Bitmap b(w, h);
  b.Fill(c);
  const std::vector<std::uint8_t> bytes = EncodeBmp(b);
  test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

// Writes an RGB PNG file of one colour with libpng, row by row, so that even a
// huge picture takes little memory here (and, all rows alike, little disk).
void WriteOneColourPng(const std::string& path, int w, int h, TColor c) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, 0, PNG_FILTER_UP);
  png_set_compression_level(png, 1);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
  for (int x = 0; x < w; ++x) {
    row[3 * x] = RedOf(c);
    row[3 * x + 1] = GreenOf(c);
    row[3 * x + 2] = BlueOf(c);
  }
  for (int y = 0; y < h; ++y) png_write_row(png, row.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

struct Palette : ::testing::Test {
  Palette() { std::filesystem::create_directories(sandbox.Writable("icons")); }
  std::vector<TPoint> Cells() {
    std::vector<TPoint> cells;
    for (int i = 0; i < form.SB1.ImageCount(); ++i) cells.push_back({form.SB1.Image(i).Left(), form.SB1.Image(i).Top()});
    return cells;
  }
  test::ProgramFolderSandbox sandbox;
  TForm1 form;
};

}  // namespace

TEST_F(Palette, AFailedEntryKeepsItsCellEmpty) {
  WriteIcon(sandbox.Writable("icons/b.bmp"), 16, 16);
  WriteIcon(sandbox.Writable("icons/c.bmp"), 8, 8);
  form.BulletList = {"icons/missing.bmp", "icons/b.bmp", "icons/c.bmp"};
  form.RGBullets.SetItemIndex(1);  // 64 x 64, rebuilds
  ASSERT_EQ(form.SB1.ImageCount(), 2);
  EXPECT_EQ(form.SB1.Image(0).Name(), "BUL1");
  EXPECT_EQ(form.SB1.Image(1).Name(), "BUL2");
  EXPECT_EQ(form.SB1.Image(1).Tag(), 2);
  EXPECT_EQ(Cells(), (std::vector<TPoint>{{68, 2}, {134, 2}}));
  EXPECT_EQ(form.SB1.Image(0).Width(), 64);
  EXPECT_TRUE(form.SB1.Image(0).Stretch());
  EXPECT_EQ(form.SB1.Image(0).Hint(), "16x16\r\nicons/b.bmp");
}

TEST_F(Palette, SmallThumbnailsFillRowsOfSix) {
  WriteIcon(sandbox.Writable("icons/a.bmp"), 4, 4);
  form.BulletList.assign(7, "icons/a.bmp");
  form.BuildBulletPalette();  // 32 x 32 at start
  EXPECT_EQ(Cells(), (std::vector<TPoint>{{2, 2}, {36, 2}, {70, 2}, {104, 2}, {138, 2}, {172, 2}, {2, 36}}));
}

TEST_F(Palette, NaturalSizeIconsStandInOneColumn) {
  WriteIcon(sandbox.Writable("icons/a.bmp"), 10, 16);
  WriteIcon(sandbox.Writable("icons/b.bmp"), 20, 24);
  form.BulletList = {"icons/a.bmp", "icons/b.bmp"};
  form.RGBullets.SetItemIndex(0);
  EXPECT_EQ(Cells(), (std::vector<TPoint>{{2, 2}, {2, 20}}));
  EXPECT_EQ(form.SB1.Image(1).Width(), 20);
  EXPECT_EQ(form.SB1.Image(1).Height(), 24);
}

TEST_F(Palette, SelectingUsingAndRemovingAnIcon) {
  WriteIcon(sandbox.Writable("icons/a.bmp"), 2, 2, 0x0000FF);
  WriteIcon(sandbox.Writable("b.bmp"), 2, 2);
  form.BitBtn1Click({sandbox.Writable("icons/a.bmp"), "  ", sandbox.Writable("b.bmp")});
  EXPECT_EQ(form.BulletList, (std::vector<std::string>{"icons/a.bmp", "b.bmp"}));
  ASSERT_EQ(form.SB1.ImageCount(), 2);

  form.ImageBase.SetPicture(Bitmap(8, 8));
  form.BulletImageClick(form.SB1.Image(0));
  EXPECT_EQ(form.ImageBase.Picture().GetPixel(2, 2), 0u);  // selecting draws nothing
  form.RxSpinEditGlyphW.SetValue(2);
  form.RxSpinEditGlyphH.SetValue(2);
  form.BitBtnBullet.Click();
  EXPECT_EQ(form.ImageBase.Picture().GetPixel(2, 2), 0x0000FFu);

  std::vector<std::string> questions;
  MessageBoxFunction = [&questions](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
    questions.push_back(text);
    return static_cast<int>(mrYes);
  };
  form.BulletImageClick(form.SB1.Image(1));
  form.BitBtn2.Click();
  MessageBoxFunction = nullptr;
  EXPECT_EQ(questions, (std::vector<std::string>{"Remove from list?\r\nb.bmp"}));
  EXPECT_EQ(form.BulletList, (std::vector<std::string>{"icons/a.bmp"}));
  EXPECT_EQ(form.BulletIndex, -1);
  EXPECT_TRUE(form.ImageIcnPrev.Picture().Empty());
  EXPECT_EQ(form.SB1.ImageCount(), 1);
}

// On a first run the writable folder does not exist yet; an icon from
// elsewhere is listed by a path through it ("../../..") and still shows.
TEST(PaletteOnAFirstRun, AnIconFromElsewhereShowsItsThumbnail) {
  test::ProgramFolderSandbox sandbox;  // its writable folder is not made
  test::TempFolder elsewhere;
  WriteIcon(elsewhere / "red.bmp", 4, 4, 0x0000FF);
  TForm1 form;
  form.BitBtn1Click({elsewhere / "red.bmp"});
  ASSERT_FALSE(std::filesystem::exists(sandbox.Writable("")));
  ASSERT_EQ(form.BulletList.size(), 1u);
  EXPECT_TRUE(form.BulletList[0].starts_with("../")) << form.BulletList[0];
  ASSERT_EQ(form.SB1.ImageCount(), 1);
  EXPECT_EQ(form.SB1.Image(0).Picture().GetPixel(0, 0), 0x0000FFu);
  form.BulletImageClick(form.SB1.Image(0));
  EXPECT_EQ(form.ImageIcnPrev.Picture().Width(), 4);
}

TEST_F(Palette, KeepsWhatItShowsAndReadsTheSelectedIconAtFullSize) {
  // An icon of 100 x 60, left half blue, right half red.
  Bitmap wide(100, 60);
  wide.Fill(0xFF0000);
  for (int y = 0; y < 60; ++y)
    for (int x = 50; x < 100; ++x) wide.SetPixel(x, y, 0x0000FF);
  const std::vector<std::uint8_t> bytes = EncodeBmp(wide);
  test::WriteBytes(sandbox.Writable("icons/wide.bmp"), std::string(bytes.begin(), bytes.end()));
  WriteIcon(sandbox.Writable("icons/small.bmp"), 20, 12);
  form.BulletList = {"icons/wide.bmp", "icons/small.bmp"};
  const auto kept = [this](int i) {
    const Bitmap& b = form.SB1.Image(i).Picture();
    return TSize{b.Width(), b.Height()};
  };
  form.BuildBulletPalette();  // 32 x 32
  ASSERT_EQ(form.SB1.ImageCount(), 2);
  EXPECT_EQ(kept(0), (TSize{32, 32}));
  EXPECT_EQ(kept(1), (TSize{20, 12}));  // small enough to keep as it is
  EXPECT_EQ(form.SB1.Image(0).Hint(), "100x60\r\nicons/wide.bmp");
  form.RGBullets.SetItemIndex(1);
  EXPECT_EQ(kept(0), (TSize{64, 64}));
  form.RGBullets.SetItemIndex(0);
  EXPECT_EQ(kept(0), (TSize{100, 60}));  // natural size shows it all
  form.RGBullets.SetItemIndex(2);

  form.BulletImageClick(form.SB1.Image(0));
  EXPECT_EQ(form.ImageIcnPrev.Picture(), wide);
  // Use draws the whole icon: at its own size every pixel is the icon's.
  form.ImageBase.SetPicture(Bitmap(120, 80));
  form.RxSpinEditGlyphX.SetValue(0);
  form.RxSpinEditGlyphY.SetValue(0);
  form.RxSpinEditGlyphW.SetValue(100);
  form.RxSpinEditGlyphH.SetValue(60);
  form.BitBtnBullet.Click();
  for (int x : {0, 49, 50, 99}) EXPECT_EQ(form.ImageBase.Picture().GetPixel(x, 30), wide.GetPixel(x, 30)) << x;
}

TEST_F(Palette, AnIconTooLargeToUseIsRefusedWithAMessageAndNeverLoaded) {
  WriteOneColourPng(sandbox.Writable("icons/huge.png"), kMaxIconSide + 1, 2, 0x00FF00);
  WriteOneColourPng(sandbox.Writable("icons/edge.png"), kMaxIconSide, 1, 0x00FF00);
  std::vector<std::string> messages;
  MessageBoxFunction = [&messages](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
    messages.push_back(text);
    return static_cast<int>(mrOk);
  };
  form.BitBtn1Click({sandbox.Writable("icons/huge.png"), sandbox.Writable("icons/edge.png")});
  EXPECT_EQ(messages, (std::vector<std::string>{"Icon too large to use: 4097 x 2 pixels (at most 4096 x 4096).\r\n" +
                                                sandbox.Writable("icons/huge.png")}));
  EXPECT_EQ(form.BulletList, (std::vector<std::string>{"icons/edge.png"}));
  // One listed already (bullets.ini) gets no cell, as a file that cannot be read.
  form.BulletList = {"icons/huge.png", "icons/edge.png"};
  form.BuildBulletPalette();
  ASSERT_EQ(form.SB1.ImageCount(), 1);
  EXPECT_EQ(form.SB1.Image(0).Name(), "BUL1");
  // A project naming it opens without it.
  form.CurrentSettings.GlyphFile = "icons/huge.png";
  form.SettingsToControls();
  EXPECT_TRUE(form.ImageIcnPrev.Picture().Empty());
  EXPECT_EQ(messages.size(), 1u);
  MessageBoxFunction = nullptr;
}

TEST_F(Palette, HugeIconsInTheListCostNoMemoryAtStartUp) {
  // A 16384 x 16384 picture of one colour (768 MiB as a bitmap, about 3 MiB as
  // a file), listed eight times beside a small icon: the palette is built, and
  // the small icon shown, within 512 MiB.
  WriteOneColourPng(sandbox.Writable("icons/huge.png"), 16384, 16384, 0x336699);
  WriteIcon(sandbox.Writable("icons/small.bmp"), 16, 16);
  std::string list;
  for (int i = 0; i < 8; ++i) list += "icons/huge.png\r\n";
  test::WriteBytes(sandbox.Writable("bullets.ini"), list + "icons/small.bmp\r\n");
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  EXPECT_EXIT(
      {
        test::LimitAddressSpaceGrowth(std::int64_t{512} << 20);
        form.FormShow();
        const bool onlySmall = form.SB1.ImageCount() == 1 && form.SB1.Image(0).Name() == "BUL8";
        std::_Exit(form.BulletList.size() == 9 && onlySmall ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
