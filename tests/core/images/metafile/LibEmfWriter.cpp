#include "tests/core/images/metafile/LibEmfWriter.h"

#include <libEMF/emf.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kestrova::testing {

struct LibEmfWriter::State {
  char* buffer = nullptr;
  size_t size = 0;
  FILE* fp = nullptr;
  HDC dc = 0;
};

namespace {

std::vector<POINT> Points(const std::vector<EmfPoint>& points) {
  std::vector<POINT> out;
  for (const EmfPoint& p : points) out.push_back(POINT{p.x, p.y});
  return out;
}

// Selects a new object and deletes the one it replaces (stock objects stay).
void Select(HDC dc, HGDIOBJ object) { DeleteObject(SelectObject(dc, object)); }

}  // namespace

LibEmfWriter::LibEmfWriter(int width, int height) : state_(std::make_unique<State>()) {
  state_->fp = open_memstream(&state_->buffer, &state_->size);
  // The frame in hundredths of a millimetre: width x height pixels at 96 DPI.
  RECT frame{0, 0, width * 2540 / 96, height * 2540 / 96};
  state_->dc = CreateEnhMetaFileWithFILEA(0, state_->fp, &frame, nullptr);
}

LibEmfWriter::~LibEmfWriter() {
  if (state_->dc) DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(state_->dc));
  if (state_->fp) std::fclose(state_->fp);
  std::free(state_->buffer);
}

LibEmfWriter& LibEmfWriter::Pen(int style, int width, std::uint32_t colour) {
  Select(state_->dc, CreatePen(style, width, colour));
  return *this;
}

LibEmfWriter& LibEmfWriter::GeometricPen(std::uint32_t style, int width, std::uint32_t colour) {
  LOGBRUSH brush{BS_SOLID, colour, 0};
  Select(state_->dc, ExtCreatePen(style | PS_GEOMETRIC, width, &brush, 0, nullptr));
  return *this;
}

LibEmfWriter& LibEmfWriter::NullPen() {
  Select(state_->dc, GetStockObject(NULL_PEN));
  return *this;
}

LibEmfWriter& LibEmfWriter::MiterLimit(float limit) {
  SetMiterLimit(state_->dc, limit, nullptr);
  return *this;
}

LibEmfWriter& LibEmfWriter::Brush(std::uint32_t colour) {
  Select(state_->dc, CreateSolidBrush(colour));
  return *this;
}

LibEmfWriter& LibEmfWriter::HatchBrush(int hatch, std::uint32_t colour) {
  LOGBRUSH brush{BS_HATCHED, colour, static_cast<ULONG_PTR>(hatch)};
  Select(state_->dc, CreateBrushIndirect(&brush));
  return *this;
}

LibEmfWriter& LibEmfWriter::Background(bool opaque, std::uint32_t colour) {
  SetBkMode(state_->dc, opaque ? OPAQUE : TRANSPARENT);
  SetBkColor(state_->dc, colour);
  return *this;
}

LibEmfWriter& LibEmfWriter::FillMode(int mode) {
  SetPolyFillMode(state_->dc, mode);
  return *this;
}

LibEmfWriter& LibEmfWriter::MoveTo(int x, int y) {
  MoveToEx(state_->dc, x, y, nullptr);
  return *this;
}

LibEmfWriter& LibEmfWriter::LineTo(int x, int y) {
  ::LineTo(state_->dc, x, y);
  return *this;
}

LibEmfWriter& LibEmfWriter::Polyline(const std::vector<EmfPoint>& points) {
  const auto p = Points(points);
  ::Polyline(state_->dc, p.data(), static_cast<INT>(p.size()));
  return *this;
}

LibEmfWriter& LibEmfWriter::Polygon(const std::vector<EmfPoint>& points) {
  const auto p = Points(points);
  ::Polygon(state_->dc, p.data(), static_cast<INT>(p.size()));
  return *this;
}

LibEmfWriter& LibEmfWriter::PolyPolygon(const std::vector<std::vector<EmfPoint>>& polygons) {
  std::vector<POINT> all;
  std::vector<INT> counts;
  for (const auto& polygon : polygons) {
    const auto p = Points(polygon);
    all.insert(all.end(), p.begin(), p.end());
    counts.push_back(static_cast<INT>(p.size()));
  }
  ::PolyPolygon(state_->dc, all.data(), counts.data(), static_cast<UINT>(counts.size()));
  return *this;
}

LibEmfWriter& LibEmfWriter::Rectangle(int left, int top, int right, int bottom) {
  ::Rectangle(state_->dc, left, top, right, bottom);
  return *this;
}

LibEmfWriter& LibEmfWriter::Ellipse(int left, int top, int right, int bottom) {
  ::Ellipse(state_->dc, left, top, right, bottom);
  return *this;
}

LibEmfWriter& LibEmfWriter::PolyBezier(const std::vector<EmfPoint>& points) {
  const auto p = Points(points);
  ::PolyBezier(state_->dc, p.data(), static_cast<DWORD>(p.size()));
  return *this;
}

LibEmfWriter& LibEmfWriter::PolyBezierTo(const std::vector<EmfPoint>& points) {
  const auto p = Points(points);
  ::PolyBezierTo(state_->dc, p.data(), static_cast<DWORD>(p.size()));
  return *this;
}

LibEmfWriter& LibEmfWriter::BeginPath() {
  ::BeginPath(state_->dc);
  return *this;
}

LibEmfWriter& LibEmfWriter::EndPath() {
  ::EndPath(state_->dc);
  return *this;
}

LibEmfWriter& LibEmfWriter::CloseFigure() {
  ::CloseFigure(state_->dc);
  return *this;
}

LibEmfWriter& LibEmfWriter::FillPath() {
  ::FillPath(state_->dc);
  return *this;
}

LibEmfWriter& LibEmfWriter::StrokePath() {
  ::StrokePath(state_->dc);
  return *this;
}

LibEmfWriter& LibEmfWriter::StrokeAndFillPath() {
  ::StrokeAndFillPath(state_->dc);
  return *this;
}

LibEmfWriter& LibEmfWriter::WorldTransform(float m11, float m12, float m21, float m22, float dx, float dy) {
  const XFORM x{m11, m12, m21, m22, dx, dy};
  SetWorldTransform(state_->dc, &x);
  return *this;
}

LibEmfWriter& LibEmfWriter::MapMode(int mode) {
  SetMapMode(state_->dc, mode);
  return *this;
}

LibEmfWriter& LibEmfWriter::WindowExt(int cx, int cy) {
  SetWindowExtEx(state_->dc, cx, cy, nullptr);
  return *this;
}

LibEmfWriter& LibEmfWriter::ViewportExt(int cx, int cy) {
  SetViewportExtEx(state_->dc, cx, cy, nullptr);
  return *this;
}

LibEmfWriter& LibEmfWriter::ViewportOrg(int x, int y) {
  SetViewportOrgEx(state_->dc, x, y, nullptr);
  return *this;
}

LibEmfWriter& LibEmfWriter::Font(const std::string& face, int height, int width, int escapement) {
  LOGFONTW f{};
  f.lfHeight = height;
  f.lfWidth = width;
  f.lfEscapement = escapement;
  f.lfOrientation = escapement;
  f.lfWeight = FW_NORMAL;
  f.lfCharSet = ANSI_CHARSET;
  for (std::size_t i = 0; i < face.size() && i + 1 < LF_FACESIZE; ++i) f.lfFaceName[i] = static_cast<WCHAR>(face[i]);
  Select(state_->dc, CreateFontIndirectW(&f));
  return *this;
}

LibEmfWriter& LibEmfWriter::TextAlign(unsigned align) {
  SetTextAlign(state_->dc, align);
  return *this;
}

LibEmfWriter& LibEmfWriter::Text(int x, int y, const std::u16string& text, unsigned options, std::vector<int> rect) {
  std::vector<WCHAR> units(text.begin(), text.end());
  const RECT box = rect.size() == 4 ? RECT{rect[0], rect[1], rect[2], rect[3]} : RECT{};
  ExtTextOutW(state_->dc, x, y, options, rect.size() == 4 ? &box : nullptr, units.data(),
              static_cast<UINT>(units.size()), nullptr);
  return *this;
}

std::vector<std::uint8_t> LibEmfWriter::Finish() {
  DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(state_->dc));
  state_->dc = 0;
  std::fclose(state_->fp);
  state_->fp = nullptr;
  std::vector<std::uint8_t> bytes(state_->buffer, state_->buffer + state_->size);
  // The reference device: 960 x 960 pixels on 254 x 254 mm, 96 pixels an inch.
  const std::uint32_t device[] = {960, 960, 254, 254};
  if (bytes.size() >= 88) std::memcpy(bytes.data() + 72, device, sizeof device);
  return bytes;
}

}  // namespace kestrova::testing
