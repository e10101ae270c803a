#pragma once
// One line of text laid out as its readers read it: characters put in
// display order by the bidirectional algorithm, each run shaped by HarfBuzz
// in the face that holds its characters (the font's own, or the fallback
// face fontconfig offers), the runs side by side.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "rendering/BidiLevels.h"
#include "rendering/Font.h"
#include "rendering/SizedFont.h"

namespace kestrova {

struct ShapedGlyph {
  SizedFont* font = nullptr;  // the face it is drawn from
  std::uint32_t index = 0;    // the face's glyph number
  int pen = 0;                // the pen from the line's start before it, pixels
  int x = 0;                  // its origin from the line's start (the pen moved by its offset)
  int y = 0;                  // and downwards from the baseline
  std::size_t cluster = 0;    // the first character of those it stands for
};

struct ShapedLine {
  std::vector<ShapedGlyph> glyphs;  // left to right as shown
  int width = 0;                    // the sum of the advances, pixels
};

// Lays out the line in `face`, the size the engine gave for `font` (whose
// name and style choose the fallback faces). The references to faces stay
// valid until the engine is next asked for a font.
ShapedLine ShapeLine(const TFont& font, SizedFont& face, std::u32string_view line,
                     ParagraphDirection direction = ParagraphDirection::FromText);

}  // namespace kestrova
