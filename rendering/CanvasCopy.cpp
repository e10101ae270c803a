#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "rendering/BitmapRows.h"
#include "rendering/Canvas.h"

namespace kestrova {

// What happens to each copied pixel.
struct CopyRule {
  CopyMode mode = CopyMode::cmSrcCopy;
  // Source pixels of colour `key` become `replacement`, or stay as the
  // destination was when `keepDestination` is set.
  bool keyed = false;
  TColor key = 0;
  TColor replacement = 0;
  bool keepDestination = false;
  // A ternary raster operation over the brush (pattern), the source and the
  // destination, in place of `mode`.
  std::optional<std::uint8_t> rop3{};
  // A mask choosing per source pixel between rop3 (mask bit 1) and backRop3
  // (bit 0); the mask pixel under the source pixel (x, y) is (x, y) + maskShift.
  const Bitmap* mask = nullptr;
  TPoint maskShift{};
  std::uint8_t backRop3 = 0;
  // Blending: the source weighted by alpha / 255, and by its own alpha when
  // sourceAlpha is set (a 32-bit source whose colours are premultiplied).
  std::optional<std::uint8_t> alpha{};
  bool sourceAlpha = false;

  bool IsPlain() const { return mode == CopyMode::cmSrcCopy && !keyed && !rop3 && !alpha; }
  bool ReadsDestination() const {
    return mode != CopyMode::cmSrcCopy || (keyed && keepDestination) || alpha || (rop3 && Rop3UsesDestination(*rop3)) ||
           (mask && Rop3UsesDestination(backRop3));
  }
  bool ReadsPattern() const { return rop3 && (Rop3UsesPattern(*rop3) || (mask && Rop3UsesPattern(backRop3))); }
};

namespace {

// Which source column (or row) feeds each destination one: the nearest pixel
// below, mirrored when exactly one of the two extents is negative.
class AxisMap {
 public:
  AxisMap(int dst0, int dst1, int src0, int src1)
      : dstBegin_(std::min(dst0, dst1)),
        dstLength_(std::abs(std::int64_t{dst1} - dst0)),
        srcBegin_(std::min(src0, src1)),
        srcLength_(std::abs(std::int64_t{src1} - src0)),
        mirrored_((dst1 < dst0) != (src1 < src0)) {}

  bool IsEmpty() const { return dstLength_ == 0 || srcLength_ == 0; }
  bool IsShift() const { return dstLength_ == srcLength_ && !mirrored_; }
  // Destination range [first, last) limited to [0, limit).
  int First() const { return static_cast<int>(std::max<std::int64_t>(dstBegin_, 0)); }
  int Last(int limit) const { return static_cast<int>(std::min<std::int64_t>(dstBegin_ + dstLength_, limit)); }

  std::int64_t SourceOf(int d) const {
    auto j = static_cast<std::int64_t>(__int128{d - dstBegin_} * srcLength_ / dstLength_);
    if (mirrored_) j = srcLength_ - 1 - j;
    return srcBegin_ + j;
  }

 private:
  std::int64_t dstBegin_, dstLength_, srcBegin_, srcLength_;
  bool mirrored_;
};

// True when rows of a can be copied into b byte for byte.
bool SameLayout(const Bitmap& a, const Bitmap& b) {
  return a.Format() == b.Format() && BitsPerPixel(a.Format()) >= 8 && a.Palette() == b.Palette();
}

std::uint8_t Blend(unsigned s, unsigned d, unsigned alpha, unsigned sourceAlpha, bool premultiplied) {
  // Premultiplied: d' = s * a + d * (1 - sa * a); otherwise d' = s * a + d * (1 - a).
  const unsigned keep = premultiplied ? 255 * 255 - sourceAlpha * alpha : 255 * (255 - alpha);
  return static_cast<std::uint8_t>(std::min(255u, (s * alpha * 255 + d * keep + 255 * 255 / 2) / (255 * 255)));
}

// The bit of a one-bit mask at (x, y); 0 outside it.
std::uint8_t MaskBit(const Bitmap& mask, std::int64_t x, std::int64_t y) {
  if (x < 0 || y < 0 || x >= mask.Width() || y >= mask.Height()) return 0;
  return mask.RawPixel(static_cast<int>(x), static_cast<int>(y)) != 0;
}

// The rows the copy rule needs beside the source and the destination.
struct RuleRows {
  const TColor* pattern = nullptr;
  const std::uint8_t* alpha = nullptr;
  const std::uint8_t* maskBits = nullptr;
};

void ApplyRule(const CopyRule& rule, const TColor* destination, TColor* pixels, std::size_t count,
               const RuleRows& rows = {}) {
  if (rule.rop3) {
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t rop = !rows.maskBits || rows.maskBits[i] ? *rule.rop3 : rule.backRop3;
      pixels[i] = ApplyRop3(rop, rows.pattern ? rows.pattern[i] : 0, PlainRGB(pixels[i]), destination[i]);
    }
    return;
  }
  if (rule.alpha) {
    for (std::size_t i = 0; i < count; ++i) {
      const unsigned sa = rows.alpha ? rows.alpha[i] : 255;
      const TColor s = pixels[i], d = destination[i];
      pixels[i] = RGBColor(Blend(RedOf(s), RedOf(d), *rule.alpha, sa, rule.sourceAlpha),
                           Blend(GreenOf(s), GreenOf(d), *rule.alpha, sa, rule.sourceAlpha),
                           Blend(BlueOf(s), BlueOf(d), *rule.alpha, sa, rule.sourceAlpha));
    }
    return;
  }
  if (rule.keyed) {
    for (std::size_t i = 0; i < count; ++i)
      if (pixels[i] == rule.key) pixels[i] = rule.keepDestination ? destination[i] : rule.replacement;
  }
  if (rule.mode == CopyMode::cmSrcAnd)
    for (std::size_t i = 0; i < count; ++i) pixels[i] &= destination[i];
  if (rule.mode == CopyMode::cmSrcPaint)
    for (std::size_t i = 0; i < count; ++i) pixels[i] |= destination[i];
}

}  // namespace

void TCanvas::CopyRect(const TRect& dst, const Bitmap& src, const TRect& srcRect, CopyMode mode) {
  CopyPixels(dst, src, srcRect, CopyRule{.mode = mode});
}

void TCanvas::RasterCopy(const TRect& dst, const Bitmap& src, const TRect& srcRect, std::uint8_t rop3) {
  CopyPixels(dst, src, srcRect, CopyRule{.rop3 = rop3});
}

void TCanvas::MaskCopy(const TRect& dst, const Bitmap& src, const TRect& srcRect, const Bitmap& mask,
                       TPoint maskCorner, std::uint8_t foreRop3, std::uint8_t backRop3) {
  const TPoint shift{SaturatedInt(std::int64_t{maskCorner.x} - std::min(srcRect.left, srcRect.right)),
                     SaturatedInt(std::int64_t{maskCorner.y} - std::min(srcRect.top, srcRect.bottom))};
  CopyPixels(dst, src, srcRect, CopyRule{.rop3 = foreRop3, .mask = &mask, .maskShift = shift, .backRop3 = backRop3});
}

void TCanvas::AlphaBlend(const TRect& dst, const Bitmap& src, const TRect& srcRect, std::uint8_t alpha,
                         bool sourceAlpha) {
  CopyPixels(dst, src, srcRect,
             CopyRule{.alpha = alpha, .sourceAlpha = sourceAlpha && src.Format() == PixelFormat::pf32bit});
}

void TCanvas::Draw(int x, int y, const Bitmap& picture) {
  CopyRect(TRect{x, y, x + picture.Width(), y + picture.Height()}, picture,
           TRect{0, 0, picture.Width(), picture.Height()});
}

void TCanvas::StretchDraw(const TRect& dst, const Bitmap& picture) {
  CopyRect(dst, picture, TRect{0, 0, picture.Width(), picture.Height()});
}

void TCanvas::BrushCopy(const TRect& dst, const Bitmap& src, const TRect& srcRect, TColor transparent) {
  CopyPixels(dst, src, srcRect,
             CopyRule{.keyed = true,
                      .key = PlainRGB(transparent),
                      .replacement = PlainRGB(Brush.color),
                      .keepDestination = !BrushVisible()});
}

void TCanvas::CopyPixels(const TRect& dst, const Bitmap& src, const TRect& srcRect, const CopyRule& rule) {
  const AxisMap cols(dst.left, dst.right, srcRect.left, srcRect.right);
  const AxisMap rows(dst.top, dst.bottom, srcRect.top, srcRect.bottom);
  if (cols.IsEmpty() || rows.IsEmpty() || src.Empty()) return;
  // A bitmap copied onto itself is read from a snapshot.
  const Bitmap* source = &src;
  Bitmap snapshot;
  if (&src == target_) {
    if (dst == srcRect && rule.IsPlain()) return;
    snapshot = src;
    source = &snapshot;
  }
  const int x0 = cols.First(), x1 = cols.Last(target_->Width());
  if (x0 >= x1) return;
  // Source column of each destination column; -1 where it lies outside the source.
  std::vector<int> sourceCol(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x) {
    const std::int64_t s = cols.SourceOf(x);
    sourceCol[x - x0] = s >= 0 && s < source->Width() ? static_cast<int>(s) : -1;
  }
  const bool byteCopy = rule.IsPlain() && cols.IsShift() && SameLayout(*source, *target_);
  const int bytesPerPixel = BitsPerPixel(target_->Format()) / 8;
  RawValueEncoder encoder(*target_);
  std::vector<TColor> sourceRow(static_cast<std::size_t>(source->Width())), pixels(sourceCol.size()),
      destination(sourceCol.size()), pattern(rule.ReadsPattern() ? sourceCol.size() : 0);
  std::vector<std::uint8_t> painted(pattern.size()), alphas(rule.sourceAlpha ? sourceCol.size() : 0),
      maskBits(rule.mask ? sourceCol.size() : 0);
  for (int y = rows.First(), last = rows.Last(target_->Height()); y < last; ++y) {
    const std::int64_t sy = rows.SourceOf(y);
    if (sy < 0 || sy >= source->Height()) continue;
    // Columns fed from outside the source keep what they hold (only at the ends: the map is monotonic).
    ForEachVisibleSpan(y, x0, x1, [&](int a, int b) {
      while (a < b && sourceCol[a - x0] < 0) ++a;
      while (b > a && sourceCol[b - 1 - x0] < 0) --b;
      if (a >= b) return;
      const int s0 = std::min(sourceCol[a - x0], sourceCol[b - 1 - x0]);
      if (byteCopy) {
        std::memcpy(target_->ScanLine(y) + static_cast<std::size_t>(a) * bytesPerPixel,
                    source->ScanLine(static_cast<int>(sy)) + static_cast<std::size_t>(s0) * bytesPerPixel,
                    static_cast<std::size_t>(b - a) * bytesPerPixel);
        return;
      }
      const int s1 = std::max(sourceCol[a - x0], sourceCol[b - 1 - x0]) + 1;
      ReadColorRow(*source, static_cast<int>(sy), s0, s1, sourceRow.data());
      const auto count = static_cast<std::size_t>(b - a);
      for (std::size_t i = 0; i < count; ++i) pixels[i] = sourceRow[sourceCol[a - x0 + i] - s0];
      if (rule.ReadsDestination()) ReadColorRow(*target_, y, a, b, destination.data());
      RuleRows extra;
      if (rule.ReadsPattern()) {
        BrushRow(y, a, b, pattern.data(), painted.data());
        extra.pattern = pattern.data();
      }
      if (rule.sourceAlpha) {
        const std::uint8_t* row = source->ScanLine(static_cast<int>(sy));
        for (std::size_t i = 0; i < count; ++i) alphas[i] = row[4 * static_cast<std::size_t>(sourceCol[a - x0 + i]) + 3];
        extra.alpha = alphas.data();
      }
      if (rule.mask) {
        for (std::size_t i = 0; i < count; ++i)
          maskBits[i] = MaskBit(*rule.mask, std::int64_t{sourceCol[a - x0 + i]} + rule.maskShift.x, sy + rule.maskShift.y);
        extra.maskBits = maskBits.data();
      }
      ApplyRule(rule, destination.data(), pixels.data(), count, extra);
      WriteColorRow(*target_, y, a, b, pixels.data(), encoder);
    });
  }
}

}  // namespace kestrova
