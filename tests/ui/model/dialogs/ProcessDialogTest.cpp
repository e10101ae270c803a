#include <gtest/gtest.h>

#include "core/support/Messages.h"
#include "rendering/Canvas.h"
#include "ui/model/dialogs/ProcessDialog.h"

using namespace kestrova;

namespace {

// A 100 x 40 picture with a different colour in every pixel.
Bitmap Pattern(int w = 100, int h = 40) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<TColor>((x * 2) | ((y * 5) << 8) | ((x ^ y) << 16)));
  }
  return b;
}

struct ProcessDialog : ::testing::Test {
  ProcessDialog() {
    MessageBoxFunction = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
      messages.push_back(text);
      return static_cast<int>(mrOk);
    };
    form.ImageBase.SetPicture(Pattern());
    form.CurrentSettings.image_file = "base.png";
  }
  ~ProcessDialog() override { MessageBoxFunction = nullptr; }
  void ResizeTo(int w, int h) {
    dialog.RxSpinEditRX.SetValue(w);
    dialog.RxSpinEditRY.SetValue(h);
    dialog.BitBtnResize.Click();
  }

  TForm1 form;
  TProcessForm dialog{form};
  std::vector<std::string> messages;
};

}  // namespace

TEST_F(ProcessDialog, OpensOnACopyOfTheBaseImageWithItsSize) {
  dialog.FormShow();
  EXPECT_EQ(dialog.Caption(), "Image processing");
  EXPECT_EQ(dialog.BitBtnResize.Caption(), "&Resize");
  EXPECT_EQ(dialog.Label2.Caption(), "New size");
  EXPECT_EQ(dialog.RxSpinEditRX.Value(), 100);
  EXPECT_EQ(dialog.RxSpinEditRY.Value(), 40);
  EXPECT_EQ(dialog.RxSpinEditRX.MaxValue(), 32768);
  EXPECT_EQ(dialog.RxSpinEditRY.MinValue(), 1);
  EXPECT_TRUE(dialog.Img1.Picture() == form.ImageBase.Picture());
  EXPECT_EQ(dialog.StatusBar1.PanelText(0), " Image info: size: 100x40 x 24 bit\r\n filename: base.png");
  LangIndex = lgPolish;
  dialog.FormShow();
  LangIndex = lgEnglish;
  EXPECT_EQ(dialog.BitBtnU.Caption(), "&Użyj");
}

TEST_F(ProcessDialog, EveryResizeStartsFromTheBaseImage) {
  dialog.FormShow();
  ResizeTo(200, 80);
  const Bitmap direct = dialog.Img1.Picture();
  ResizeTo(50, 20);
  EXPECT_EQ(dialog.Img1.Width(), 50);
  EXPECT_EQ(dialog.StatusBar1.PanelText(0), " Image info: size: 50x20 x 24 bit\r\n filename: base.png");
  ResizeTo(200, 80);
  EXPECT_TRUE(dialog.Img1.Picture() == direct);
  // Doubling repeats each pixel of the base image.
  EXPECT_EQ(direct.GetPixel(13, 9), form.ImageBase.Picture().GetPixel(6, 4));
  ResizeTo(100, 40);
  EXPECT_TRUE(dialog.Img1.Picture() == form.ImageBase.Picture());
}

TEST_F(ProcessDialog, UseReplacesTheBaseImageAndCloseLeavesIt) {
  dialog.FormShow();
  ResizeTo(30, 12);
  dialog.BitBtnC.Click();
  EXPECT_EQ(dialog.ModalResult(), mrCancel);
  EXPECT_EQ(form.ImageBase.Picture().Width(), 100);
  dialog.FormShow();  // the next opening starts from the base image again
  EXPECT_EQ(dialog.RxSpinEditRX.Value(), 100);
  EXPECT_EQ(dialog.ModalResult(), mrNone);
  ResizeTo(30, 12);
  dialog.BitBtnU.Click();
  EXPECT_EQ(dialog.ModalResult(), mrOk);
  EXPECT_EQ(form.ImageBase.Picture().Width(), 30);
  EXPECT_EQ(form.ImageBase.Picture().Height(), 12);
  EXPECT_EQ(form.CurrentSettings.image_file, "base.png");
  form.UpdateImageInfo();
  EXPECT_EQ(form.LabelInfo.Caption(), " Image info: size: 30x12 x 24 bit\r\n filename: base.png");
}

TEST_F(ProcessDialog, ASizeTheBitmapCannotHaveIsReportedAndChangesNothing) {
  dialog.FormShow();
  ResizeTo(40, 10);
  const Bitmap before = dialog.Img1.Picture();
  ResizeTo(32768, 32768);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "The image cannot be resized to 32768 x 32768:\r\nImage too large");
  EXPECT_TRUE(dialog.Img1.Picture() == before);
  EXPECT_EQ(form.ImageBase.Picture().Width(), 100);
  EXPECT_EQ(dialog.StatusBar1.PanelText(0), " Image info: size: 40x10 x 24 bit\r\n filename: base.png");
}

TEST(StretchedCopy, KeepsThePixelFormatAndPaletteOfTheSource) {
  Bitmap indexed(4, 2, PixelFormat::pf8bit);
  indexed.SetPalette({0x000000, 0x0000FF, 0x00FF00});
  indexed.SetPixel(1, 0, 0x0000FF);
  indexed.SetPixel(2, 1, 0x00FF00);
  const Bitmap doubled = StretchedCopy(indexed, 8, 4);
  EXPECT_EQ(doubled.Format(), PixelFormat::pf8bit);
  EXPECT_EQ(doubled.Palette(), indexed.Palette());
  EXPECT_EQ(doubled.GetPixel(3, 1), 0x0000FFu);
  EXPECT_EQ(doubled.GetPixel(5, 3), 0x00FF00u);
  EXPECT_EQ(StretchedCopy(Bitmap(), 3, 2).GetPixel(2, 1), 0xFFFFFFu);
  for (PixelFormat f : {PixelFormat::pf15bit, PixelFormat::pf16bit}) {
    Bitmap words(2, 1, f);
    words.SetRawPixel(1, 0, 0x4210);
    const Bitmap wider = StretchedCopy(words, 4, 1);
    EXPECT_EQ(wider.Format(), f);
    EXPECT_EQ(wider.RawPixel(2, 0), 0x4210u);
    EXPECT_EQ(wider.RawPixel(3, 0), 0x4210u);
  }
}
