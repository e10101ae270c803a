#include "rendering/GradientImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "rendering/EllipseGeometry.h"
#include "rendering/Rounding.h"

namespace kestrova {

namespace {

// Channel-wise round(c1 * a + c2 * b).
TColor Mix(TColor c1, TColor c2, float a, float b) {
  const auto channel = [&](std::uint8_t x, std::uint8_t y) {
    return static_cast<unsigned>(std::clamp(RoundHalfEven(x * static_cast<double>(a) + y * static_cast<double>(b)), 0, 255));
  };
  return RGBColor(channel(RedOf(c1), RedOf(c2)), channel(GreenOf(c1), GreenOf(c2)),
                  channel(BlueOf(c1), BlueOf(c2)));
}

float Ratio(double numerator, double denominator) { return static_cast<float>(numerator / denominator); }

}  // namespace

void TGradientImage::Assign(const TGradientImage& source) {
  SetColorStart(source.colorStart_);
  SetColorMid(source.colorMid_);
  SetColorEnd(source.colorEnd_);
  SetTwoOnly(source.twoOnly_);
  SetHorizontal(source.horizontal_);
  SetAsColorMap(source.asColorMap_);
  SetAngle(source.angle_);
  SetIsRound(source.isRound_);
}

void TGradientImage::Paint(TCanvas& canvas, int w, int h) {
  if (asColorMap_)
    DrawColorMap(canvas, w, h);
  else
    DrawGradient(canvas, w, h);
}

void TGradientImage::DrawGradient(TCanvas& canvas, int w, int h) { DrawGradientRect(canvas, 0, 0, w, h); }

void TGradientImage::DrawGradientRect(TCanvas& canvas, int left, int top, int right, int bottom) {
  const TRect rect{left, top, right, bottom};
  const int w = rect.Width(), h = rect.Height();
  if (w < 1 || h < 1) return;
  canvas.Brush.style = BrushStyle::bsSolid;
  canvas.Pen.style = PenStyle::psClear;
  centreX_ = left + w / 2;
  centreY_ = top + h / 2;
  const double radians = angle_ * std::numbers::pi / 180;
  sin_ = std::sin(radians);
  cos_ = std::cos(radians);
  if (isRound_)
    DrawRadial(canvas, rect);
  else
    DrawBands(canvas, rect);
}

// One band per row (or column). Three colours run in two halves that share
// the middle band; a band past the end is left out, so the last one never
// carries the end colour alone.
void TGradientImage::DrawBands(TCanvas& canvas, const TRect& rect) {
  const int length = horizontal_ ? rect.Width() : rect.Height();
  const auto paint = [&](int k, TColor color) {
    if (k >= length) return;
    canvas.Brush.color = color;
    FillBand(canvas, horizontal_ ? TRect{rect.left + k, rect.top, rect.left + k + 1, rect.bottom}
                                 : TRect{rect.left, rect.top + k, rect.right, rect.top + k + 1});
  };
  if (twoOnly_) {
    for (int i = 0; i < length; ++i)
      paint(i, Mix(colorStart_, colorEnd_, Ratio(length - i, length), Ratio(i, length)));
    return;
  }
  const int n = length / 2;
  const double d = length / 2.0;
  for (int i = 0; i <= n; ++i) {
    const float a = Ratio(d - i, d), b = Ratio(i, d);
    paint(i, Mix(colorStart_, colorMid_, a, b));
    paint(i + n, Mix(colorMid_, colorEnd_, a, b));
  }
}

TPoint TGradientImage::Turned(int x, int y) const {
  const double dx = x - centreX_, dy = y - centreY_;
  return TPoint{centreX_ + RoundHalfEven(dx * cos_ - dy * sin_), centreY_ + RoundHalfEven(dx * sin_ + dy * cos_)};
}

void TGradientImage::FillBand(TCanvas& canvas, const TRect& band) {
  if (angle_ == 0) {
    canvas.FillRect(band);
    return;
  }
  const std::array<TPoint, 4> corners{Turned(band.left, band.top), Turned(band.right, band.top),
                                      Turned(band.right, band.bottom), Turned(band.left, band.bottom)};
  canvas.Polygon(corners);
}

// Circles round the centre from radius R (the rounded half-diagonal plus 2, in
// the end colour) down to 0, each inside the last. Every pixel takes the
// colour of the smallest circle that covers it, which is the picture the
// circles give when filled one over the other from the outside in; painting
// each pixel once keeps large images fast.
void TGradientImage::DrawRadial(TCanvas& canvas, const TRect& rect) {
  const std::int64_t hw = rect.Width() / 2, hh = rect.Height() / 2;
  const int r = RoundHalfEven(static_cast<float>(std::sqrt(static_cast<double>(hw * hw + hh * hh)))) + 2;
  std::vector<TColor> colors(static_cast<std::size_t>(r) + 1);
  for (int i = 0; i <= r; ++i) colors[i] = Mix(colorStart_, colorEnd_, Ratio(r - i, r), Ratio(i, r));

  const int cx = centreX_, cy = centreY_;
  const int width = canvas.Target().Width();
  const int y0 = std::max(cy - r, 0), y1 = std::min(cy + r, canvas.Target().Height());
  for (int y = y0; y < y1; ++y) {
    int done0 = 0, done1 = 0;  // the columns already painted, as one run
    for (int i = y < cy ? cy - y : y - cy + 1; i <= r; ++i) {
      int x0 = 0, x1 = 0;
      if (!EllipseRowSpan(TRect{cx - i, cy - i, cx + i, cy + i}, y, x0, x1)) continue;
      if (done0 >= done1) {
        canvas.PaintSpan(y, x0, x1, colors[i]);
        done0 = x0;
        done1 = x1;
      } else {
        canvas.PaintSpan(y, x0, std::min(x1, done0), colors[i]);
        canvas.PaintSpan(y, std::max(x0, done1), x1, colors[i]);
        done0 = std::min(done0, x0);
        done1 = std::max(done1, x1);
      }
      if (done0 <= 0 && done1 >= width) break;
    }
  }
}

}  // namespace kestrova
