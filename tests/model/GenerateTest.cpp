#include <gtest/gtest.h>

#include "ui/model/Generate.h"
#include "ui/model/MainForm.h"

using namespace kestrova;

namespace {

// A window with a 96 x 32 base image, a small caption font and no post effect.
class GenerateTest : public ::testing::Test {
 protected:
  GenerateTest() {
    Bitmap base(96, 32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 96; ++x) base.SetPixel(x, y, RGBColor(x, y * 4, 0x80));
    form.ImageBase.SetPicture(std::move(base));
    form.MemoTxt.SetFont(TFont{"DejaVu Sans", 9, fsBold, 1, clBlack, fqDefault});
    form.MemoTxt.SetText("one\r\ntwo\r\nthree\r\nfour\r\nfive");
    form.CurrentSettings.postBNopacity = 0;
    MessageBoxFunction = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
      messages.push_back(text);
      return static_cast<int>(mrOk);
    };
  }
  ~GenerateTest() override { MessageBoxFunction = nullptr; }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < form.ScrollBox2.ImageCount(); ++i) names.push_back(form.ScrollBox2.Image(i).Name());
    return names;
  }

  void ExpectFailure(const std::string& messageStart) {
    EXPECT_FALSE(GenerateButtons(form));
    EXPECT_TRUE(form.ScrollBox2.Empty());
    EXPECT_TRUE(form.MapRects.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, messageStart.size()), messageStart);
  }

  TForm1 form;
  std::vector<std::string> messages;
};

}  // namespace

TEST_F(GenerateTest, OnePreviewPerButtonWithItsCaptionAsHint) {
  form.RxSpinEditRPB.SetValue(2);
  form.CBSpacing.SetChecked(true);
  EXPECT_EQ(CaptionLineCount(form), 5);
  EXPECT_EQ(ButtonCount(form), 3);
  EXPECT_EQ(OutputFileCount(form), 3);
  ASSERT_TRUE(GenerateButtons(form));
  EXPECT_EQ(Names(), (std::vector<std::string>{"newbutton0", "newbutton1", "newbutton2"}));
  const TImage& last = form.ScrollBox2.Image(2);
  EXPECT_EQ(form.ScrollBox2.Image(0).Hint(), "one\r\ntwo");
  EXPECT_EQ(last.Hint(), "five");
  EXPECT_TRUE(last.ShowHint());
  EXPECT_EQ(last.PopupMenu(), "BtnOnPopup");
  EXPECT_EQ(last.Picture().Width(), 96);
  EXPECT_EQ(last.Top(), 68);  // laid out in a column with 2 pixels of spacing
  EXPECT_EQ(last.Height(), 32);
  EXPECT_TRUE(form.MapRects.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(GenerateTest, MatrixCutTakesTilesRowByRow) {
  form.MemoTxt.SetText("\r\n\r\n\r\n\r\n\r\n");
  form.cbCut.SetChecked(true);
  form.RGCutMode.SetItemIndex(2);
  form.RxSpinEditMX.SetValue(3);
  form.RxSpinEditCutX.SetValue(32);
  form.RxSpinEditCutY.SetValue(16);
  ASSERT_TRUE(GenerateButtons(form));
  const Bitmap& tile4 = form.ScrollBox2.FindImage("newbutton4")->Picture();
  EXPECT_EQ(tile4.Width(), 32);
  EXPECT_EQ(tile4.GetPixel(8, 8), form.ImageBase.Picture().GetPixel(32 + 8, 16 + 8));
}

TEST_F(GenerateTest, AllInOneImageInAGrid) {
  form.CurrentSettings.postBNopacity = 40;
  form.CurrentSettings.postBNx = form.CurrentSettings.postBNy = 2;
  ASSERT_TRUE(GenerateButtons(form));
  const Bitmap button4 = form.ScrollBox2.Image(4).Picture();
  form.ClearPreviews();

  form.RGImgPerBtn.SetItemIndex(1);
  form.RGDisplay.SetItemIndex(2);
  form.RxSpinEditMX.SetValue(2);
  form.RxSpinEditMarSize.SetValue(4);
  form.RxSpinEditGapSize.SetValue(2);
  form.ColorBitBtnBK.SetGlyphColor(0x00FF00);
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(Names(), std::vector<std::string>{"allinone0"});
  const TImage& joined = form.ScrollBox2.Image(0);
  EXPECT_EQ(joined.Hint(), "all in one image");
  EXPECT_EQ(joined.Width(), 202);
  EXPECT_EQ(joined.Height(), 108);
  ASSERT_EQ(form.MapRects.size(), 5u);
  EXPECT_EQ(form.MapRects[4], "4,72,100,104");
  EXPECT_EQ(form.MapRects[1], "102,4,198,36");
  for (int y = 0; y < 32; y += 7)
    for (int x = 0; x < 96; x += 5) ASSERT_EQ(joined.Picture().GetPixel(4 + x, 72 + y), button4.GetPixel(x, y));
  EXPECT_EQ(joined.Picture().GetPixel(150, 90), 0x00FF00u);  // the empty sixth cell
}

TEST_F(GenerateTest, NButtonsPerImage) {
  form.RGImgPerBtn.SetItemIndex(2);
  form.RxSpinEditBtnPerImg.SetValue(2);
  form.ColorBitBtnBK.SetGlyphColor(0x123456);
  EXPECT_EQ(OutputFileCount(form), 3);
  ASSERT_TRUE(GenerateButtons(form));
  EXPECT_EQ(Names(), (std::vector<std::string>{"muxbutton0", "muxbutton1", "muxbutton2"}));
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(form.ScrollBox2.Image(k).Picture().Width(), 96);
    EXPECT_EQ(form.ScrollBox2.Image(k).Picture().Height(), 64);
    EXPECT_EQ(form.ScrollBox2.Image(k).Hint(), "image " + std::to_string(k + 1));
  }
  const Bitmap& third = form.ScrollBox2.Image(2).Picture();
  EXPECT_EQ(third.GetPixel(0, 40), 0x123456u);
  EXPECT_EQ(third.GetPixel(95, 63), 0x123456u);
  EXPECT_NE(third.GetPixel(0, 0), 0x123456u);
  EXPECT_EQ(form.MapRects, (std::vector<std::string>{"0,0,96,32", "0,32,96,64", "0,0,96,32", "0,32,96,64",
                                                     "0,0,96,32"}));
}

TEST_F(GenerateTest, NoCaptionsGiveAnEmptyAllInOneImageAndNoPerImageImages) {
  form.MemoTxt.SetText("");
  form.RGImgPerBtn.SetItemIndex(1);
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(Names(), std::vector<std::string>{"allinone0"});
  EXPECT_TRUE(form.ScrollBox2.Image(0).Picture().Empty());
  form.ClearPreviews();
  form.RGImgPerBtn.SetItemIndex(2);
  ASSERT_TRUE(GenerateButtons(form));
  EXPECT_TRUE(form.ScrollBox2.Empty());
  EXPECT_TRUE(form.MapRects.empty());
}

TEST_F(GenerateTest, LongCaptionsAndManyLinesAreGenerated) {
  form.ImageBase.SetPicture(Bitmap(8, 4));
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "line" + std::to_string(i) + "\r\n";
  form.MemoTxt.SetText(text + std::string(5000, 'W'));
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 10001);
  EXPECT_EQ(form.ScrollBox2.Image(9999).Hint(), "line9999");
  EXPECT_EQ(form.ScrollBox2.Image(10000).Hint().size(), 5000u);
}

TEST_F(GenerateTest, FailuresAreReportedAndLeaveNothingBehind) {
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 100000, 0, 1, clBlack, fqDefault});
  ExpectFailure("Error generating buttons: the caption font \"DejaVu Sans\" cannot be used: ");
}

TEST_F(GenerateTest, CutRectangleOutsideTheBaseImageIsAnError) {
  form.cbCut.SetChecked(true);
  form.RxSpinEditCutX.SetValue(96);
  form.RxSpinEditCutY.SetValue(32);
  form.RxSpinEditCutY0.SetValue(9000);
  ExpectFailure("Error generating buttons: The cut rectangle of button 1 (0,9000,96,9032) lies outside");
}

TEST_F(GenerateTest, JoinedImageOverTheBitmapLimitIsAnError) {
  // 300 buttons of 1 x 9999 in a row with gaps of 99: 30099 x 10197 pixels.
  form.ImageBase.SetPicture(Bitmap(1, 9999));
  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "x\r\n";
  form.MemoTxt.SetText(lines);
  form.RGImgPerBtn.SetItemIndex(1);
  form.RGDisplay.SetItemIndex(1);
  form.RxSpinEditGapSize.SetValue(99);
  form.RxSpinEditMarSize.SetValue(99);
  ExpectFailure("Error generating buttons: The joined image would be 30099 x 10197 pixels");
}

TEST_F(GenerateTest, MissingBaseImageIsAnError) {
  form.ImageBase.ClearPicture();
  ExpectFailure("Error generating buttons: There is no base image.");
}
