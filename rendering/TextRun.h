#pragma once
// Text placed character by character, as recorded pictures give it: each
// character's pen position is set by the caller (its own advances, not the
// font's), and the whole run may be turned about its reference point.

#include <optional>
#include <string>
#include <vector>

#include "rendering/Canvas.h"
#include "rendering/Path.h"
#include "rendering/RasterTypes.h"
#include "rendering/SizedFont.h"

namespace kestrova {

// Positions are in pixels in the run's own frame: x along the baseline, y
// across it, downwards, both from the reference point.
struct TextRun {
  // Characters, or the face's glyph numbers when glyphIndices is set.
  std::u32string chars;
  bool glyphIndices = false;
  // The face of each glyph when they differ (shaped text drawn partly from
  // fallback faces); empty: the run's font for all.
  std::vector<SizedFont*> faces;
  // Each character's pen position on its baseline; as many as chars.
  std::vector<TPointF> pens;
  // Where the pen ends after the last character.
  TPointF end;
  // The baseline's turn: tenths of a degree counter-clockwise on the screen.
  int tenths = 0;
  // The glyphs' own turn where it is not the baseline's.
  std::optional<int> glyphTenths{};
  // The glyphs widened along the baseline by permille / 1000.
  int permille = 1000;
};

// Where a point of the run's frame lands on the canvas, the reference point at `origin`.
TPointF TurnedPoint(TPointF origin, int tenths, TPointF p);

// The face a run draws its glyph i from: its own, or the run's font.
SizedFont& RunFace(SizedFont& font, const TextRun& run, std::size_t i);

// The glyph a run draws for its character (or glyph number) c.
const GlyphImage& RunGlyph(SizedFont& font, const TextRun& run, char32_t c);

// The canvas pixel a run's character i is drawn from: its pen, turned with
// the baseline, to the nearest pixel.
TPointF GlyphPen(TPointF origin, const TextRun& run, std::size_t i);

// Paints the run in `font` and the canvas font's colour, underline and
// strikeout, its reference point at `origin`. With a solid brush the text's
// cell (from the first pen to the end, the font's height) is filled first in
// the brush colour; underline and strikeout run along the same length.
// Nothing is painted outside `clip`.
void PaintTextRun(TCanvas& canvas, SizedFont& font, TPointF origin, const TextRun& run,
                  const std::optional<TRect>& clip);

// Adds the outlines of the glyphs PaintTextRun paints to the path, where it
// paints them, and the underline and strikeout of `style` as rectangles.
// Each glyph takes its outline's points from `budget`; the glyphs past what
// it holds are left out, and then the result is false.
bool AppendRunOutlines(Path& path, SizedFont& font, TPointF origin, const TextRun& run, TFontStyles style,
                       std::size_t& budget);

}  // namespace kestrova
