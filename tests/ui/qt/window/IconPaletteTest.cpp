#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "core/images/BmpWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/widgets/ImageBoxView.h"

using namespace kestrova;

namespace {

// An icon file: a square of `inner` on a border of white.
void WriteIcon(const std::string& path, int size, TColor inner) {
  Bitmap b(size, size);
  b.Fill(0xFFFFFF);
  for (int y = 1; y + 1 < size; ++y) {
    for (int x = 1; x + 1 < size; ++x) b.SetPixel(x, y, inner);
  }
  const std::vector<std::uint8_t> bytes = EncodeBmp(b);
  test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

struct IconPalette : ::testing::Test {
  IconPalette() {
    std::filesystem::create_directories(sandbox.Writable("icons"));
    WriteIcon(sandbox.Writable("icons/red.bmp"), 8, 0x0000FF);
    WriteIcon(sandbox.Writable("icons/blue.bmp"), 8, 0xFF0000);
    w.emplace();
    w->Find<QTabWidget>("PageControl1")->setCurrentWidget(w->Find<QWidget>("TabSheetIcn"));
    palette = w->Find<qt::ImageBoxView>("SB1");
  }
  TForm1& Form() { return w->Form(); }
  QPushButton* Button(const char* name) { return w->Find<QPushButton>(name); }
  void ClickThumbnail(int i) {
    palette->Sync();
    const TImage& image = Form().SB1.Image(i);
    QTest::mouseClick(palette->viewport(), Qt::LeftButton, {}, QPoint(image.Left() + 3, image.Top() + 3));
  }
  void ChooseSize(const char* item) {
    for (QRadioButton* radio : w->Find<QGroupBox>("RGBullets")->findChildren<QRadioButton*>()) {
      if (radio->text() == item) QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
    }
  }
  void AddBoth() {
    w->answers.files = {sandbox.Writable("icons/red.bmp"), sandbox.Writable("icons/blue.bmp")};
    QTest::mouseClick(Button("BitBtn1"), Qt::LeftButton);
  }

  test::ProgramFolderSandbox sandbox;
  std::optional<test::TestWindow> w;
  qt::ImageBoxView* palette = nullptr;
};

}  // namespace

TEST_F(IconPalette, AddOpensThePictureDialogForSeveralFiles) {
  w->answers.files.clear();
  QTest::mouseClick(Button("BitBtn1"), Qt::LeftButton);
  ASSERT_EQ(w->answers.fileDialogDetails.size(), 1u);
  EXPECT_TRUE(w->answers.fileDialogDetails[0].starts_with("Open base button image... | Image Files (*.jpg"));
  EXPECT_TRUE(w->answers.fileDialogDetails[0].ends_with(" | multiple"));
  EXPECT_TRUE(Form().BulletList.empty());
  AddBoth();
  EXPECT_EQ(Form().BulletList, (std::vector<std::string>{"icons/red.bmp", "icons/blue.bmp"}));
  ASSERT_EQ(Form().SB1.ImageCount(), 2);
  EXPECT_EQ(palette->ContentSize(), QSize(68, 34));  // two 32-pixel thumbnails in a row
}

TEST_F(IconPalette, TheSizeButtonsRebuildTheThumbnails) {
  AddBoth();
  const std::pair<const char*, QSize> cases[] = {{"64x64", {132, 66}}, {"1:1", {10, 20}}, {"32x32", {68, 34}}};
  for (const auto& [item, content] : cases) {
    ChooseSize(item);
    EXPECT_EQ(palette->ContentSize(), content) << item;
  }
}

TEST_F(IconPalette, AClickOrTheKeysSelectAndUseDrawsOpaqueOrKeyed) {
  AddBoth();
  Bitmap base(20, 20);
  base.Fill(0x00FF00);
  Form().ImageBase.SetPicture(base);
  ClickThumbnail(1);
  EXPECT_EQ(Form().BulletIndex, 1);
  // From the keyboard the arrows walk the icons and Space or Enter selects one.
  QTest::keyClick(palette, Qt::Key_Left);
  QTest::keyClick(palette, Qt::Key_Space);
  EXPECT_EQ(Form().BulletIndex, 0);
  QTest::keyClick(palette, Qt::Key_Right);
  QTest::keyClick(palette, Qt::Key_Return);
  EXPECT_EQ(Form().BulletIndex, 1);
  EXPECT_EQ(Form().ImageIcnPrev.Picture().GetPixel(3, 3), 0xFF0000u);
  EXPECT_EQ(Form().ImageBase.Picture().GetPixel(3, 3), 0x00FF00u);  // selecting draws nothing
  Form().Timer1Timer();
  ASSERT_TRUE(Button("BitBtnBullet")->isEnabled());

  // Opaque, at (2, 2) and 8 x 8: the white border replaces the base image too.
  w->Find<QSpinBox>("RxSpinEditGlyphW")->setValue(8);
  w->Find<QSpinBox>("RxSpinEditGlyphH")->setValue(8);
  QTest::mouseClick(Button("BitBtnBullet"), Qt::LeftButton);
  EXPECT_EQ(Form().ImageBase.Picture().GetPixel(2, 2), 0xFFFFFFu);
  EXPECT_EQ(Form().ImageBase.Picture().GetPixel(4, 4), 0xFF0000u);

  // Keyed on white, the red icon at (10, 10): its border leaves the base image as it was.
  ClickThumbnail(0);
  w->Find<QSpinBox>("RxSpinEditGlyphX")->setValue(10);
  w->Find<QSpinBox>("RxSpinEditGlyphY")->setValue(10);
  w->Find<QCheckBox>("cbIcoTRans")->click();
  QTest::mouseClick(Button("BitBtnBullet"), Qt::LeftButton);
  EXPECT_EQ(Form().ImageBase.Picture().GetPixel(10, 10), 0x00FF00u);
  EXPECT_EQ(Form().ImageBase.Picture().GetPixel(12, 12), 0x0000FFu);
  EXPECT_EQ(Form().ImageBase.Picture().GetPixel(17, 17), 0x00FF00u);
}

TEST_F(IconPalette, RemoveAsksAndClearsTheSelection) {
  AddBoth();
  QTest::mouseClick(Button("BitBtn2"), Qt::LeftButton);  // nothing selected: nothing asked
  EXPECT_TRUE(w->answers.messages.empty());
  ClickThumbnail(0);
  w->answers.messageAnswer = mrNo;
  QTest::mouseClick(Button("BitBtn2"), Qt::LeftButton);
  EXPECT_EQ(Form().BulletList.size(), 2u);
  w->answers.messageAnswer = mrYes;
  QTest::mouseClick(Button("BitBtn2"), Qt::LeftButton);
  EXPECT_EQ(w->answers.messages, (std::vector<std::string>(2, "Remove from list?\r\nicons/red.bmp")));
  EXPECT_EQ(Form().BulletList, (std::vector<std::string>{"icons/blue.bmp"}));
  EXPECT_EQ(Form().BulletIndex, -1);
  EXPECT_TRUE(Form().ImageIcnPrev.Picture().Empty());
  EXPECT_EQ(palette->ContentSize(), QSize(34, 34));
}
