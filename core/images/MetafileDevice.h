#pragma once
// The device context a metafile is played into: mapping mode, window and
// viewport, the world transform, the object table, the selected pen, brush
// and font, colours, text alignment, the fill mode and arc direction, the
// current position, the path, the clip and meta regions and the saved states;
// drawing goes through a TCanvas. Both metafile players (WMF and EMF records)
// drive it with logical coordinates.
//
// Logical coordinates pass through the world transform, then the window and
// viewport, then onto the canvas. Where that mapping only scales and moves
// along the axes, shapes are drawn by the canvas's own shapes; where it
// rotates or shears, they are drawn as the transformed figures. While a path
// is open, figures go into the path instead of onto the canvas.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "rendering/AffineTransform.h"
#include "rendering/Canvas.h"
#include "rendering/Path.h"
#include "rendering/Region.h"

namespace kestrova {

// The errors both metafile readers report.
inline constexpr char kMetafileTruncated[] = "Metafile is truncated";
inline constexpr char kMetafileBadRecord[] = "Invalid metafile record";
inline constexpr char kMetafileOutOfRange[] = "Metafile coordinates out of range";

// Record-level constants the players share.
namespace gdi {
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;
constexpr int TRANSPARENT = 1;
constexpr std::uint32_t TA_UPDATECP = 1;
constexpr std::uint32_t TA_RIGHT = 2;
constexpr std::uint32_t TA_CENTER = 6;
constexpr std::uint32_t TA_BOTTOM = 8;
constexpr std::uint32_t TA_BASELINE = 24;
constexpr std::uint32_t ETO_OPAQUE = 2;
constexpr std::uint32_t ETO_CLIPPED = 4;
constexpr unsigned PS_NULL = 5;
constexpr unsigned BS_SOLID = 0;
constexpr unsigned BS_NULL = 1;
constexpr unsigned BS_HATCHED = 2;
// Fill modes, arc directions, region combinations, world transform changes, point kinds.
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : int { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum : int { MWT_IDENTITY = 1, MWT_LEFTMULTIPLY = 2, MWT_RIGHTMULTIPLY = 3, MWT_SET = 4 };
enum : std::uint8_t { PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6 };
}  // namespace gdi

struct MetaPen {
  bool visible = true;
  int width = 0;  // logical units; 0 draws one pixel wide
  TColor color = clBlack;
};

struct MetaBrush {
  bool visible = true;
  TColor color = clWhite;
};

struct MetaFont {
  int height = 0;  // logical units; negative: character (em) height, positive: cell height
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  std::uint8_t charset = 1;
  std::uint8_t quality = 0;
  std::string face;  // UTF-8
  // The device's default font has a fixed size in pixels instead.
  int devicePixels = 0;
};

// A region object: rectangles in logical units.
struct MetaRegion {
  std::vector<TRect> rects;
};

// A palette or pattern brush: takes a slot, draws nothing of its own.
struct MetaOtherObject {};

using MetaObject = std::variant<MetaPen, MetaBrush, MetaFont, MetaRegion, MetaOtherObject>;

// How the reference device's pixels land on the canvas: canvas = device x scale + offset.
// Pixels per millimetre give the size of the metric mapping modes' units.
struct DeviceToCanvas {
  double scaleX = 1, scaleY = 1;
  double offsetX = 0, offsetY = 0;
  double pixelsPerMmX = 96 / 25.4, pixelsPerMmY = 96 / 25.4;
};

// Raster operations the blits understand (the operation's index byte).
enum class BlitOp { SrcCopy, SrcAnd, SrcPaint, PatCopy, Blackness, Whiteness, Unsupported };
BlitOp BlitOpOf(std::uint32_t rop);

class MetafileDevice {
 public:
  MetafileDevice(TCanvas& canvas, const DeviceToCanvas& base);
  // Takes away the clip the records gave the canvas.
  ~MetafileDevice();
  MetafileDevice(const MetafileDevice&) = delete;
  MetafileDevice& operator=(const MetafileDevice&) = delete;

  // --- state
  void SetMapMode(int mode) { state_.mapMode = mode; }
  void SetWindowOrg(int x, int y) { state_.windowOrg = {x, y}; }
  void SetWindowExt(int cx, int cy);
  void SetViewportOrg(int x, int y) { state_.viewportOrg = {x, y}; }
  void SetViewportExt(int cx, int cy);
  // Extents times num / denom (a zero denominator changes nothing).
  void ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
  void ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
  void OffsetWindowOrg(int dx, int dy);
  void OffsetViewportOrg(int dx, int dy);
  void SetWorldTransform(const AffineTransform& t) { state_.world = t; }
  // One of gdi::MWT_*: reset, t before the transform, t after it, or t alone.
  void ModifyWorldTransform(const AffineTransform& t, int mode);
  void SetPolyFillMode(int mode);
  void SetArcDirection(int direction) { state_.clockwise = direction == gdi::AD_CLOCKWISE; }
  void SetBkMode(int mode) { state_.bkTransparent = mode == gdi::TRANSPARENT; }
  void SetBkColor(TColor c) { state_.bkColor = PlainRGB(c); }
  void SetTextColor(TColor c) { state_.textColor = PlainRGB(c); }
  void SetTextAlign(std::uint32_t align) { state_.textAlign = align; }
  void SaveDC();
  // Negative: that many states back; positive: the state saved as number n (from 1).
  void RestoreDC(int n);

  // --- objects
  // Puts an object at a given slot of the table (the slot's old object goes).
  void CreateObjectAt(std::uint32_t index, MetaObject object);
  // Puts an object in the lowest free slot.
  void CreateObject(MetaObject object);
  void SelectObject(std::uint32_t index);
  // Stock objects: 0 white, 1 light grey, 2 grey, 3 dark grey, 4 black, 5 null brush;
  // 6 white, 7 black, 8 null pen; 10..17 fonts; 18 DC brush, 19 DC pen.
  void SelectStockObject(std::uint32_t stock);
  void DeleteObject(std::uint32_t index);
  // A brush of the table or a stock brush (index with the top bit set); none when the slot holds no brush.
  std::optional<MetaBrush> BrushAt(std::uint32_t index) const;
  // A region of the table; null when the slot holds none.
  const MetaRegion* RegionAt(std::uint32_t index) const;

  // --- drawing, logical coordinates
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void PolylineTo(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  void PolyPolygon(const std::vector<std::vector<TPoint>>& polygons);
  void Rectangle(const TRect& box);
  void RoundRect(const TRect& box, int cornerWidth, int cornerHeight);
  void Ellipse(const TRect& box);
  enum class ArcShape { Arc, Chord, Pie };
  void ArcShaped(ArcShape shape, const TRect& box, TPoint start, TPoint end);
  void SetPixel(int x, int y, TColor c);
  // Text at the reference point, aligned by the text alignment; ETO_OPAQUE fills
  // `rect` with the background colour first.
  void TextOut(int x, int y, const std::string& text, std::uint32_t options, std::optional<TRect> rect);
  // Copies srcRect of the picture (or fills, for operations without a source) onto
  // the logical rectangle dest.
  void Blit(const TRect& dest, const Bitmap* picture, const TRect& srcRect, std::uint32_t rop);

  // Records the player could not draw (counted by the players, and by the
  // device for text inside a path).
  void CountNotDrawn() { ++notDrawn_; }
  std::size_t NotDrawn() const { return notDrawn_; }

  // --- curves (MetafileDeviceCurves.cpp)
  // A start point and three points for each curve: two control points and its end.
  void PolyBezier(const std::vector<TPoint>& points);
  // Three points for each curve, from the current position, which moves to the last.
  void PolyBezierTo(const std::vector<TPoint>& points);
  // Points each with its kind (gdi::PT_*), from the current position.
  void PolyDraw(const std::vector<TPoint>& points, const std::vector<std::uint8_t>& kinds);
  // A line from the current position to the arc's start, then the arc of the
  // circle; angles in degrees, counter-clockwise.
  void AngleArc(TPoint centre, std::uint32_t radius, double startDegrees, double sweepDegrees);
  // A line from the current position to the arc's start, then the arc.
  void ArcTo(const TRect& box, TPoint start, TPoint end);

  // --- paths (MetafileDeviceCurves.cpp)
  void BeginPath();
  void EndPath() { state_.pathOpen = false; }
  void AbortPath();
  void CloseFigure();
  void FillPath();
  void StrokePath();
  void StrokeAndFillPath();
  // Curves are flattened as they enter the path: nothing is left to do.
  void FlattenPath() {}
  void WidenPath();
  void SelectClipPath(int mode);

  // --- clipping and regions (MetafileDeviceClipping.cpp)
  void IntersectClipRect(const TRect& box);
  void ExcludeClipRect(const TRect& box);
  void OffsetClipRgn(int dx, int dy);
  void SetMetaRgn();
  // Combines the clip with rectangles in the reference device's pixels by one
  // of gdi::RGN_*; RGN_COPY without rectangles removes the clip.
  void SelectClipRects(const std::vector<TRect>* deviceRects, int mode);
  // Rectangles in logical units.
  void FillRegion(const std::vector<TRect>& rects, const MetaBrush& brush);
  void FrameRegion(const std::vector<TRect>& rects, const MetaBrush& brush, int width, int height);
  void PaintRegion(const std::vector<TRect>& rects);
  void InvertRegion(const std::vector<TRect>& rects);
  // A region of the table selected as the clip.
  void SelectClipRegionObject(std::uint32_t index);

 private:
  struct DCState {
    int mapMode = gdi::MM_TEXT;
    TPoint windowOrg, viewportOrg;
    TSize windowExt{1, 1}, viewportExt{1, 1};
    bool bkTransparent = false;
    TColor bkColor = clWhite;
    TColor textColor = clBlack;
    std::uint32_t textAlign = 0;
    TPoint position;
    MetaPen pen;
    MetaBrush brush;
    MetaFont font;
    AffineTransform world;
    FillRule fillRule = FillRule::Alternate;
    bool clockwise = false;
    // In canvas pixels; null: none.
    std::shared_ptr<const Region> clip, metaRegion;
    // The path being recorded (pathOpen) or recorded.
    std::optional<Path> path;
    bool pathOpen = false;
  };

  // Page space (after the world transform) to canvas.
  AffineTransform PageToCanvas() const;
  // Logical coordinates to canvas.
  AffineTransform Mapping() const { return state_.world.Then(PageToCanvas()); }
  TPointF Map(TPoint p) const { return Mapping().Apply(TPointF{double(p.x), double(p.y)}); }
  TPoint ToCanvas(TPoint p) const;
  // The box round the mapped rectangle.
  TRect BoxToCanvas(const TRect& box) const;
  std::vector<TPoint> PointsToCanvas(const std::vector<TPoint>& points) const;
  // Logical lengths along each axis, and on average, in canvas pixels.
  double ScaleX() const;
  double ScaleY() const;
  double PenScale() const { return Mapping().LengthScale(); }
  bool Mirrored() const { return Mapping().Mirrors(); }
  // True when shapes go to the canvas as figures: the mapping turns or
  // shears them, or a path records them.
  bool AsFigures() const { return state_.pathOpen || !Mapping().IsAxisAligned(); }
  bool Recording() const { return state_.pathOpen && state_.path; }
  static TPoint Rounded(TPointF p);
  static std::vector<TPoint> Rounded(const std::vector<TPointF>& points);

  // A shape as a figure in canvas coordinates: drawn (filled when closed and
  // `filled`, stroked) or added to the path.
  void Figure(std::vector<TPointF> points, bool closed, bool filled);
  void StrokeFigures(const Path& path);
  void FillFigures(const Path& path);
  // The outlines of shapes in canvas coordinates.
  std::vector<TPointF> RectFigure(const TRect& box) const;
  std::vector<TPointF> EllipseFigure(const TRect& box) const;
  std::vector<TPointF> RoundRectFigure(const TRect& box, int cornerWidth, int cornerHeight) const;
  // The arc from the ray through start to the ray through end in the arc
  // direction, first point on the start ray.
  std::vector<TPointF> ArcFigure(const TRect& box, TPoint start, TPoint end) const;
  // The same in logical coordinates.
  std::vector<TPointF> LogicalArc(const TRect& box, TPoint start, TPoint end) const;
  std::vector<TPointF> Mapped(const std::vector<TPointF>& logical) const;
  // Logical lengths that stay within a canvas pixel.
  double LogicalStep() const;
  // The path, its current point moved to the current position when it is elsewhere.
  Path& PathAtPosition();
  // A path of lines and curves from the current position: the open path, or
  // a new one that is stroked once `add` has filled it.
  template <typename Add>
  void Lines(Add add);

  // The clip: combined with a region in canvas pixels, and handed to the canvas.
  void CombineClip(const Region& region, int mode);
  void ApplyClip();
  RowRange CanvasRows() const { return RowRange{0, canvas_.Target().Height()}; }
  Region LogicalRectsRegion(const std::vector<TRect>& rects) const;

  void UseShapeTools();
  void UseFont();

  TCanvas& canvas_;
  DeviceToCanvas base_;
  DCState state_;
  std::vector<DCState> saved_;
  std::vector<std::optional<MetaObject>> objects_;
  std::size_t notDrawn_ = 0;
  bool clipped_ = false;  // the canvas's clip was set by the records
};

}  // namespace kestrova
