#include "core/generation/CaptionLayout.h"

#include <algorithm>
#include <cstdint>

#include "core/support/StrLib.h"
#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"

namespace kestrova {

namespace {

// Positions far off the bitmap stay far off, with room left for the shadow offsets.
constexpr std::int64_t kFarOff = std::int64_t{1} << 30;

int ToInt(std::int64_t v) { return static_cast<int>(std::clamp(v, -kFarOff, kFarOff)); }

// The style's font at the quality its anti-aliasing asks for.
TFont CaptionFont(const CaptionStyle& style) {
  TFont font = style.font;
  font.quality = style.antialias ? fqAntialiased : fqNonAntialiased;
  return font;
}

}  // namespace

TPoint CaptionLinePosition(const TextLayout& layout, TSize area, int n, int j, TSize extent) {
  // 64-bit sums: margins and long lines may reach far beyond the bitmap.
  const std::int64_t w = area.cx, h = area.cy, cx = extent.cx, cy = extent.cy, g = layout.lineGap;
  std::int64_t x = layout.marginX;
  if (layout.align == 1) x = (w - cx) / 2;
  if (layout.align == 2) x = w - cx - layout.marginX;
  std::int64_t y = layout.marginY + j * cy + j * g;
  if (layout.valign == 1) y = (h - n * cy - (n - 1) * g) / 2 + j * cy + j * g;
  if (layout.valign == 2) y = h - layout.marginY - (n - j) * cy - (n - 1 - j) * g;
  return TPoint{ToInt(x), ToInt(y)};
}

std::vector<std::string> LinesToDraw(const std::vector<std::string>& lines, bool ignoreBlank) {
  if (!ignoreBlank) return lines;
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    if (!TrimControls(line).empty()) kept.push_back(line);
  }
  return kept;
}

void DrawCaption(Bitmap& bitmap, const std::vector<std::string>& lines, const CaptionStyle& style) {
  if (bitmap.Empty()) return;
  TCanvas canvas(bitmap);
  canvas.Brush.style = BrushStyle::bsClear;
  canvas.Font = CaptionFont(style);
  const std::vector<std::string> drawn = LinesToDraw(lines, style.ignoreBlank);
  const int n = static_cast<int>(drawn.size());
  const TSize area{bitmap.Width(), bitmap.Height()};
  const TPoint d = style.shadow.offset;
  for (int j = 0; j < n; ++j) {
    const std::string& line = drawn[static_cast<std::size_t>(j)];
    const TPoint p = CaptionLinePosition(style.layout, area, n, j, canvas.TextExtent(line));
    if (style.shadow.on) {
      canvas.Font.color = style.shadow.color;
      canvas.TextOut(p.x + d.x, p.y + d.y, line);
      if (style.shadow.doubled) canvas.TextOut(p.x - d.x, p.y - d.y, line);
      canvas.Font.color = style.font.color;
    }
    canvas.TextOut(p.x, p.y, line);
  }
}

void LoadCaptionFont(const CaptionStyle& style) { FontEngine::Instance().Get(CaptionFont(style)); }

}  // namespace kestrova
