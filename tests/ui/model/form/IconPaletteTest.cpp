#include <gtest/gtest.h>

#include <filesystem>

#include "core/images/BmpWriter.h"
#include "tests/support/TestFiles.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/lists/IconList.h"

using namespace kestrova;

namespace {

// Writes a bitmap file of one colour into the icon folder.
void WriteIcon(const std::string& path, int w, int h, TColor c = 0x00FF00) {
  Bitmap b(w, h);
  b.Fill(c);
  const std::vector<std::uint8_t> bytes = EncodeBmp(b);
  test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
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
