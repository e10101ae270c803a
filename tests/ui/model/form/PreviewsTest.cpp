#include <gtest/gtest.h>

#include "ui/model/form/MainForm.h"
#include "ui/model/form/Previews.h"

using namespace kestrova;

namespace {

void AddPreviews(TForm1& form, const char* prefix, int count, int w, int h) {
  for (int i = 0; i < count; ++i) {
    TImage& image = form.ScrollBox2.AddImage(prefix + std::to_string(i));
    image.SetAutoSize(true);
    image.SetPicture(Bitmap(w, h));
  }
}

std::vector<TPoint> Positions(TForm1& form) {
  std::vector<TPoint> p;
  for (int i = 0; i < form.ScrollBox2.ImageCount(); ++i) {
    p.push_back({form.ScrollBox2.Image(i).Left(), form.ScrollBox2.Image(i).Top()});
  }
  return p;
}

}  // namespace

TEST(ArrangePreviews, GridFillsRowsOfTheGivenColumns) {
  TForm1 form;
  AddPreviews(form, "newbutton", 7, 10, 5);
  form.RxSpinEditMX.SetValue(3);
  form.RGDisplay.SetItemIndex(2);  // runs ArrangePreviews
  EXPECT_EQ(Positions(form), (std::vector<TPoint>{{0, 0}, {10, 0}, {20, 0}, {0, 5}, {10, 5}, {20, 5}, {0, 10}}));
  form.CBSpacing.SetChecked(true);
  EXPECT_EQ(Positions(form), (std::vector<TPoint>{{0, 0}, {12, 0}, {24, 0}, {0, 7}, {12, 7}, {24, 7}, {0, 14}}));
}

TEST(ArrangePreviews, JoinedImagesUseTheirOwnLayoutAndColumns) {
  TForm1 form;
  AddPreviews(form, "muxbutton", 3, 10, 5);
  form.RGDisplay0.SetItemIndex(1);
  form.RxSpinEditMX.SetValue(1);
  form.RGImgPerBtn.SetItemIndex(2);
  form.ArrangePreviews();
  EXPECT_EQ(Positions(form), (std::vector<TPoint>{{0, 0}, {10, 0}, {20, 0}}));
  form.RGDisplay0.SetItemIndex(0);
  EXPECT_EQ(Positions(form), (std::vector<TPoint>{{0, 0}, {0, 5}, {0, 10}}));
}

TEST(ArrangePreviews, ColumnModePlacesEachPreviewByItsOwnHeight) {
  TForm1 form;
  AddPreviews(form, "newbutton", 2, 10, 5);
  TImage& joined = form.ScrollBox2.AddImage("allinone0");
  joined.SetAutoSize(true);
  joined.SetPicture(Bitmap(10, 40));
  form.ScrollBox2.Image(1).SetTop(99);
  form.ArrangePreviews();
  EXPECT_EQ(Positions(form), (std::vector<TPoint>{{0, 0}, {0, 5}, {0, 0}}));
}

TEST(ClearPreviews, RemovesAllOrThoseWithAPrefix) {
  TForm1 form;
  AddPreviews(form, "newbutton", 2, 1, 1);
  AddPreviews(form, "muxbutton", 1, 1, 1);
  form.ClearPreviewsNamed("newbutton");
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 1);
  form.ClearPreviewsNamed("Muxbutton");  // case matters
  EXPECT_EQ(form.ScrollBox2.ImageCount(), 1);
  form.ClearPreviews();
  EXPECT_TRUE(form.ScrollBox2.Empty());
}

TEST(PreviewIndex, ReadsTheNumberAfterTheNinthCharacter) {
  EXPECT_EQ(PreviewIndex("newbutton12"), 12);
  EXPECT_EQ(PreviewIndex("allinone0"), 0);
  EXPECT_EQ(PreviewIndex("muxbuttonX"), 0);
}

TEST(ImageInfo, DescribesTheBaseImageOrSaysItIsEmpty) {
  const struct {
    PixelFormat format;
    const char* depth;
  } depths[] = {
      {PixelFormat::pf1bit, "1 bit"},   {PixelFormat::pf4bit, "4 bit"},   {PixelFormat::pf8bit, "8 bit"},
      {PixelFormat::pf15bit, "15 bit"}, {PixelFormat::pf16bit, "16 bit"}, {PixelFormat::pf24bit, "24 bit"},
      {PixelFormat::pf32bit, "32 bit"},
  };
  for (const auto& d : depths) {
    Bitmap b(96, 32, d.format);
    EXPECT_EQ(ImageInfoText(&b, "/tmp/a.gif"), " Image info: size: 96x32 x " + std::string(d.depth) +
                                                   "\r\n filename: /tmp/a.gif");
  }
  Bitmap none;
  EXPECT_EQ(ImageInfoText(&none, "x"), " Empty image");
  EXPECT_EQ(ImageInfoText(nullptr, "x"), " Empty image");

  TForm1 form;
  form.ImageBase.SetPicture(Bitmap(96, 32));
  form.CurrentSettings.image_file = "base.bmp";
  form.UpdateImageInfo();
  EXPECT_EQ(form.LabelInfo.Caption(), " Image info: size: 96x32 x 24 bit\r\n filename: base.bmp");
}
