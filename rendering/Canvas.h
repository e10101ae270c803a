#pragma once
// Drawing on a bitmap with the coverage rules of the platform the program came
// from: rectangles cover left..right-1 and top..bottom-1, a line leaves out its
// end point, a pen wider than one pixel is centred on the outline, and while a
// clip region is selected only pixels inside it change.
//
// All writes go through the span and pixel primitives at the bottom of the
// class, which apply the bitmap's bounds and the clip region; indexed bitmaps
// receive the nearest palette entry of each colour written.

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/ClipRegion.h"
#include "rendering/DrawingTools.h"
#include "rendering/FillRule.h"
#include "rendering/FloodRegion.h"
#include "rendering/Font.h"
#include "rendering/Geometry.h"
#include "rendering/RasterOp.h"
#include "rendering/RasterTypes.h"
#include "rendering/Region.h"
#include "rendering/Shape.h"
#include "rendering/WorkBudget.h"

namespace kestrova {

struct CopyRule;
struct DashArea;
struct StrokeStyle;

class BrushPattern;

// How a copied pixel combines with the destination.
enum class CopyMode { cmSrcCopy, cmSrcAnd, cmSrcPaint };

class TCanvas {
 public:
  explicit TCanvas(Bitmap& target) : target_(&target) {}

  Bitmap& Target() { return *target_; }
  const Bitmap& Target() const { return *target_; }

  TPen Pen;
  TBrush Brush;
  TFont Font;
  TPoint PenPos;
  // The binary raster operation (RasterOp.h) everything the pen and the brush
  // draw goes through; copying the pen by default.
  int Rop2 = kRop2CopyPen;

  // Pixels: reading gives kInvalidColor outside the bitmap; writing is clipped.
  TColor Pixel(int x, int y) const { return target_->GetPixel(x, y); }
  void SetPixel(int x, int y, TColor c);

  // Fills x = left..right-1, y = top..bottom-1 with the brush (nothing with a clear brush).
  void FillRect(const TRect& r);

  void MoveTo(int x, int y);
  // A line in the pen from PenPos to (x, y), leaving out (x, y); PenPos moves there.
  void LineTo(int x, int y);
  // Lines through the points in turn; PenPos is neither used nor moved.
  void Polyline(std::span<const TPoint> points);
  // The same joined back from the last point to the first (an outline with no ends).
  void PolylineClosed(std::span<const TPoint> points);
  // The pixels the pen covers along the lattice points (closed or not) handed
  // to `ink` as spans, some perhaps more than once, without painting them;
  // the gaps of a dashed one-pixel pen go to `gap` when given.
  void PenSpans(std::span<const TPoint> points, bool closed, const SpanSink& ink, const SpanSink* gap) const;

  // Outline with the pen, inside with the brush; right and bottom edges excluded.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  // Corners are quarter ellipses w wide and h high.
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
  // The ellipse inscribed in the box, filled with the brush and outlined with the pen.
  void Ellipse(int x1, int y1, int x2, int y2);
  // Part of the inscribed ellipse from the ray through (x3, y3) counter-clockwise
  // (on the screen) to the ray through (x4, y4), both rays from the box's centre.
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // The same part closed by a chord, or by the two radii, filled with the brush.
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // Filled with the brush by the alternate (even-odd) rule, outlined with the pen.
  void Polygon(std::span<const TPoint> points) { Polygon(points, FillRule::Alternate); }
  void PolyPolygon(const std::vector<std::vector<TPoint>>& polygons) { PolyPolygon(polygons, FillRule::Alternate); }
  // The same filled by the given rule.
  void Polygon(std::span<const TPoint> points, FillRule rule);
  void PolyPolygon(const std::vector<std::vector<TPoint>>& polygons, FillRule rule);

  // Every pixel of the region painted with the brush (nothing with a clear brush).
  void FillRegion(const Region& region);
  // Every pixel of the region turned into its complement colour.
  void InvertRegion(const Region& region);
  // Paints with the brush the pixels a flood fill reaches from (x, y) inside
  // the clip (FloodRegion.h), once all are found; false, painting nothing,
  // when (x, y) is not one of them.
  bool FloodFill(int x, int y, TColor colour, FloodStyle style);

  // Copies srcRect of src onto dst: pixel for pixel when the sizes match,
  // stretched (nearest source pixel) when they differ. src may be the target itself.
  void CopyRect(const TRect& dst, const Bitmap& src, const TRect& srcRect,
                CopyMode mode = CopyMode::cmSrcCopy);
  void Draw(int x, int y, const Bitmap& picture);
  void StretchDraw(const TRect& dst, const Bitmap& picture);
  // A copy through a ternary raster operation (RasterOp.h) of the source, the
  // brush as the pattern, and the destination.
  void RasterCopy(const TRect& dst, const Bitmap& src, const TRect& srcRect, std::uint8_t rop3);
  // The same with a one-bit mask choosing the operation: foreRop3 where its
  // bit is 1, backRop3 where it is 0 (or where the mask ends). The mask pixel
  // maskCorner lies under srcRect's top-left pixel.
  void MaskCopy(const TRect& dst, const Bitmap& src, const TRect& srcRect, const Bitmap& mask, TPoint maskCorner,
                std::uint8_t foreRop3, std::uint8_t backRop3);
  // The same without a source, over the rectangle dst (right and bottom excluded).
  void PatternBlit(const TRect& dst, std::uint8_t rop3);
  // The source weighted by alpha / 255 over the destination; with sourceAlpha
  // a 32-bit source's own alpha (premultiplied colours) weighs each pixel too.
  void AlphaBlend(const TRect& dst, const Bitmap& src, const TRect& srcRect, std::uint8_t alpha, bool sourceAlpha);
  // A copy in which every pixel of colour `transparent` is replaced by the brush colour.
  void BrushCopy(const TRect& dst, const Bitmap& src, const TRect& srcRect, TColor transparent);

  // Width and height of the text's cell in the current font.
  TSize TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // Draws the text (UTF-8) with its cell's top-left corner at (x, y); with a solid
  // brush the cell is filled first, with a clear brush it is not.
  void TextOut(int x, int y, std::string_view text);

  // Selects a clip region (a copy is kept); nullptr removes the clipping.
  void SelectClipRegion(const ClipRegion* region);
  bool HasClipRegion() const { return clip_.has_value(); }

  // --- primitives every drawing operation writes through ---
  // Paints columns [x0, x1) of row y, clipped.
  void PaintSpan(int y, int x0, int x1, TColor c);
  // Paints one pixel, clipped.
  void PaintPixel(int x, int y, TColor c);
  // True when (x, y) lies in the bitmap and inside the clip region.
  bool IsVisible(int x, int y) const;
  // The rectangle every visible pixel lies in: the bitmap, within the clip region's bounds.
  TRect VisibleBounds() const { return clip_ ? Intersect(Bounds(), clip_->Bounds()) : Bounds(); }
  // Calls visit(a, b) for each visible part [a, b) of columns [x0, x1) of row
  // y, left to right (a clip region may leave several).
  // Each call spends from the work budget open on the thread (WorkBudget.h):
  // a span, and `pixelWork` for each pixel in the bitmap.
  template <typename Visit>
  void ForEachVisibleSpan(int y, int x0, int x1, Visit&& visit, std::int64_t pixelWork = work::kPixel) const {
    const bool inRows = y >= 0 && y < target_->Height();
    x0 = std::max(x0, 0);
    x1 = std::min(x1, target_->Width());
    WorkBudget::Spend(work::kSpan + (inRows && x0 < x1 ? pixelWork * (x1 - x0) : 0));
    if (!inRows || x0 >= x1) return;
    if (clip_)
      clip_->ForEachSpan(y, x0, x1, visit);
    else
      visit(x0, x1);
  }

 private:
  TRect Bounds() const { return TRect{0, 0, target_->Width(), target_->Height()}; }
  RowRange Rows() const { return RowRange{0, target_->Height()}; }
  bool PenVisible() const { return Pen.style != PenStyle::psClear; }
  bool BrushVisible() const { return Brush.style != BrushStyle::bsClear; }
  // A sink painting the spans it receives in colour c, mapped to the target's
  // format once rather than per span.
  SpanSink Ink(TColor c);
  // Sinks painting the brush (its colour or pattern) and the pen's colour
  // through the raster operation; plain colour copies take Ink.
  SpanSink BrushInk();
  SpanSink PenInk();
  // Runs `stroke` with a sink painting the pen. Pixels it reports more than
  // once are painted once: gathered and merged first when the raster
  // operation would change them again (a copying pen paints at once).
  void StrokeOnce(const std::function<void(const SpanSink&)>& stroke);
  // Colour c, or the pattern when given, through the raster operation.
  SpanSink MixedInk(TColor c, std::shared_ptr<const BrushPattern> pattern, TPoint origin);
  // The brush's colours over the pixels [x0, x1) of row y, and which are painted.
  void BrushRow(int y, int x0, int x1, TColor* colors, std::uint8_t* painted) const;
  void PaintRawSpan(int y, int x0, int x1, std::uint32_t raw);
  // The same for columns known to be visible.
  void PaintVisibleRawSpan(int y, int x0, int x1, std::uint32_t raw);
  // The pen along lattice points, closed back to the first one or not.
  void PenPath(std::span<const TPoint> points, bool closed);
  // Dashed pens, and geometric pens that are not round at ends and corners.
  bool PenNeedsOutline() const;
  // True when the pen steps from pixel to pixel (one pixel wide).
  bool PenSteps() const;
  // The pen along a path of centre-line points in continuous coordinates.
  void OutlinedPenPath(std::vector<TPointF> path, bool closed);
  // The spans of a pen wider than a pixel along such a path.
  void WidePenSpans(std::vector<TPointF> path, bool closed, const SpanSink& ink) const;
  // The same along one dash piece, or the whole path when it has no dashes,
  // within the pen's reach of the bitmap.
  void WidePieceSpans(std::vector<TPointF> piece, bool closed, const StrokeStyle& style, const DashArea& reach,
                      const SpanSink& ink) const;
  // The area within which a stroke's centre line can paint the bitmap.
  DashArea VisibleReach(const StrokeStyle& style) const;
  // The pen's outline round a shape and the brush inside it.
  void PaintShape(const Shape& drawn);
  // Chord (toCentre false) and Pie (true).
  void ArcFigure(const TRect& box, TPoint start, TPoint end, bool toCentre);
  // The copy behind CopyRect, Draw, StretchDraw and BrushCopy.
  void CopyPixels(const TRect& dst, const Bitmap& src, const TRect& srcRect, const CopyRule& rule);

  Bitmap* target_;
  std::optional<ClipRegion> clip_;
};

}  // namespace kestrova
