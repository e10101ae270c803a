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

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/images/metafile/CopyOnWrite.h"
#include "rendering/AffineTransform.h"
#include "rendering/ArcGeometry.h"
#include "rendering/BrushPattern.h"
#include "rendering/Canvas.h"
#include "rendering/Path.h"
#include "rendering/Region.h"
#include "rendering/TextRun.h"
#include "rendering/WorkBudget.h"

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
constexpr std::uint32_t ETO_GLYPH_INDEX = 0x10;
constexpr std::uint32_t ETO_RTLREADING = 0x80;
constexpr std::uint32_t ETO_PDY = 0x2000;
constexpr unsigned PS_NULL = 5;
constexpr unsigned PS_INSIDEFRAME = 6;
constexpr unsigned PS_USERSTYLE = 7;
constexpr unsigned PS_ALTERNATE = 8;
constexpr std::uint32_t PS_STYLE_MASK = 0x0F;
constexpr std::uint32_t PS_ENDCAP_MASK = 0xF00;
constexpr std::uint32_t PS_ENDCAP_SQUARE = 0x100;
constexpr std::uint32_t PS_ENDCAP_FLAT = 0x200;
constexpr std::uint32_t PS_JOIN_MASK = 0xF000;
constexpr std::uint32_t PS_JOIN_BEVEL = 0x1000;
constexpr std::uint32_t PS_JOIN_MITER = 0x2000;
constexpr std::uint32_t PS_GEOMETRIC = 0x10000;
constexpr unsigned BS_PATTERN = 3;
constexpr unsigned BS_DIBPATTERN = 5;
constexpr unsigned BS_DIBPATTERNPT = 6;
constexpr int R2_COPYPEN = 13;
constexpr unsigned BS_SOLID = 0;
constexpr unsigned BS_NULL = 1;
constexpr unsigned BS_HATCHED = 2;
// Fill modes, arc directions, region combinations, world transform changes, point kinds.
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : int { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum : int { MWT_IDENTITY = 1, MWT_LEFTMULTIPLY = 2, MWT_RIGHTMULTIPLY = 3, MWT_SET = 4 };
enum : std::uint8_t { PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6 };
enum : int { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1, GRADIENT_FILL_TRIANGLE = 2 };
enum : std::uint32_t { FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1 };
}  // namespace gdi

struct MetaPen {
  bool visible = true;
  int width = 0;  // logical units; 0 draws one pixel wide
  TColor color = clBlack;
  // The style word of the pen records: style, end cap, join and type bits.
  std::uint32_t style = 0;
  // User-styled pens: dash and gap lengths (logical units for geometric pens).
  std::vector<double> dashes{};
};

struct MetaBrush {
  bool visible = true;
  TColor color = clWhite;
  // A hatched brush: its hatch style; a pattern brush: its pattern
  // (PictureBrush), drawn in the text and background colours when it is a
  // two-colour one.
  std::optional<HatchStyle> hatch{};
  std::shared_ptr<const BrushPattern> pattern{};
  bool twoColor = false;
};

struct MetaFont {
  int height = 0;  // logical units; negative: character (em) height, positive: cell height
  int width = 0;   // the average character width in logical units; 0: the face's own
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  std::uint8_t charset = 1;
  std::uint8_t quality = 0;
  std::string face;  // UTF-8
  // The baseline's angle, tenths of a degree counter-clockwise; the glyphs
  // turn with it, unless a text record asks for the advanced mode, where
  // they turn by the orientation.
  int escapement = 0;
  int orientation = 0;
  // The device's default font has a fixed size in pixels instead.
  int devicePixels = 0;
};

// The size of the device's default font, in pixels.
constexpr int kDefaultFontPixels = 16;

// The points of glyph outlines that text may add to a picture's paths
// (some 25,000 glyphs): past them, text in a path is left out.
constexpr std::size_t kMaxOutlinePoints = std::size_t{1} << 20;

// A corner of a gradient fill: a logical point and its colour.
struct GradientVertex {
  TPoint at;
  TColor color = 0;
};

// A region object: rectangles in logical units, and the region they make on
// the canvas under the mapping it was last used with (mapped again only when
// the mapping changes).
struct MetaRegion {
  std::vector<TRect> rects;
  std::shared_ptr<const Region> mapped{};
  AffineTransform mappedBy{};
};

// Glyphs of a text record shown as one: `count` of the run's glyphs from
// `first`, placed at their offsets (pixels along and across the baseline)
// from the cluster's pen; the record's code units it stands for; its advance
// in pixels; whether it is a break character (a space).
struct ShownCluster {
  std::size_t first = 0;
  std::size_t count = 0;
  std::vector<TPointF> offsets;
  std::size_t units = 0;
  double advance = 0;
  bool space = false;
};

// What a text record draws: the text at the reference point, the options and
// rectangle of the extended record, and the distances from each character's
// origin to the next in logical units (with ETO_PDY pairs: along the baseline,
// then upwards across it), for each code unit of the recorded text.
struct MetaText {
  TPoint reference;
  std::string text;  // UTF-8
  // With ETO_GLYPH_INDEX: the face's glyph numbers in place of the text.
  std::u32string glyphs{};
  std::uint32_t options = 0;
  std::optional<TRect> rect{};
  std::vector<int> dx{};
  // How many recorded code units each character of `text` took; empty: one each.
  std::vector<int> units{};
  // The advanced graphics mode: the glyphs turn by the font's orientation
  // while the baseline runs along its escapement.
  bool advanced = false;
};

// The code units of each character of single-byte text as the players read
// it (see DecodeTextFile): a UTF-8 sequence's bytes, else one byte each.
std::vector<int> SingleByteUnits(std::string_view bytes);

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

// The index byte of a ternary raster operation code (bits 16..23).
constexpr std::uint8_t Rop3Of(std::uint32_t rop) { return static_cast<std::uint8_t>((rop >> 16) & 0xFF); }

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
  // The text and background colours, in which a one-bit device bitmap is copied.
  std::array<TColor, 2> TwoColours() const { return {state_.textColor, state_.bkColor}; }
  void SetTextAlign(std::uint32_t align) { state_.textAlign = align; }
  void SetTextCharacterExtra(int extra) { state_.charExtra = extra; }
  // `extra` logical units spread over the next texts' `count` break characters (spaces).
  void SetTextJustification(int extra, int count);
  void SetRop2(int mode) { state_.rop2 = mode >= 1 && mode <= 16 ? mode : gdi::R2_COPYPEN; }
  // The brush origin, in device pixels.
  void SetBrushOrg(int x, int y) { state_.brushOrg = {x, y}; }
  void SetMiterLimit(double limit) { state_.miterLimit = limit >= 1 ? limit : state_.miterLimit; }
  // Saves the state; past kMaxSavedStates states, or past kMaxSavedPathSize
  // for the paths they hold, the state is not saved and the record counted
  // as not drawn.
  void SaveDC();
  // Negative: that many states back; positive: the state saved as number n (from 1).
  void RestoreDC(int n);
  static constexpr std::size_t kMaxSavedStates = std::size_t{1} << 14;
  static constexpr std::size_t kMaxSavedPathSize = std::size_t{1} << 20;

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
  // A region of the table on the canvas; null when the slot holds none.
  const Region* RegionObject(std::uint32_t index);

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
  // Text at the reference point (the current position with TA_UPDATECP, which
  // then moves past it), aligned by the text alignment and turned by the
  // font's escapement; ETO_OPAQUE fills the rectangle with the background
  // colour first, ETO_CLIPPED keeps the text inside it. While a path is
  // open, the glyphs' outlines go into the path and nothing is painted.
  void TextOut(const MetaText& text);
  // Copies srcRect of the picture onto the logical rectangle dest through the
  // ternary raster operation, the brush as its pattern; an operation without a
  // source works on the rectangle alone (the picture may be missing then).
  void Blit(const TRect& dest, const Bitmap* picture, const TRect& srcRect, std::uint32_t rop);
  // The same through a one-bit mask whose pixel `maskCorner` lies under
  // srcRect's top-left: the foreground operation (bits 16..23 of rop) where
  // the mask bit is 1, the background one (bits 24..31) where it is 0.
  void MaskBlit(const TRect& dest, const Bitmap* picture, const TRect& srcRect, const Bitmap& mask, TPoint maskCorner,
                std::uint32_t rop);
  // The picture's srcRect blended onto dest: constant alpha 0..255, and the
  // picture's own alpha when sourceAlpha is set.
  void AlphaBlend(const TRect& dest, const Bitmap& picture, const TRect& srcRect, std::uint8_t alpha,
                  bool sourceAlpha);
  // Rectangles (pairs of vertex numbers: a corner and the opposite one)
  // shaded across (GRADIENT_FILL_RECT_H) or down, or triangles (triples)
  // shaded between their corners' colours.
  void GradientFill(const std::vector<GradientVertex>& vertices,
                    const std::vector<std::array<std::uint32_t, 3>>& pieces, int mode);
  // The picture's srcRect onto dest, its pixels of the colour `transparent` left out.
  void TransparentBlit(const TRect& dest, const Bitmap& picture, const TRect& srcRect, TColor transparent);
  // The picture's srcRect onto the parallelogram whose corners are the logical
  // points given (the source's top-left, top-right and bottom-left); with a
  // mask only where its bit (from maskCorner on) is 1.
  void ParallelogramBlit(const std::array<TPoint, 3>& corners, const Bitmap& picture, const TRect& srcRect,
                         const Bitmap* mask, TPoint maskCorner);

  // Records the player could not draw.
  void CountNotDrawn() { ++notDrawn_; }
  // Plays a record through `play` within the picture's work budget, which
  // grows with its pixels: once the budget is spent, the record that spent it
  // is cut short where it stood, and it and every later one are counted as
  // not drawn instead of played.
  void Play(const std::function<void()>& play);
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

  // --- flood fills (MetafileDeviceFloodFill.cpp)
  // From the logical point, the brush over the pixels up to the colour
  // (gdi::FLOODFILLBORDER) or of the colour (gdi::FLOODFILLSURFACE), inside the clip.
  void FloodFill(TPoint at, TColor colour, std::uint32_t mode);

  // --- clipping and regions (MetafileDeviceClipping.cpp)
  void IntersectClipRect(const TRect& box);
  void ExcludeClipRect(const TRect& box);
  void OffsetClipRgn(int dx, int dy);
  void SetMetaRgn();
  // Combines the clip with rectangles in the reference device's pixels by one
  // of gdi::RGN_*; RGN_COPY without rectangles removes the clip.
  void SelectClipRects(const std::vector<TRect>* deviceRects, int mode);
  // Rectangles in logical units on the canvas.
  Region LogicalRectsRegion(const std::vector<TRect>& rects) const;
  // Regions on the canvas.
  void FillRegion(const Region& region, const MetaBrush& brush);
  void FrameRegion(const Region& region, const MetaBrush& brush, int width, int height);
  void PaintRegion(const Region& region);
  void InvertRegion(const Region& region);
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
    int rop2 = gdi::R2_COPYPEN;
    int charExtra = 0;
    int breakExtra = 0, breakCount = 0;
    TPoint brushOrg;
    double miterLimit = 10;
    MetaPen pen;
    MetaBrush brush;
    MetaFont font;
    AffineTransform world;
    FillRule fillRule = FillRule::Alternate;
    bool clockwise = false;
    // In canvas pixels; null: none.
    std::shared_ptr<const Region> clip, metaRegion;
    // The path being recorded (pathOpen) or recorded; shared with the saved
    // states until it changes.
    CopyOnWrite<Path> path;
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
  // True, counting the figure as not drawn, when the path being recorded
  // takes no more flattened points (Path::kMaxCurvePoints).
  bool FigureLeftOut();
  static TPoint Rounded(TPointF p);
  static std::vector<TPoint> Rounded(const std::vector<TPointF>& points);

  // A shape as a figure in canvas coordinates: drawn (filled when closed and
  // `filled`, stroked) or added to the path.
  void Figure(std::vector<TPointF> points, bool closed, bool filled);
  void StrokeFigures(const Path& path);
  void FillFigures(const Path& path);
  // The outlines of shapes in canvas coordinates, where they matter (curved
  // parts far beyond the picture are left as chords, see ArcPointsWithin).
  std::vector<TPointF> RectFigure(const TRect& box) const;
  std::vector<TPointF> EllipseFigure(const TRect& box) const;
  std::vector<TPointF> RoundRectFigure(const TRect& box, int cornerWidth, int cornerHeight) const;
  // An arc of an ellipse in logical coordinates, walked backwards or not.
  struct LogicalArc {
    TPointF centre;
    double a = 0, b = 0;
    ArcSteps steps;
    bool backwards = false;
  };
  // The arc from the ray through start to the ray through end in the arc direction.
  LogicalArc ArcOf(const TRect& box, TPoint start, TPoint end) const;
  // Its points on the canvas, where they matter, first on the start ray; and
  // its last point in logical units.
  std::vector<TPointF> ArcFigure(const LogicalArc& arc) const;
  TPoint ArcEnd(const LogicalArc& arc) const;
  // A line from the current position to the arc's start, then the arc;
  // the current position moves to its end.
  void AddArc(const LogicalArc& arc);
  std::vector<TPointF> Mapped(const std::vector<TPointF>& logical) const;
  // Logical lengths that stay within a canvas pixel.
  double LogicalStep() const;
  // Where figures and curves matter: the picture, as far again as it is
  // large around it, and the pen's width.
  TRect Reach() const;
  // An empty path whose curves are flattened within that reach.
  Path NewPath() const;
  // The path, its current point moved to the current position when it is elsewhere.
  Path& PathAtPosition();
  // A path of lines and curves from the current position: the open path, or
  // a new one that is stroked once `add` has filled it.
  template <typename Add>
  void Lines(Add add);

  // The clip: combined with a region in canvas pixels, and handed to the canvas.
  void CombineClip(const Region& region, int mode);
  void ApplyClip();
  // The clip and the meta region together; none when neither is set.
  std::shared_ptr<const Region> ActiveClip() const;
  // The pixels of a figure of canvas points.
  Region FigureRegion(const std::vector<TPoint>& corners) const;
  // Runs `draw` with the canvas clipped to the region as well.
  void WithinRegion(const Region& region, const std::function<void()>& draw);
  RowRange CanvasRows() const { return RowRange{0, canvas_.Target().Height()}; }
  // Where regions the records make are kept: the canvas's rows, and the
  // columns within reach (Reach) of the picture.
  TRect RegionArea() const;

  // A canvas copy of part of a picture onto a canvas rectangle.
  using CanvasCopy = std::function<void(const TRect& to, const Bitmap& picture, const TRect& part)>;
  // Copies srcRect of the picture, its pixels mapped onto logical units by
  // sourceToLogical, through `copy`: as a rectangle where the whole mapping
  // is along the axes, resampled within the turned shape otherwise.
  void CopyMapped(const AffineTransform& sourceToLogical, const Bitmap& picture, const TRect& srcRect,
                  const CanvasCopy& copy);

  // Gives the colours of `count` pixels of canvas row y from column x0 on,
  // toLogical taking canvas points to logical ones.
  using RowShader = std::function<void(const AffineTransform& toLogical, int y, int x0, int count, TColor* out)>;
  // Paints the pixels of the figure of logical corners that the clip leaves
  // in the colours the shader gives, a row at a time.
  void ShadeFigure(const std::vector<TPoint>& logicalCorners, const RowShader& shade);
  void ShadeTriangle(const GradientVertex& a, const GradientVertex& b, const GradientVertex& c);

  void UseShapeTools();
  TPen CanvasPen() const;
  TBrush CanvasBrush(const MetaBrush& brush) const;
  // Selects the font's name, style, colour and quality on the canvas, and
  // gives the face at the font's height.
  SizedFont& UseFont();
  // The characters laid out along the baseline from the reference point by the
  // record's distances (or the font's advances, the character extra and the
  // justification), then aligned by the text alignment.
  TextRun Layout(const MetaText& text, std::u32string chars, SizedFont& font);
  // Puts the record's characters into the run as they are shown, left to
  // right: as they come, or put in display order and shaped where they need
  // it or the record reads right to left. Gives the clusters shown.
  std::vector<ShownCluster> ShownClusters(const MetaText& text, std::u32string chars, SizedFont& font, TextRun& run);
  // The laid-out text with its reference point at `at`: its glyphs' outlines
  // added to the open path, or painted (within `clip` when given).
  void PlaceRun(SizedFont& font, TPointF at, const TextRun& run, const std::optional<Region>& clip);
  // A displacement on the canvas in logical units.
  TPoint LogicalOffset(TPointF canvasOffset) const;
  // The turn the mapping gives text, in tenths of a degree counter-clockwise.
  int MappingTenths() const;
  // How much the font's width field widens its glyphs, in thousandths.
  int Widening(SizedFont& font) const;

  TCanvas& canvas_;
  DeviceToCanvas base_;
  DCState state_;
  // Each saved state with the size (PathSize) its path adds to those of the
  // states saved before it: none when it shares the path of the one before.
  struct SavedState {
    DCState state;
    std::size_t pathSize = 0;
  };
  std::vector<SavedState> saved_;
  std::size_t savedPathSize_ = 0;
  std::vector<std::optional<MetaObject>> objects_;
  std::size_t notDrawn_ = 0;
  // Points of glyph outlines the picture's paths may still take.
  std::size_t outlineBudget_ = kMaxOutlinePoints;
  bool clipped_ = false;  // the canvas's clip was set by the records
  WorkBudget budget_;
};

}  // namespace kestrova
