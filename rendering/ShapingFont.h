#pragma once
// A sized face as HarfBuzz shapes with it: the face's own tables choose and
// place the glyphs, and each glyph advances by its hinted width as drawn, so
// shaped text lines up with text drawn character by character.

#include <hb.h>

#include <cstdint>
#include <string_view>
#include <vector>

struct FT_FaceRec_;

namespace kestrova {

class SizedFont;

// A shaped glyph in 64ths of a pixel; y grows upwards, as HarfBuzz gives it.
struct ShapingGlyph {
  std::uint32_t index = 0;    // the face's glyph number
  std::uint32_t cluster = 0;  // the first character of the line it stands for
  int xAdvance = 0;
  int xOffset = 0;
  int yOffset = 0;
};

// What a run is shaped as.
struct ShapingRun {
  std::size_t start = 0;  // characters of the line
  std::size_t length = 0;
  bool rightToLeft = false;
  hb_script_t script = HB_SCRIPT_COMMON;
};

class ShapingFont {
 public:
  // `sized` (which owns this object) gives the advances; `face` its face.
  ShapingFont(SizedFont& sized, FT_FaceRec_* face, int pixelSize);
  ~ShapingFont();
  ShapingFont(const ShapingFont&) = delete;
  ShapingFont& operator=(const ShapingFont&) = delete;

  // The run's glyphs, left to right as shown (reversed for right-to-left
  // runs); the rest of the line is the context. Scripts written letter by
  // letter (Latin, Greek, Cyrillic, Han, ...) are shaped without kerning or
  // ligatures, as the canvas draws them.
  std::vector<ShapingGlyph> Shape(std::u32string_view line, const ShapingRun& run);

 private:
  hb_font_t* font_ = nullptr;
  hb_buffer_t* buffer_ = nullptr;
};

// Whether a script's letters stand side by side without joining, reordering
// or stacking: such text needs no shaping.
bool IsLetterByLetterScript(hb_script_t script);

}  // namespace kestrova
