#include <gtest/gtest.h>

#include "ui/model/commands/Generate.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;

namespace {

// A window with a 96 x 32 base image, five caption lines, a small font and no post effect.
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

  const TImage& Preview(int i) { return form.ScrollBox2.Image(i); }

  void ExpectFailure(const std::string& messageStart) {
    EXPECT_FALSE(GenerateButtons(form));
    EXPECT_TRUE(form.ScrollBox2.Empty());
    EXPECT_TRUE(form.MapRects.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, messageStart.size()), messageStart);
    messages.clear();
  }

  TForm1 form;
  std::vector<std::string> messages;
};

}  // namespace

TEST_F(GenerateTest, OnePreviewPerButtonWithItsCaptionAsHint) {
  form.RxSpinEditRPB.SetValue(2);
  form.CBSpacing.SetChecked(true);
  EXPECT_EQ(ButtonCount(form), 3);
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 3);
  EXPECT_EQ(Preview(0).Hint(), "one\r\ntwo");
  EXPECT_EQ(Preview(2).Name(), "newbutton2");
  EXPECT_EQ(Preview(2).Hint(), "five");
  EXPECT_EQ(Preview(2).PopupMenu(), "BtnOnPopup");
  EXPECT_EQ(Preview(2).Top(), 68);  // a column with 2 pixels of spacing
  EXPECT_EQ(Preview(2).Height(), 32);
  EXPECT_TRUE(messages.empty());
}

TEST_F(GenerateTest, MatrixCutTakesTilesRowByRowAndLeavesWhatLiesOutsideWhite) {
  form.MemoTxt.SetText("\r\n\r\n\r\n\r\n\r\n");
  form.cbCut.SetChecked(true);
  form.RGCutMode.SetItemIndex(2);
  form.RxSpinEditMX.SetValue(3);
  form.RxSpinEditCutX.SetValue(32);
  form.RxSpinEditCutY.SetValue(16);
  form.RxSpinEditCutY0.SetValue(8);
  ASSERT_TRUE(GenerateButtons(form));
  const Bitmap& tile4 = form.ScrollBox2.FindImage("newbutton4")->Picture();  // column 1 of row 1
  EXPECT_EQ(tile4.Format(), PixelFormat::pf24bit);
  EXPECT_EQ(tile4.Width(), 32);
  EXPECT_EQ(tile4.GetPixel(8, 4), form.ImageBase.Picture().GetPixel(32 + 8, 8 + 16 + 4));
  EXPECT_EQ(tile4.GetPixel(8, 8), clWhite);  // row 32 lies below the base image
}

// A tile whose source lies wholly outside the base image is a fresh white
// tile with nothing copied onto it, and its caption drawn: the caption's
// black pixels (drawn without anti-aliasing) stay in the top left corner
// where the caption goes, every other pixel is exactly white.
TEST_F(GenerateTest, ATileWhollyOutsideTheBaseImageIsWhiteWithItsCaption) {
  form.MemoTxt.SetText("Hi\r\nHi");
  form.cbAnitAlias.SetChecked(false);
  form.RxSpinEditTextX.SetValue(2);
  form.RxSpinEditTextY.SetValue(1);
  form.cbCut.SetChecked(true);
  form.RxSpinEditCutX.SetValue(48);
  form.RxSpinEditCutY.SetValue(32);
  const struct {
    std::string name;
    int mode, x0, y0;
    bool firstInside;  // the first tile is cut from the base image, the second lies outside
  } cases[] = {
      {"vertical, far below", cmVerticalStrip, 0, 9000, false},
      {"vertical, second from the bottom edge", cmVerticalStrip, 48, 0, true},
      {"horizontal, second from the right edge", cmHorizontalStrip, 48, 0, true},
      {"horizontal, far right", cmHorizontalStrip, 9000, 0, false},
      {"matrix, a row from the bottom edge", cmMatrix, 0, 32, false},
  };
  for (const auto& c : cases) {
    form.ClearPreviews();
    form.RGCutMode.SetItemIndex(c.mode);
    form.RxSpinEditMX.SetValue(2);
    form.RxSpinEditCutX0.SetValue(c.x0);
    form.RxSpinEditCutY0.SetValue(c.y0);
    ASSERT_TRUE(GenerateButtons(form)) << c.name;
    EXPECT_TRUE(messages.empty()) << c.name;
    ASSERT_EQ(form.ScrollBox2.ImageCount(), 2) << c.name;
    for (int k = c.firstInside ? 1 : 0; k < 2; ++k) {
      const Bitmap& tile = Preview(k).Picture();
      ASSERT_EQ((TSize{tile.Width(), tile.Height()}), (TSize{48, 32})) << c.name;
      int black = 0;
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 48; ++x) {
          const TColor pixel = tile.GetPixel(x, y);
          const bool inCaption = x >= 2 && x < 24 && y >= 1 && y < 18;
          if (pixel == clBlack && inCaption) {
            ++black;
          } else {
            ASSERT_EQ(pixel, clWhite) << c.name << " tile " << k << " at " << x << "," << y;
          }
        }
      }
      EXPECT_GT(black, 20) << c.name << " tile " << k;
    }
    if (c.firstInside) {
      EXPECT_EQ(Preview(0).Picture().GetPixel(40, 30), RGBColor(48 + 40, 30 * 4, 0x80)) << c.name;
    }
  }
}

TEST_F(GenerateTest, AllInOneImageInAGrid) {
  form.CurrentSettings.postBNopacity = 40;
  ASSERT_TRUE(GenerateButtons(form));
  const Bitmap button4 = Preview(4).Picture();
  form.ClearPreviews();

  form.RGImgPerBtn.SetItemIndex(1);
  form.RGDisplay.SetItemIndex(2);
  form.RxSpinEditMX.SetValue(2);
  form.RxSpinEditMarSize.SetValue(4);
  form.RxSpinEditGapSize.SetValue(2);
  form.ColorBitBtnBK.SetGlyphColor(0x00FF00);
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 1);
  const TImage& joined = Preview(0);
  EXPECT_EQ(joined.Name(), "allinone0");
  EXPECT_EQ(joined.Hint(), "all in one image");
  EXPECT_EQ((TSize{joined.Width(), joined.Height()}), (TSize{202, 108}));
  ASSERT_EQ(form.MapRects.size(), 5u);
  EXPECT_EQ(form.MapRects[1], "102,4,198,36");
  EXPECT_EQ(form.MapRects[4], "4,72,100,104");
  for (int y = 0; y < 32; y += 7)
    for (int x = 0; x < 96; x += 5) ASSERT_EQ(joined.Picture().GetPixel(4 + x, 72 + y), button4.GetPixel(x, y));
  EXPECT_EQ(joined.Picture().GetPixel(101, 72), 0x00FF00u);  // the gap
  EXPECT_EQ(joined.Picture().GetPixel(150, 90), 0x00FF00u);  // the empty sixth cell
}

TEST_F(GenerateTest, NButtonsPerImage) {
  form.RGImgPerBtn.SetItemIndex(2);
  form.RxSpinEditBtnPerImg.SetValue(2);
  form.ColorBitBtnBK.SetGlyphColor(0x123456);
  EXPECT_EQ(OutputFileCount(form), 3);
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 3);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Preview(k).Name(), "muxbutton" + std::to_string(k));
    EXPECT_EQ(Preview(k).Hint(), "image " + std::to_string(k + 1));
    EXPECT_EQ((TSize{Preview(k).Picture().Width(), Preview(k).Picture().Height()}), (TSize{96, 64}));
  }
  const Bitmap& third = Preview(2).Picture();
  EXPECT_NE(third.GetPixel(0, 31), 0x123456u);
  EXPECT_EQ(third.GetPixel(0, 32), 0x123456u);
  EXPECT_EQ(form.MapRects,
            (std::vector<std::string>{"0,0,96,32", "0,32,96,64", "0,0,96,32", "0,32,96,64", "0,0,96,32"}));

  form.ClearPreviews();  // no captions: no images at all
  form.MemoTxt.SetText("");
  ASSERT_TRUE(GenerateButtons(form));
  EXPECT_TRUE(form.ScrollBox2.Empty());
}

TEST_F(GenerateTest, ManyLinesAndLongCaptionsAreGenerated) {
  form.ImageBase.SetPicture(Bitmap(8, 4));
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "line" + std::to_string(i) + "\r\n";
  form.MemoTxt.SetText(text + std::string(5000, 'W'));
  ASSERT_TRUE(GenerateButtons(form));
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 10001);
  EXPECT_EQ(Preview(9999).Hint(), "line9999");
  EXPECT_EQ(Preview(10000).Hint().size(), 5000u);
}

TEST_F(GenerateTest, FailuresAreReportedAndLeaveNothingBehind) {
  form.ImageBase.ClearPicture();
  ExpectFailure("Error generating buttons: There is no base image.");

  form.ImageBase.SetPicture(Bitmap(96, 32));
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 100000, 0, 1, clBlack, fqDefault});
  ExpectFailure("Error generating buttons: the caption font \"DejaVu Sans\" cannot be used: ");
}

TEST_F(GenerateTest, JoinedImageOverTheBitmapLimitIsReported) {
  // 300 buttons of 1 x 9999 in a row with gaps and margins of 99: 30099 x 10197 pixels.
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
