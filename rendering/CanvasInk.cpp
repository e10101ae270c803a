// What the pen and the brush paint: a colour or a brush pattern, combined
// with the pixels below by the canvas's binary raster operation.

#include <algorithm>
#include <memory>
#include <vector>

#include "rendering/BitmapRows.h"
#include "rendering/BrushPattern.h"
#include "rendering/Canvas.h"
#include "rendering/SpanUnion.h"

namespace kestrova {

namespace {

// Paints spans row by row: the colours (or pattern cells) over the pixels
// below through the operation, see-through cells left as they were.
class MixedSpanPainter {
 public:
  MixedSpanPainter(Bitmap& target, int rop2, TColor color, std::shared_ptr<const BrushPattern> pattern, TPoint origin)
      : target_(target), rop2_(rop2), color_(PlainRGB(color)), pattern_(std::move(pattern)), origin_(origin),
        encoder_(target) {}

  void Paint(int y, int x0, int x1) {
    const auto count = static_cast<std::size_t>(x1 - x0);
    if (colors_.size() < count) {
      colors_.resize(count);
      below_.resize(count);
      painted_.resize(count);
    }
    ReadColorRow(target_, y, x0, x1, below_.data());
    if (pattern_) {
      pattern_->Row(origin_, y, x0, x1, colors_.data(), painted_.data());
    } else {
      std::fill(colors_.begin(), colors_.begin() + count, color_);
      std::fill(painted_.begin(), painted_.begin() + count, std::uint8_t{1});
    }
    for (std::size_t i = 0; i < count; ++i)
      colors_[i] = painted_[i] ? ApplyRop2(rop2_, colors_[i], below_[i]) : below_[i];
    WriteColorRow(target_, y, x0, x1, colors_.data(), encoder_);
  }

 private:
  Bitmap& target_;
  int rop2_;
  TColor color_;
  std::shared_ptr<const BrushPattern> pattern_;
  TPoint origin_;
  RawValueEncoder encoder_;
  std::vector<TColor> colors_, below_;
  std::vector<std::uint8_t> painted_;
};

}  // namespace

SpanSink TCanvas::MixedInk(TColor c, std::shared_ptr<const BrushPattern> pattern, TPoint origin) {
  if (pattern && pattern->IsEmpty()) pattern.reset();
  auto painter = std::make_shared<MixedSpanPainter>(*target_, Rop2, c, std::move(pattern), origin);
  return [this, painter](int y, int x0, int x1) {
    ForEachVisibleSpan(y, x0, x1, [&](int a, int b) { painter->Paint(y, a, b); });
  };
}

void TCanvas::BrushRow(int y, int x0, int x1, TColor* colors, std::uint8_t* painted) const {
  if (Brush.pattern && !Brush.pattern->IsEmpty()) {
    Brush.pattern->Row(Brush.origin, y, x0, x1, colors, painted);
    return;
  }
  std::fill(colors, colors + (x1 - x0), PlainRGB(Brush.color));
  std::fill(painted, painted + (x1 - x0), std::uint8_t{1});
}

void TCanvas::PatternBlit(const TRect& dst, std::uint8_t rop3) {
  const int x0 = std::max(dst.left, 0), x1 = std::min(dst.right, target_->Width());
  if (x0 >= x1) return;
  const auto count = static_cast<std::size_t>(x1 - x0);
  std::vector<TColor> pattern(count), below(count), out(count);
  std::vector<std::uint8_t> painted(count);
  RawValueEncoder encoder(*target_);
  for (int y = std::max(dst.top, 0), last = std::min(dst.bottom, target_->Height()); y < last; ++y) {
    ForEachVisibleSpan(y, x0, x1, [&](int a, int b) {
      const auto n = static_cast<std::size_t>(b - a);
      BrushRow(y, a, b, pattern.data(), painted.data());
      ReadColorRow(*target_, y, a, b, below.data());
      for (std::size_t i = 0; i < n; ++i) out[i] = ApplyRop3(rop3, pattern[i], 0, below[i]);
      WriteColorRow(*target_, y, a, b, out.data(), encoder);
    });
  }
}

SpanSink TCanvas::BrushInk() {
  if (!Brush.pattern && Rop2 == kRop2CopyPen) return Ink(Brush.color);
  return MixedInk(Brush.color, Brush.pattern, Brush.origin);
}

SpanSink TCanvas::PenInk() {
  if (Rop2 == kRop2CopyPen) return Ink(Pen.color);
  return MixedInk(Pen.color, nullptr, TPoint{});
}

void TCanvas::StrokeOnce(const std::function<void(const SpanSink&)>& stroke) {
  if (Rop2RepeatsAlike(Rop2)) {
    stroke(PenInk());
    return;
  }
  SpanUnion once(Rows());
  stroke(once.Collector());
  once.PaintTo(PenInk());
}

}  // namespace kestrova
