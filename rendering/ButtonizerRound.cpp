// The round button of TButtonizer: shaded rings, the face disc, smoothing, and
// the clip regions they draw through.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "rendering/Buttonizer.h"
#include "rendering/Rounding.h"

namespace kestrova {

namespace {

constexpr double kPi = std::numbers::pi;

// How far from its ellipse a ring's arcs may colour a pixel (the pen is 2 wide).
constexpr double kPenReach = 4;

// True when ring k of the box passes round the whole canvas out of the pen's
// reach of every pixel, so that drawing it changes nothing. A large negative
// margin puts many rings there, each of a great many steps.
bool RingClearsCanvas(const TRect& box, int k, int w, int h) {
  const double cx = (static_cast<double>(box.left) + box.right) / 2;
  const double cy = (static_cast<double>(box.top) + box.bottom) / 2;
  // No point of the ellipse is nearer its centre than its smaller half-axis.
  const double nearest =
      std::min(static_cast<double>(box.right) - box.left, static_cast<double>(box.bottom) - box.top) / 2 - k;
  const double farthestPixel = std::hypot(std::max(cx, w - cx), std::max(cy, h - cy));
  return nearest - farthestPixel > kPenReach;
}

TPoint PointAt(const TArcSteps& steps, float angle) {
  return TPoint{RoundHalfEven(std::cos(static_cast<double>(angle)) * steps.r + steps.cx),
                RoundHalfEven(std::sin(static_cast<double>(angle)) * steps.r + steps.cy)};
}

}  // namespace

bool TButtonizer::RingCountDrawable(int extRadius) {
  return extRadius >= -kMaxRingCount && extRadius <= kMaxRingCount;
}

void TButtonizer::DrawRoundEdge(TCanvas& canvas, int w, int h) {
  if (!RingCountDrawable(extRadius_)) return;
  const TRect box{extMargin_, extMargin_, w - extMargin_, h - extMargin_};
  const int n = extRadius_;
  if (n >= 1) DrawRings(canvas, w, h, box);
  if (!extBMP_) {
    canvas.Pen.width = 1;
    canvas.Pen.style = PenStyle::psSolid;
    canvas.Pen.color = colorFG_;
    canvas.Brush.color = colorFG_;
    canvas.Brush.style = BrushStyle::bsSolid;
    canvas.Ellipse(box.left + n, box.top + n, box.right - n, box.bottom - n);
  }
  if (smooth_ >= 1) SmoothInside(canvas, w, h, box);
}

// Rings from ColorBG outside to ColorBL inside. Each ring is drawn as four runs
// of short arcs, one per quarter, which with Round3DLike shade from Myblack at
// the start angle over the ring colour to Mywhite opposite it.
void TButtonizer::DrawRings(TCanvas& canvas, int w, int h, const TRect& box) {
  const int n = extRadius_;
  const int stepCount = (box.right + 1) + box.bottom;
  const int quarter = stepCount / 4;
  canvas.Pen.width = 2;
  canvas.Pen.style = PenStyle::psSolid;
  TRegionHandle clip = SetClipRegion(canvas, box, 0, 0, crmEllipse);
  if (quarter >= 1) {
    const TArcSteps steps{box, w / 2, h / 2, (box.right - box.left) / 2 - 3,
                          static_cast<float>(2 * kPi / stepCount)};
    // Start angle, shading step and ring step are kept to single precision.
    const float a0 = static_cast<float>(angle_ * kPi / 180 - 5 * kPi / 4);
    const double q = static_cast<float>(1 / (stepCount / 4.0) * 1024);
    const double s = static_cast<float>(1.0 / n * 1024);
    const auto step = [&](float theta, int k, TColor pen) {
      if (round3DLike_) canvas.Pen.color = pen;
      DrawArcStep(canvas, steps, theta, k);
    };
    for (int k = 0; k < n; ++k) {
      if (RingClearsCanvas(box, k, w, h)) continue;
      const TColor ring = BlendColors(colorBG_, colorBL_, RoundHalfEven((n - k) * s), RoundHalfEven(k * s));
      if (!round3DLike_) canvas.Pen.color = ring;
      float a = a0;
      for (int t = 0; t < quarter; ++t) {
        const int u0 = RoundHalfEven((quarter - t) * q), u1 = RoundHalfEven(t * q);
        step(a, k, BlendColors(myblack_, ring, u0, u1));
        step(static_cast<float>(a - kPi / 2), k, BlendColors(ring, myblack_, u0, u1));
        step(static_cast<float>(a + kPi / 2), k, BlendColors(ring, mywhite_, u0, u1));
        step(static_cast<float>(a + kPi), k, BlendColors(mywhite_, ring, u0, u1));
        a = a + steps.dA;
      }
    }
  }
  ClearClipRegion(canvas, clip);
}

void TButtonizer::DrawArcStep(TCanvas& canvas, const TArcSteps& steps, float theta, int ring) {
  const float t = theta + steps.dA;
  const TPoint p1 = PointAt(steps, t), p2 = PointAt(steps, theta);
  const TRect& b = steps.box;
  canvas.Arc(b.left + ring, b.top + ring, b.right - ring, b.bottom - ring, p1.x, p1.y, p2.x, p2.y);
}

// Smooths a copy of the canvas and copies it back inside the ellipse only.
void TButtonizer::SmoothInside(TCanvas& canvas, int w, int h, const TRect& box) {
  if (w < 1 || h < 1) return;
  const TRect all{0, 0, w, h};
  Bitmap copy(w, h, PixelFormat::pf24bit);
  TCanvas(copy).CopyRect(all, canvas.Target(), all);
  for (int pass = 0; pass < smooth_; ++pass) SmoothBitmap(copy, 0, 0, w, h);
  TRegionHandle clip = SetClipRegion(canvas, box, 0, 0, crmEllipse);
  canvas.CopyRect(all, copy, all);
  ClearClipRegion(canvas, clip);
}

void TButtonizer::SmoothBitmap(Bitmap& bitmap, int left, int top, int right, int bottom) {
  left = std::max(left, 1);
  top = std::max(top, 1);
  right = std::min(right, bitmap.Width() - 2);
  bottom = std::min(bottom, bitmap.Height() - 2);
  if (bitmap.Format() != PixelFormat::pf24bit) bitmap.SetPixelFormat(PixelFormat::pf24bit);
  if (bottom < top) return;
  // In place: the row above and the pixel to the left already hold this pass's values.
  for (int y = top; y <= bottom; ++y) {
    const std::uint8_t* above = bitmap.ScanLine(y - 1);
    const std::uint8_t* below = bitmap.ScanLine(y + 1);
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int i = 3 * left; i < 3 * (right + 1); ++i)
      row[i] = static_cast<std::uint8_t>((above[i] + below[i] + row[i - 3] + row[i + 3]) / 4);
  }
}

TRegionHandle TButtonizer::SetClipRegion(TCanvas& canvas, const TRect& rect, int rx, int ry, int mode) {
  TRegionHandle region;
  switch (mode) {
    case crmEllipse: region = std::make_unique<ClipRegion>(ClipRegion::Ellipse(rect)); break;
    case crmRectangle: region = std::make_unique<ClipRegion>(ClipRegion::Rectangle(rect)); break;
    case crmRoundRect: region = std::make_unique<ClipRegion>(ClipRegion::RoundRect(rect, rx, ry)); break;
    default: return region;
  }
  canvas.SelectClipRegion(region.get());
  return region;
}

void TButtonizer::ClearClipRegion(TCanvas& canvas, TRegionHandle& region) {
  canvas.SelectClipRegion(nullptr);
  region.reset();
}

}  // namespace kestrova
