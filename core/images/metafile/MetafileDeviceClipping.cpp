// The metafile device's clip, meta region and region drawing.

#include <algorithm>
#include <cmath>

#include "core/images/metafile/MetafileDevice.h"
#include "rendering/ClipRegion.h"

namespace kestrova {

namespace {

// A rectangle larger than any picture: the clip where there is none.
Region Everything() {
  constexpr int kFar = 1 << 28;
  return Region::FromRect(TRect{-kFar, -kFar, kFar, kFar});
}

std::optional<RegionOp> OpOf(int mode) {
  switch (mode) {
    case gdi::RGN_AND: return RegionOp::And;
    case gdi::RGN_OR: return RegionOp::Or;
    case gdi::RGN_XOR: return RegionOp::Xor;
    case gdi::RGN_DIFF: return RegionOp::Diff;
    case gdi::RGN_COPY: return RegionOp::Copy;
    default: return std::nullopt;
  }
}

// The rectangles mapped onto the canvas, their corners on whole pixels, within the area.
Region RectsRegion(const std::vector<TRect>& rects, const AffineTransform& m, const TRect& within) {
  std::vector<std::vector<TPointF>> polygons;
  polygons.reserve(rects.size());
  for (const TRect& r : rects) {
    const double left = std::min(r.left, r.right), right = std::max(r.left, r.right);
    const double top = std::min(r.top, r.bottom), bottom = std::max(r.top, r.bottom);
    std::vector<TPointF> corners;
    for (const TPointF& p : {TPointF{left, top}, TPointF{right, top}, TPointF{right, bottom}, TPointF{left, bottom}}) {
      const TPointF q = m.Apply(p);
      corners.push_back(TPointF{std::nearbyint(q.x), std::nearbyint(q.y)});
    }
    polygons.push_back(std::move(corners));
  }
  return Region::FromPolygons(polygons, FillRule::Winding, within);
}

}  // namespace

TRect MetafileDevice::RegionArea() const {
  const TRect reach = Reach();
  return TRect{reach.left, 0, reach.right, canvas_.Target().Height()};
}

Region MetafileDevice::LogicalRectsRegion(const std::vector<TRect>& rects) const {
  return RectsRegion(rects, Mapping(), RegionArea());
}

void MetafileDevice::CombineClip(const Region& region, int mode) {
  const std::optional<RegionOp> op = OpOf(mode);
  if (!op) return;
  if (*op == RegionOp::Copy)
    state_.clip = std::make_shared<const Region>(region);
  else
    state_.clip = std::make_shared<const Region>((state_.clip ? *state_.clip : Everything()).Combined(region, *op));
  ApplyClip();
}

std::shared_ptr<const Region> MetafileDevice::ActiveClip() const {
  const auto& clip = state_.clip;
  const auto& meta = state_.metaRegion;
  if (clip && meta) return std::make_shared<const Region>(clip->Combined(*meta, RegionOp::And));
  return clip ? clip : meta;
}

void MetafileDevice::ApplyClip() {
  clipped_ = true;
  std::shared_ptr<const Region> active = ActiveClip();
  if (!active) {
    canvas_.SelectClipRegion(nullptr);
    return;
  }
  const ClipRegion selected = ClipRegion::Of(std::move(active));
  canvas_.SelectClipRegion(&selected);
}

Region MetafileDevice::FigureRegion(const std::vector<TPoint>& corners) const {
  std::vector<TPointF> outline;
  outline.reserve(corners.size());
  for (const TPoint& p : corners) outline.push_back(TPointF{double(p.x), double(p.y)});
  return Region::FromPolygons({outline}, FillRule::Winding, RegionArea());
}

void MetafileDevice::WithinRegion(const Region& region, const std::function<void()>& draw) {
  const std::shared_ptr<const Region> active = ActiveClip();
  const ClipRegion within = ClipRegion::Of(active ? active->Combined(region, RegionOp::And) : region);
  clipped_ = true;
  canvas_.SelectClipRegion(&within);
  try {
    draw();
  } catch (...) {
    ApplyClip();  // a drawing cut short leaves the records' clip as it was
    throw;
  }
  ApplyClip();
}

void MetafileDevice::IntersectClipRect(const TRect& box) { CombineClip(LogicalRectsRegion({box}), gdi::RGN_AND); }

void MetafileDevice::ExcludeClipRect(const TRect& box) { CombineClip(LogicalRectsRegion({box}), gdi::RGN_DIFF); }

void MetafileDevice::OffsetClipRgn(int dx, int dy) {
  if (!state_.clip) return;
  const AffineTransform m = Mapping();
  const TPoint d = Rounded(TPointF{dx * m.m11 + dy * m.m21, dx * m.m12 + dy * m.m22});
  state_.clip = std::make_shared<const Region>(state_.clip->Offset(d.x, d.y));
  ApplyClip();
}

void MetafileDevice::SetMetaRgn() {
  if (!state_.clip) return;
  state_.metaRegion = state_.metaRegion
                          ? std::make_shared<const Region>(state_.metaRegion->Combined(*state_.clip, RegionOp::And))
                          : state_.clip;
  state_.clip.reset();
  ApplyClip();
}

void MetafileDevice::SelectClipRects(const std::vector<TRect>* deviceRects, int mode) {
  if (!deviceRects) {
    if (mode != gdi::RGN_COPY) return;
    state_.clip.reset();
    ApplyClip();
    return;
  }
  const AffineTransform device = AffineTransform::Scaling(base_.scaleX, base_.scaleY, base_.offsetX, base_.offsetY);
  CombineClip(RectsRegion(*deviceRects, device, RegionArea()), mode);
}

void MetafileDevice::SelectClipRegionObject(std::uint32_t index) {
  if (const Region* region = RegionObject(index)) CombineClip(*region, gdi::RGN_COPY);
}

void MetafileDevice::FillRegion(const Region& region, const MetaBrush& brush) {
  canvas_.Brush = CanvasBrush(brush);
  canvas_.Rop2 = state_.rop2;
  canvas_.FillRegion(region);
}

void MetafileDevice::PaintRegion(const Region& region) { FillRegion(region, state_.brush); }

void MetafileDevice::InvertRegion(const Region& region) { canvas_.InvertRegion(region); }

void MetafileDevice::FrameRegion(const Region& region, const MetaBrush& brush, int width, int height) {
  // The frame is as wide and as high as the logical sizes make it, at least a pixel.
  const auto pixels = [](double v) {
    return static_cast<int>(std::isnan(v) ? 1.0 : std::clamp(std::nearbyint(std::abs(v)), 1.0, 1e6));
  };
  const Region inner = region.Shrunk(pixels(width * ScaleX()), pixels(height * ScaleY()));
  canvas_.Brush = CanvasBrush(brush);
  canvas_.Rop2 = state_.rop2;
  canvas_.FillRegion(region.Combined(inner, RegionOp::Diff));
}

}  // namespace kestrova
