#include "core/images/metafile/MetafileDevice.h"

#include <algorithm>
#include <cmath>

#include "core/support/TextEncoding.h"
#include "rendering/FontEngine.h"
#include "rendering/Utf8.h"

namespace kestrova {

namespace {

// Slots beyond this are refused: no real metafile has more objects, and a
// lying index must not make the table huge.
constexpr std::uint32_t kMaxObjects = 65536;

// Millimetres per logical unit of the fixed mapping modes.
double MillimetresPerUnit(int mode) {
  switch (mode) {
    case gdi::MM_LOMETRIC: return 0.1;
    case gdi::MM_HIMETRIC: return 0.01;
    case gdi::MM_LOENGLISH: return 0.254;
    case gdi::MM_HIENGLISH: return 0.0254;
    case gdi::MM_TWIPS: return 25.4 / 1440;
    default: return 0;
  }
}

int Round(double v) { return static_cast<int>(std::lrint(std::clamp(v, -1e9, 1e9))); }

MetaFont DefaultFont() {
  MetaFont f;
  f.devicePixels = kDefaultFontPixels;
  return f;
}

// The work a picture's drawing may take (WorkBudget.h): each pixel mixed
// some hundreds of times over, at least what a small picture full of detail
// takes (half a second or so), at most a second's worth.
std::int64_t PictureWork(const Bitmap& target) {
  constexpr std::int64_t kPerPixel = 256 * work::kPixel, kLeast = std::int64_t{1} << 31, kMost = std::int64_t{1} << 32;
  return std::clamp(kPerPixel * target.Width() * target.Height(), kLeast, kMost);
}

}  // namespace

MetafileDevice::MetafileDevice(TCanvas& canvas, const DeviceToCanvas& base)
    : canvas_(canvas), base_(base), budget_(PictureWork(canvas.Target())) {
  state_.font = DefaultFont();
}

MetafileDevice::~MetafileDevice() {
  if (clipped_) canvas_.SelectClipRegion(nullptr);
}

void MetafileDevice::Play(const std::function<void()>& play) {
  if (budget_.Spent()) {
    CountNotDrawn();
    return;
  }
  try {
    play();
  } catch (const WorkBudgetSpent&) {
    CountNotDrawn();
  }
}

// ---------------------------------------------------------------- state

void MetafileDevice::SetWindowExt(int cx, int cy) {
  if (cx != 0 && cy != 0) state_.windowExt = {cx, cy};
}

void MetafileDevice::SetViewportExt(int cx, int cy) {
  if (cx != 0 && cy != 0) state_.viewportExt = {cx, cy};
}

namespace {

// v * num / denom held in the int range; nothing when that is 0 or denom is.
int ScaledExtent(int v, int num, int denom) {
  if (denom == 0) return v;
  const std::int64_t scaled = std::int64_t{v} * num / denom;
  return scaled == 0 ? v : SaturatedInt(scaled);
}

}  // namespace

void MetafileDevice::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
  state_.windowExt = {ScaledExtent(state_.windowExt.cx, xNum, xDenom), ScaledExtent(state_.windowExt.cy, yNum, yDenom)};
}

void MetafileDevice::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
  state_.viewportExt = {ScaledExtent(state_.viewportExt.cx, xNum, xDenom),
                        ScaledExtent(state_.viewportExt.cy, yNum, yDenom)};
}

void MetafileDevice::OffsetWindowOrg(int dx, int dy) {
  state_.windowOrg = {SaturatedInt(std::int64_t{state_.windowOrg.x} + dx),
                      SaturatedInt(std::int64_t{state_.windowOrg.y} + dy)};
}

void MetafileDevice::OffsetViewportOrg(int dx, int dy) {
  state_.viewportOrg = {SaturatedInt(std::int64_t{state_.viewportOrg.x} + dx),
                        SaturatedInt(std::int64_t{state_.viewportOrg.y} + dy)};
}

void MetafileDevice::ModifyWorldTransform(const AffineTransform& t, int mode) {
  switch (mode) {
    case gdi::MWT_IDENTITY: state_.world = AffineTransform{}; break;
    case gdi::MWT_LEFTMULTIPLY: state_.world = t.Then(state_.world); break;
    case gdi::MWT_RIGHTMULTIPLY: state_.world = state_.world.Then(t); break;
    case gdi::MWT_SET: state_.world = t; break;
    default: break;
  }
}

void MetafileDevice::SetPolyFillMode(int mode) {
  if (mode == gdi::ALTERNATE) state_.fillRule = FillRule::Alternate;
  if (mode == gdi::WINDING) state_.fillRule = FillRule::Winding;
}

namespace {

// What a path holds: its points and figures.
std::size_t PathSize(const Path& path) {
  std::size_t size = path.Figures().size();
  for (const Path::Figure& figure : path.Figures()) size += figure.points.size();
  return size;
}

}  // namespace

void MetafileDevice::SaveDC() {
  // A path shared with the state saved last was counted with it.
  const bool counted = !state_.path || (!saved_.empty() && saved_.back().state.path.Shares(state_.path));
  const std::size_t pathSize = counted ? 0 : PathSize(*std::as_const(state_).path);
  if (saved_.size() >= kMaxSavedStates || savedPathSize_ + pathSize > kMaxSavedPathSize) {
    CountNotDrawn();
    return;
  }
  saved_.push_back(SavedState{state_, pathSize});
  savedPathSize_ += pathSize;
}

void MetafileDevice::RestoreDC(int n) {
  const auto count = static_cast<std::int64_t>(saved_.size());
  std::int64_t target = 0;
  if (n < 0 && -static_cast<std::int64_t>(n) <= count)
    target = count + n;
  else if (n > 0 && n <= count)
    target = n - 1;
  else
    return;
  const DCState& restored = saved_[static_cast<std::size_t>(target)].state;
  // The canvas keeps its clip when the state restored has the same one.
  const bool sameClip = state_.clip == restored.clip && state_.metaRegion == restored.metaRegion;
  state_ = restored;
  for (auto it = saved_.begin() + target; it != saved_.end(); ++it) savedPathSize_ -= it->pathSize;
  saved_.resize(static_cast<std::size_t>(target));
  if (!sameClip) ApplyClip();
}

// ---------------------------------------------------------------- objects

void MetafileDevice::CreateObjectAt(std::uint32_t index, MetaObject object) {
  if (index >= kMaxObjects) return;
  if (index >= objects_.size()) objects_.resize(index + 1);
  objects_[index] = std::move(object);
}

void MetafileDevice::CreateObject(MetaObject object) {
  auto free = std::find_if(objects_.begin(), objects_.end(), [](const auto& o) { return !o.has_value(); });
  if (free != objects_.end())
    *free = std::move(object);
  else if (objects_.size() < kMaxObjects)
    objects_.push_back(std::move(object));
}

void MetafileDevice::SelectObject(std::uint32_t index) {
  if (index >= objects_.size() || !objects_[index]) return;
  std::visit(
      [this, index](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, MetaPen>) state_.pen = o;
        if constexpr (std::is_same_v<T, MetaBrush>) state_.brush = o;
        if constexpr (std::is_same_v<T, MetaFont>) state_.font = o;
        if constexpr (std::is_same_v<T, MetaRegion>) SelectClipRegionObject(index);
      },
      *objects_[index]);
}

namespace {

// The stock brushes: 0 white, 1 light grey, 2 grey, 3 dark grey, 4 black, 5 null, 18 the DC brush.
std::optional<MetaBrush> StockBrush(std::uint32_t stock) {
  static const TColor kBrushColors[] = {clWhite, 0xC0C0C0, 0x808080, 0x404040, clBlack};
  if (stock <= 4) return MetaBrush{true, kBrushColors[stock]};
  if (stock == 5) return MetaBrush{false, clWhite};
  if (stock == 18) return MetaBrush{true, clWhite};
  return std::nullopt;
}

}  // namespace

void MetafileDevice::SelectStockObject(std::uint32_t stock) {
  if (const auto brush = StockBrush(stock)) state_.brush = *brush;
  if (stock == 6) state_.pen = MetaPen{true, 0, clWhite};
  if (stock == 7) state_.pen = MetaPen{true, 0, clBlack};
  if (stock == 8) state_.pen = MetaPen{false, 0, clBlack};
  if (stock >= 10 && stock <= 17) state_.font = DefaultFont();
  if (stock == 19) state_.pen = MetaPen{true, 0, clBlack};
}

void MetafileDevice::DeleteObject(std::uint32_t index) {
  if (index < objects_.size()) objects_[index].reset();
}

std::optional<MetaBrush> MetafileDevice::BrushAt(std::uint32_t index) const {
  constexpr std::uint32_t kStock = 0x80000000;
  if (index & kStock) return StockBrush(index & ~kStock);
  if (index >= objects_.size() || !objects_[index]) return std::nullopt;
  if (const auto* brush = std::get_if<MetaBrush>(&*objects_[index])) return *brush;
  return std::nullopt;
}

const Region* MetafileDevice::RegionObject(std::uint32_t index) {
  if (index >= objects_.size() || !objects_[index]) return nullptr;
  MetaRegion* region = std::get_if<MetaRegion>(&*objects_[index]);
  if (!region) return nullptr;
  const AffineTransform mapping = Mapping();
  if (!region->mapped || !(region->mappedBy == mapping)) {
    region->mapped = std::make_shared<const Region>(LogicalRectsRegion(region->rects));
    region->mappedBy = mapping;
  }
  return region->mapped.get();
}

// ---------------------------------------------------------------- mapping

AffineTransform MetafileDevice::PageToCanvas() const {
  const DCState& s = state_;
  double sx = 1, sy = 1;
  if (const double mm = MillimetresPerUnit(s.mapMode); mm > 0) {
    sx = base_.pixelsPerMmX * mm;
    sy = -base_.pixelsPerMmY * mm;  // y grows upwards
  } else if (s.mapMode == gdi::MM_ISOTROPIC || s.mapMode == gdi::MM_ANISOTROPIC) {
    sx = static_cast<double>(s.viewportExt.cx) / s.windowExt.cx;
    sy = static_cast<double>(s.viewportExt.cy) / s.windowExt.cy;
    if (s.mapMode == gdi::MM_ISOTROPIC) {
      // The viewport's extent is cut down so that both axes scale alike.
      const double m = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(m, sx);
      sy = std::copysign(m, sy);
    }
  }
  return AffineTransform::Scaling(sx * base_.scaleX, sy * base_.scaleY,
                                  (s.viewportOrg.x - s.windowOrg.x * sx) * base_.scaleX + base_.offsetX,
                                  (s.viewportOrg.y - s.windowOrg.y * sy) * base_.scaleY + base_.offsetY);
}

TPoint MetafileDevice::Rounded(TPointF p) { return TPoint{Round(p.x), Round(p.y)}; }

std::vector<TPoint> MetafileDevice::Rounded(const std::vector<TPointF>& points) {
  std::vector<TPoint> out;
  out.reserve(points.size());
  for (const TPointF& p : points) out.push_back(Rounded(p));
  return out;
}

TPoint MetafileDevice::ToCanvas(TPoint p) const { return Rounded(Map(p)); }

std::vector<TPoint> MetafileDevice::PointsToCanvas(const std::vector<TPoint>& points) const {
  const AffineTransform m = Mapping();
  std::vector<TPoint> out;
  out.reserve(points.size());
  for (const TPoint& p : points) out.push_back(Rounded(m.Apply(TPointF{double(p.x), double(p.y)})));
  return out;
}

TRect MetafileDevice::BoxToCanvas(const TRect& box) const {
  const std::vector<TPoint> corners =
      PointsToCanvas({{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}});
  TRect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const TPoint& c : corners) {
    r.left = std::min(r.left, c.x);
    r.top = std::min(r.top, c.y);
    r.right = std::max(r.right, c.x);
    r.bottom = std::max(r.bottom, c.y);
  }
  return r;
}

double MetafileDevice::ScaleX() const {
  const AffineTransform m = Mapping();
  return std::hypot(m.m11, m.m12);
}

double MetafileDevice::ScaleY() const {
  const AffineTransform m = Mapping();
  return std::hypot(m.m21, m.m22);
}

// ---------------------------------------------------------------- drawing

TPen MetafileDevice::CanvasPen() const {
  const MetaPen& m = state_.pen;
  const std::uint32_t style = m.style & gdi::PS_STYLE_MASK;
  TPen pen;
  pen.color = m.color;
  static const PenStyle kStyles[] = {PenStyle::psSolid,      PenStyle::psDash,  PenStyle::psDot,
                                     PenStyle::psDashDot,    PenStyle::psDashDotDot, PenStyle::psClear,
                                     PenStyle::psSolid,      PenStyle::psUserStyle,  PenStyle::psAlternate};
  pen.style = !m.visible ? PenStyle::psClear : style < std::size(kStyles) ? kStyles[style] : PenStyle::psSolid;
  pen.geometric = m.style & gdi::PS_GEOMETRIC;
  pen.width = m.width == 0 && !pen.geometric ? 1 : std::max(1, Round(m.width * PenScale()));
  // A pen of the plain pen records keeps its dashes only while it is a pixel wide.
  if (!pen.geometric && pen.width > 1 && pen.style != PenStyle::psClear) pen.style = PenStyle::psSolid;
  if (pen.geometric) {
    const std::uint32_t cap = m.style & gdi::PS_ENDCAP_MASK, join = m.style & gdi::PS_JOIN_MASK;
    pen.endCap = cap == gdi::PS_ENDCAP_SQUARE ? PenEndCap::pcSquare
                 : cap == gdi::PS_ENDCAP_FLAT ? PenEndCap::pcFlat
                                              : PenEndCap::pcRound;
    pen.join = join == gdi::PS_JOIN_BEVEL ? PenJoin::pjBevel
               : join == gdi::PS_JOIN_MITER ? PenJoin::pjMiter
                                            : PenJoin::pjRound;
  }
  pen.miterLimit = state_.miterLimit;
  pen.insideFrame = style == gdi::PS_INSIDEFRAME;
  // A geometric pen's own lengths are logical units; a cosmetic pen's are pixels.
  for (const double d : m.dashes) pen.dashes.push_back(pen.geometric ? d * PenScale() : d);
  pen.paintGaps = !state_.bkTransparent;
  pen.gapColor = state_.bkColor;
  return pen;
}

TBrush MetafileDevice::CanvasBrush(const MetaBrush& m) const {
  TBrush brush{m.color, m.visible ? BrushStyle::bsSolid : BrushStyle::bsClear};
  if (m.hatch) {
    const std::optional<TColor> gaps = state_.bkTransparent ? std::nullopt : std::optional<TColor>(state_.bkColor);
    brush.pattern = std::make_shared<BrushPattern>(BrushPattern::Hatch(*m.hatch, m.color, gaps));
  } else if (m.pattern) {
    brush.pattern = m.twoColor ? std::make_shared<BrushPattern>(m.pattern->InColors(state_.textColor, state_.bkColor))
                               : m.pattern;
  }
  // The origin is in device pixels.
  brush.origin = TPoint{Round(state_.brushOrg.x * base_.scaleX + base_.offsetX),
                        Round(state_.brushOrg.y * base_.scaleY + base_.offsetY)};
  return brush;
}

void MetafileDevice::UseShapeTools() {
  canvas_.Pen = CanvasPen();
  canvas_.Brush = CanvasBrush(state_.brush);
  canvas_.Rop2 = state_.rop2;
}

void MetafileDevice::LineTo(int x, int y) {
  if (Recording()) {
    PathAtPosition().LineTo(Map({x, y}));
    state_.position = {x, y};
    return;
  }
  UseShapeTools();
  const TPoint from = ToCanvas(state_.position), to = ToCanvas({x, y});
  canvas_.MoveTo(from.x, from.y);
  canvas_.LineTo(to.x, to.y);
  state_.position = {x, y};
}

void MetafileDevice::Polyline(const std::vector<TPoint>& points) {
  if (Recording()) {
    if (points.empty()) return;
    state_.path->MoveTo(Map(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i) state_.path->LineTo(Map(points[i]));
    return;
  }
  UseShapeTools();
  canvas_.Polyline(PointsToCanvas(points));
}

void MetafileDevice::PolylineTo(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  if (Recording()) {
    Path& path = PathAtPosition();
    for (const TPoint& p : points) path.LineTo(Map(p));
  } else {
    std::vector<TPoint> line{state_.position};
    line.insert(line.end(), points.begin(), points.end());
    Polyline(line);
  }
  state_.position = points.back();
}

void MetafileDevice::Polygon(const std::vector<TPoint>& points) {
  if (Recording()) {
    PolyPolygon({points});
    return;
  }
  UseShapeTools();
  canvas_.Polygon(PointsToCanvas(points), state_.fillRule);
}

void MetafileDevice::PolyPolygon(const std::vector<std::vector<TPoint>>& polygons) {
  if (Recording()) {
    const AffineTransform m = Mapping();
    for (const auto& polygon : polygons) {
      std::vector<TPointF> figure;
      for (const TPoint& p : polygon) figure.push_back(m.Apply(TPointF{double(p.x), double(p.y)}));
      state_.path->AddFigure(std::move(figure), true);
    }
    return;
  }
  UseShapeTools();
  std::vector<std::vector<TPoint>> mapped;
  mapped.reserve(polygons.size());
  for (const auto& polygon : polygons) mapped.push_back(PointsToCanvas(polygon));
  canvas_.PolyPolygon(mapped, state_.fillRule);
}

void MetafileDevice::Rectangle(const TRect& box) {
  if (AsFigures()) {
    Figure(RectFigure(box), true, true);
    return;
  }
  UseShapeTools();
  canvas_.Rectangle(BoxToCanvas(box));
}

void MetafileDevice::RoundRect(const TRect& box, int cornerWidth, int cornerHeight) {
  if (AsFigures()) {
    if (!FigureLeftOut()) Figure(RoundRectFigure(box, cornerWidth, cornerHeight), true, true);
    return;
  }
  UseShapeTools();
  const TRect r = BoxToCanvas(box);
  canvas_.RoundRect(r.left, r.top, r.right, r.bottom, Round(std::abs(static_cast<double>(cornerWidth)) * ScaleX()),
                    Round(std::abs(static_cast<double>(cornerHeight)) * ScaleY()));
}

void MetafileDevice::Ellipse(const TRect& box) {
  if (AsFigures()) {
    if (!FigureLeftOut()) Figure(EllipseFigure(box), true, true);
    return;
  }
  UseShapeTools();
  const TRect r = BoxToCanvas(box);
  canvas_.Ellipse(r.left, r.top, r.right, r.bottom);
}

void MetafileDevice::ArcShaped(ArcShape shape, const TRect& box, TPoint start, TPoint end) {
  if (AsFigures()) {
    if (FigureLeftOut()) return;
    std::vector<TPointF> figure = ArcFigure(ArcOf(box, start, end));
    const TPointF centre{(double(box.left) + box.right) / 2, (double(box.top) + box.bottom) / 2};
    if (shape == ArcShape::Pie) figure.push_back(Mapping().Apply(centre));
    Figure(std::move(figure), shape != ArcShape::Arc, shape != ArcShape::Arc);
    return;
  }
  UseShapeTools();
  const TRect r = BoxToCanvas(box);
  TPoint s = ToCanvas(start), e = ToCanvas(end);
  // Arcs run counter-clockwise in logical space unless the arc direction says
  // otherwise; a mapping that mirrors the picture turns that round on the canvas.
  if (Mirrored() != state_.clockwise) std::swap(s, e);
  switch (shape) {
    case ArcShape::Arc: canvas_.Arc(r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y); break;
    case ArcShape::Chord: canvas_.Chord(r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y); break;
    case ArcShape::Pie: canvas_.Pie(r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y); break;
  }
}

void MetafileDevice::SetPixel(int x, int y, TColor c) {
  const TPoint p = ToCanvas({x, y});
  canvas_.SetPixel(p.x, p.y, PlainRGB(c));
}

}  // namespace kestrova
