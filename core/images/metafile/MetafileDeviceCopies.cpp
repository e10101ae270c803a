// The metafile device's bit-block copies, blends and gradients. Where the
// mapping only scales and moves, a copy goes to the canvas as a rectangle;
// where it turns or shears, the picture is resampled onto the canvas pixels
// of the turned rectangle (each pixel centre mapped back to the nearest
// source pixel), a band of rows at a time, and copied within that shape only.

#include <algorithm>
#include <cmath>

#include "core/images/metafile/MetafileDevice.h"
#include "core/images/metafile/RowBands.h"

namespace kestrova {

namespace {

// Canvas pixel centres mapped back onto a picture's pixels, and whether they
// land within a part of it (srcRect and the picture both).
struct SourceMap {
  SourceMap(const Bitmap& picture, const TRect& srcRect, const AffineTransform& toSource) : toSource(toSource) {
    const TRect ordered{std::min(srcRect.left, srcRect.right), std::min(srcRect.top, srcRect.bottom),
                        std::max(srcRect.left, srcRect.right), std::max(srcRect.top, srcRect.bottom)};
    inside = Intersect(ordered, TRect{0, 0, picture.Width(), picture.Height()});
  }
  // The source point of canvas pixel (x, y), when it lands within the part.
  bool Lands(int x, int y, TPointF& s) const {
    s = toSource.Apply(TPointF{x + 0.5, y + 0.5});
    return s.x >= inside.left && s.x < inside.right && s.y >= inside.top && s.y < inside.bottom;
  }

  AffineTransform toSource;
  TRect inside;
};

// The pixels of the canvas box whose centres land within the part.
Region Covered(const TRect& box, const SourceMap& map) {
  RegionBuilder covered;
  TPointF s;
  for (int y = box.top; y < box.bottom; ++y) {
    int start = box.right;
    for (int x = box.left; x <= box.right; ++x) {
      const bool lands = x < box.right && map.Lands(x, y, s);
      if (lands && start == box.right) start = x;
      if (!lands && start < x) {
        covered.Add(y, start, x);
        start = box.right;
      }
    }
  }
  return covered.Finish();
}

// The picture's pixels over a band of canvas rows, 32-bit, the picture's own
// alpha kept; pixels landing outside the part keep 0.
Bitmap Resampled(const Bitmap& picture, const TRect& band, const SourceMap& map) {
  Bitmap out(band.Width(), band.Height(), PixelFormat::pf32bit);
  const bool alpha = picture.Format() == PixelFormat::pf32bit;
  TPointF s;
  for (int y = band.top; y < band.bottom; ++y) {
    std::uint8_t* row = out.ScanLine(y - band.top);
    for (int x = band.left; x < band.right; ++x) {
      if (!map.Lands(x, y, s)) continue;
      const int sx = static_cast<int>(std::floor(s.x)), sy = static_cast<int>(std::floor(s.y));
      const TColor c = picture.GetPixel(sx, sy);
      std::uint8_t* p = row + 4 * static_cast<std::size_t>(x - band.left);
      p[0] = BlueOf(c);
      p[1] = GreenOf(c);
      p[2] = RedOf(c);
      p[3] = alpha ? picture.ScanLine(sy)[4 * static_cast<std::size_t>(sx) + 3] : 255;
    }
  }
  return out;
}

// Source pixels onto logical units: srcRect's corners onto dest's.
AffineTransform SourceToLogical(const TRect& dest, const TRect& srcRect) {
  const double sx = static_cast<double>(dest.Width64()) / srcRect.Width64();
  const double sy = static_cast<double>(dest.Height64()) / srcRect.Height64();
  return AffineTransform::Scaling(sx, sy, dest.left - srcRect.left * sx, dest.top - srcRect.top * sy);
}

}  // namespace

void MetafileDevice::CopyMapped(const AffineTransform& sourceToLogical, const Bitmap& picture, const TRect& srcRect,
                                const CanvasCopy& copy) {
  if (srcRect.Width64() == 0 || srcRect.Height64() == 0) return;
  const AffineTransform toCanvas = sourceToLogical.Then(Mapping());
  const TPointF corners[] = {{double(srcRect.left), double(srcRect.top)},
                             {double(srcRect.right), double(srcRect.top)},
                             {double(srcRect.right), double(srcRect.bottom)},
                             {double(srcRect.left), double(srcRect.bottom)}};
  std::vector<TPoint> mapped;
  for (const TPointF& c : corners) mapped.push_back(Rounded(toCanvas.Apply(c)));
  if (toCanvas.IsAxisAligned()) {
    // May run backwards: the copy is mirrored then.
    copy(TRect{mapped[0].x, mapped[0].y, mapped[2].x, mapped[2].y}, picture, srcRect);
    return;
  }
  AffineTransform toSource;
  if (!toCanvas.Inverse(toSource)) return;
  const Region shape = FigureRegion(mapped);
  const TRect box = Intersect(shape.Bounds(), TRect{0, 0, canvas_.Target().Width(), canvas_.Target().Height()});
  if (box.Width() <= 0 || box.Height() <= 0) return;
  const SourceMap map(picture, srcRect, toSource);
  WithinRegion(shape.Combined(Covered(box, map), RegionOp::And), [&] {
    ForEachRowBand(box, [&](const TRect& band) {
      copy(band, Resampled(picture, band, map), TRect{0, 0, band.Width(), band.Height()});
    });
  });
}

void MetafileDevice::Blit(const TRect& dest, const Bitmap* picture, const TRect& srcRect, std::uint32_t rop) {
  const std::uint8_t op = Rop3Of(rop);
  canvas_.Rop2 = kRop2CopyPen;
  canvas_.Brush = CanvasBrush(state_.brush);
  // A hollow brush gives no pattern to work with.
  if (Rop3UsesPattern(op) && !state_.brush.visible) return;
  if (!Rop3UsesSource(op)) {
    if (Mapping().IsAxisAligned())
      canvas_.PatternBlit(BoxToCanvas(dest), op);
    else
      WithinRegion(FigureRegion(Rounded(RectFigure(dest))), [&] { canvas_.PatternBlit(BoxToCanvas(dest), op); });
    return;
  }
  if (!picture) return;
  CopyMapped(SourceToLogical(dest, srcRect), *picture, srcRect, [&](const TRect& to, const Bitmap& from, const TRect& part) {
    if (op == kRop3SrcCopy)
      canvas_.CopyRect(to, from, part);
    else
      canvas_.RasterCopy(to, from, part, op);
  });
}

void MetafileDevice::MaskBlit(const TRect& dest, const Bitmap* picture, const TRect& srcRect, const Bitmap& mask,
                              TPoint maskCorner, std::uint32_t rop) {
  const std::uint8_t fore = Rop3Of(rop), back = static_cast<std::uint8_t>(rop >> 24);
  canvas_.Rop2 = kRop2CopyPen;
  canvas_.Brush = CanvasBrush(state_.brush);
  if ((Rop3UsesPattern(fore) || Rop3UsesPattern(back)) && !state_.brush.visible) return;
  TRect from = srcRect;
  if (!picture) {
    // Operations that take no source: the mask stands in for it, its own pixels.
    if (Rop3UsesSource(fore) || Rop3UsesSource(back)) return;
    picture = &mask;
    from = TRect{maskCorner.x, maskCorner.y, SaturatedInt(std::int64_t{maskCorner.x} + srcRect.Width64()),
                 SaturatedInt(std::int64_t{maskCorner.y} + srcRect.Height64())};
  }
  // Under a turning mapping the copy keeps to the turned rectangle's box.
  const TPoint a = ToCanvas({dest.left, dest.top}), b = ToCanvas({dest.right, dest.bottom});
  const TRect box = Mapping().IsAxisAligned() ? TRect{a.x, a.y, b.x, b.y} : BoxToCanvas(dest);
  canvas_.MaskCopy(box, *picture, from, mask, maskCorner, fore, back);
}

void MetafileDevice::AlphaBlend(const TRect& dest, const Bitmap& picture, const TRect& srcRect, std::uint8_t alpha,
                                bool sourceAlpha) {
  CopyMapped(SourceToLogical(dest, srcRect), picture, srcRect, [&](const TRect& to, const Bitmap& from, const TRect& part) {
    canvas_.AlphaBlend(to, from, part, alpha, sourceAlpha);
  });
}

void MetafileDevice::TransparentBlit(const TRect& dest, const Bitmap& picture, const TRect& srcRect,
                                     TColor transparent) {
  canvas_.Rop2 = kRop2CopyPen;
  canvas_.Brush = TBrush{clWhite, BrushStyle::bsClear};  // pixels of the key colour keep what lies below
  CopyMapped(SourceToLogical(dest, srcRect), picture, srcRect, [&](const TRect& to, const Bitmap& from, const TRect& part) {
    canvas_.BrushCopy(to, from, part, PlainRGB(transparent));
  });
}

void MetafileDevice::ParallelogramBlit(const std::array<TPoint, 3>& corners, const Bitmap& picture,
                                       const TRect& srcRect, const Bitmap* mask, TPoint maskCorner) {
  if (srcRect.Width64() == 0 || srcRect.Height64() == 0) return;
  // The source's top-left corner goes to the first point, its top-right to
  // the second, its bottom-left to the third.
  const double w = static_cast<double>(srcRect.Width64()), h = static_cast<double>(srcRect.Height64());
  const TPointF a{double(corners[0].x), double(corners[0].y)};
  const TPointF ab{(corners[1].x - a.x) / w, (corners[1].y - a.y) / w};
  const TPointF ac{(corners[2].x - a.x) / h, (corners[2].y - a.y) / h};
  const AffineTransform toLogical{ab.x, ab.y, ac.x, ac.y, a.x - srcRect.left * ab.x - srcRect.top * ac.x,
                                  a.y - srcRect.left * ab.y - srcRect.top * ac.y};
  canvas_.Rop2 = kRop2CopyPen;
  if (!mask) {
    CopyMapped(toLogical, picture, srcRect, [&](const TRect& to, const Bitmap& from, const TRect& part) {
      canvas_.CopyRect(to, from, part);
    });
    return;
  }
  // Where the mask's bit is 0 the destination stays: those pixels are made
  // wholly transparent, the others wholly opaque, and the copy blended.
  Bitmap masked(picture.Width(), picture.Height(), PixelFormat::pf32bit);
  for (int y = 0; y < masked.Height(); ++y) {
    std::uint8_t* row = masked.ScanLine(y);
    for (int x = 0; x < masked.Width(); ++x) {
      const std::int64_t mx = std::int64_t{x} - srcRect.left + maskCorner.x, my = std::int64_t{y} - srcRect.top + maskCorner.y;
      const bool kept = mx >= 0 && my >= 0 && mx < mask->Width() && my < mask->Height() &&
                        mask->RawPixel(static_cast<int>(mx), static_cast<int>(my)) != 0;
      if (!kept) continue;
      const TColor c = picture.GetPixel(x, y);
      std::uint8_t* p = row + 4 * static_cast<std::size_t>(x);
      p[0] = BlueOf(c);
      p[1] = GreenOf(c);
      p[2] = RedOf(c);
      p[3] = 255;
    }
  }
  CopyMapped(toLogical, masked, srcRect, [&](const TRect& to, const Bitmap& from, const TRect& part) {
    canvas_.AlphaBlend(to, from, part, 255, true);
  });
}

}  // namespace kestrova
