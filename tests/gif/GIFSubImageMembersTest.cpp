// A frame made of pictures of other kinds, its palette, bitmap and mask, and
// the progress of its conversions and renderings.

#include <gtest/gtest.h>

#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFGraphic.h"
#include "tests/gif/GIFTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

constexpr TColor clBlue = RGBColor(0, 0, 255);

// A picture of 4 x 3 pixels drawing a red square over its left half (2 x 3)
// and nothing on the right, of the kind given; an icon's mask marks the right
// half.
class TestGraphic : public TGIFGraphic {
 public:
  TestGraphic(TGIFGraphicKind kind, int width = 4, int height = 3) : kind_(kind), width_(width), height_(height) {
    mask_ = Bitmap(width, height, PixelFormat::pf1bit);
    mask_.SetPalette({clBlack, clWhite});
    for (int y = 0; y < height; ++y)
      for (int x = width / 2; x < width; ++x) mask_.SetPixel(x, y, clWhite);
  }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  TGIFGraphicKind Kind() const override { return kind_; }
  void Draw(TCanvas& canvas) const override {
    canvas.Brush.color = clRed;
    canvas.FillRect(TRect{0, 0, width_ / 2, height_});
  }
  const Bitmap* Mask() const override { return &mask_; }

 private:
  TGIFGraphicKind kind_;
  int width_, height_;
  Bitmap mask_;
};

struct Notification {
  TProgressStage stage;
  int percent;
  std::string message;
  bool operator==(const Notification&) const = default;
};

}  // namespace

TEST(GIFSubImageMembers, PicturesOfOtherKinds) {
  TGIFImage image;
  image.ColorReduction = TColorReduction::rmNone;

  // Any picture: drawn on white, opaque.
  TGIFSubImage picture(&image);
  picture.Assign(TestGraphic(TGIFGraphicKind::gkPicture));
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Height(), 3);
  EXPECT_EQ(picture.ColorMap().ExportPalette(), (std::vector<TColor>{clRed, clWhite}));
  EXPECT_EQ(picture.Data(), (Bytes{0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1}));
  EXPECT_EQ(picture.Extensions().Count(), 0);

  // An icon: its mask makes the right half transparent, whatever was drawn there.
  TGIFSubImage icon(&image);
  icon.Assign(TestGraphic(TGIFGraphicKind::gkIcon));
  ASSERT_TRUE(icon.Transparent());
  const int t = icon.GraphicControlExtension()->TransparentColorIndex();
  EXPECT_EQ(icon.ColorMap().Colors(t), clBlack);
  EXPECT_EQ(icon.Pixels(0, 0), icon.Pixels(1, 2));
  EXPECT_EQ(icon.ColorMap().Colors(icon.Pixels(0, 0)), clRed);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(icon.Pixels(2, y), t);
    EXPECT_EQ(icon.Pixels(3, y), t);
  }

  // A metafile: transparent where it drew nothing.
  TGIFSubImage metafile(&image);
  metafile.Assign(TestGraphic(TGIFGraphicKind::gkMetafile));
  ASSERT_TRUE(metafile.Transparent());
  const int m = metafile.GraphicControlExtension()->TransparentColorIndex();
  EXPECT_EQ(metafile.ColorMap().Colors(metafile.Pixels(1, 1)), clRed);
  EXPECT_EQ(metafile.Pixels(2, 0), m);
  EXPECT_EQ(metafile.Pixels(3, 2), m);
  const std::string saved = [&] {
    std::ostringstream out;
    metafile.SaveToStream(out);
    return out.str();
  }();
  EXPECT_NE(saved.find(S({0x21, 0xF9, 4, 1})), std::string::npos);  // transparency on

  // An empty picture leaves the frame empty.
  icon.Assign(TestGraphic(TGIFGraphicKind::gkIcon, 0, 3));
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Extensions().Count(), 0);
}

TEST(GIFSubImageMembers, APaletteOfItsOwn) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 2, 1, {clRed, clWhite}, Bytes{0, 1});
  int changes = 0;
  image.OnChange = [&] { ++changes; };
  ASSERT_EQ(frame.GetBitmap().GetPixel(0, 0), clRed);

  frame.SetPalette({clBlue, clBlack});
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(image.PaletteModified);
  EXPECT_EQ(frame.GetPalette(), (std::vector<TColor>{clBlue, clBlack}));
  EXPECT_EQ(frame.GetBitmap().GetPixel(0, 0), clBlue);
  EXPECT_EQ(frame.GetBitmap().GetPixel(1, 0), clBlack);
  // The colour table itself is not changed.
  EXPECT_EQ(frame.ColorMap().ExportPalette(), (std::vector<TColor>{clRed, clWhite}));

  frame.SetPalette({clBlue, clBlack});
  EXPECT_EQ(changes, 1);
  frame.SetPalette({});
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(frame.GetBitmap().GetPixel(0, 0), clRed);
}

TEST(GIFSubImageMembers, ANewBitmapIsWhatTheFrameShowsUntilDropped) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 2, 1, {clRed, clWhite}, Bytes{0, 1});
  Bitmap& drawn = frame.NewBitmap();
  EXPECT_TRUE(drawn.Empty());
  drawn = Bitmap(2, 1);
  drawn.Fill(clBlue);
  EXPECT_EQ(&frame.GetBitmap(), &drawn);
  EXPECT_EQ(frame.GetBitmap().GetPixel(0, 0), clBlue);
  frame.FreeBitmap();
  EXPECT_EQ(frame.GetBitmap().GetPixel(0, 0), clRed);
}

TEST(GIFSubImageMembers, AFreedMaskIsBuiltAgainFromThePixels) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 3, 1, {clRed, clWhite, clBlack}, Bytes{0, 1, 2});
  auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
  control->SetTransparent(true);
  control->SetTransparentColorIndex(2);
  frame.Extensions().Add(std::move(control));
  const Bitmap* mask = frame.Mask();
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->GetPixel(0, 0), clBlack);
  EXPECT_EQ(mask->GetPixel(2, 0), clWhite);

  frame.Scanline(0)[0] = 2;  // a pixel changed behind the cached mask
  EXPECT_EQ(frame.Mask()->GetPixel(0, 0), clBlack);
  frame.FreeMask();
  ASSERT_NE(frame.Mask(), nullptr);
  EXPECT_EQ(frame.Mask()->GetPixel(0, 0), clWhite);
  EXPECT_EQ(frame.Mask()->GetPixel(1, 0), clBlack);

  // Drawn transparent, the masked pixels leave the canvas as it was.
  Bitmap canvasBitmap(3, 1);
  canvasBitmap.Fill(clBlue);
  TCanvas canvas(canvasBitmap);
  frame.StretchDraw(canvas, TRect{0, 0, 3, 1}, true, false);
  EXPECT_EQ(canvasBitmap.GetPixel(0, 0), clBlue);
  EXPECT_EQ(canvasBitmap.GetPixel(1, 0), clWhite);
  EXPECT_EQ(canvasBitmap.GetPixel(2, 0), clBlue);
}

TEST(GIFSubImageMembers, ConvertingAndRenderingReportProgress) {
  TGIFImage image;
  image.ColorReduction = TColorReduction::rmNone;
  std::vector<Notification> told;
  image.OnProgress = [&](TProgressStage stage, int percent, bool redraw, const std::string& message) {
    EXPECT_FALSE(redraw);
    told.push_back({stage, percent, message});
  };
  using enum TProgressStage;
  Bitmap picture(2, 70);
  picture.Fill(clWhite);
  image.Assign(picture);
  const std::string c = "Converting...";
  EXPECT_EQ(told, (std::vector<Notification>{
                      {psStarting, 0, c}, {psRunning, 0, c}, {psRunning, 46, c}, {psRunning, 91, c}, {psEnding, 100, c}}));

  told.clear();
  image.Images()[0].FreeBitmap();
  image.Images()[0].GetBitmap();
  const std::string r = "Rendering...";
  EXPECT_EQ(told, (std::vector<Notification>{{psRunning, 0, r}, {psRunning, 46, r}, {psRunning, 91, r}}));

  // A conversion that fails ends at 0 %.
  told.clear();
  Bitmap many(257, 1);
  for (int x = 0; x < 257; ++x) many.SetPixel(x, 0, RGBColor(x % 256, x / 256, 0));
  EXPECT_THROW(image.Assign(many), GIFException);
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.back(), (Notification{psEnding, 0, c}));
}
