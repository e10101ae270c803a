#include "rendering/ShapedLine.h"

#include <hb.h>

#include <algorithm>

#include "rendering/FontEngine.h"
#include "rendering/ShapingFont.h"
#include "rendering/ShapingNeed.h"

namespace kestrova {

namespace {

// 64ths of a pixel to whole pixels, halves upwards.
int Pixels(long long sixtyFourths) {
  const long long shifted = sixtyFourths + 32;
  return static_cast<int>(shifted >= 0 ? shifted / 64 : -((-shifted + 63) / 64));
}

bool IsNeutralScript(hb_script_t script) {
  return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN;
}

// Each character's script; spaces, digits, signs and marks take the script
// of the character before them (of the first one with a script at the start).
std::vector<hb_script_t> ResolvedScripts(std::u32string_view line) {
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
  std::vector<hb_script_t> scripts(line.size(), HB_SCRIPT_COMMON);
  std::size_t leading = line.size();
  for (std::size_t i = 0; i < line.size(); ++i) {
    const hb_script_t own = hb_unicode_script(unicode, line[i]);
    if (!IsNeutralScript(own)) {
      scripts[i] = own;
      leading = std::min(leading, i);
    } else if (i > 0) {
      scripts[i] = scripts[i - 1];
    }
  }
  for (std::size_t i = 0; i < leading && leading < line.size(); ++i) scripts[i] = scripts[leading];
  return scripts;
}

// Marks, joiners and spaces: drawn from the face of the character before
// them where it has them, so that a word and the space after it are shaped
// as one run.
bool StaysWithPrevious(char32_t c) {
  return IsMarkOrFormat(c) ||
         hb_unicode_general_category(hb_unicode_funcs_get_default(), c) == HB_UNICODE_GENERAL_CATEGORY_SPACE_SEPARATOR;
}

// Each character's face: the one before it for the characters above; else
// the font's face when it has the character, else the first fallback face
// that does.
std::vector<SizedFont*> CharacterFaces(const TFont& font, SizedFont& face, std::u32string_view line) {
  std::vector<SizedFont*> faces(line.size(), &face);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char32_t c = line[i];
    if (i > 0 && StaysWithPrevious(c) && faces[i - 1]->Has(c)) {
      faces[i] = faces[i - 1];
    } else if (!IsControlCharacter(c) && !face.Has(c)) {
      if (SizedFont* other = FontEngine::Instance().Fallback(font, face.PixelSize(), c)) faces[i] = other;
    }
  }
  return faces;
}

}  // namespace

ShapedLine ShapeLine(const TFont& font, SizedFont& face, std::u32string_view line, ParagraphDirection direction) {
  const std::vector<int> levels = BidiLevels(line, direction);
  const std::vector<hb_script_t> scripts = ResolvedScripts(line);
  const std::vector<SizedFont*> faces = CharacterFaces(font, face, line);
  std::vector<ShapingRun> runs;
  std::vector<int> runLevels;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i > 0 && levels[i] == levels[i - 1] && scripts[i] == scripts[i - 1] && faces[i] == faces[i - 1]) {
      ++runs.back().length;
      continue;
    }
    runs.push_back(ShapingRun{i, 1, levels[i] % 2 == 1, scripts[i]});
    runLevels.push_back(levels[i]);
  }
  ShapedLine shaped;
  long long pen = 0;
  for (std::size_t r : VisualRunOrder(runLevels)) {
    SizedFont* runFace = faces[runs[r].start];
    for (const ShapingGlyph& g : runFace->Shaping().Shape(line, runs[r])) {
      shaped.glyphs.push_back(
          ShapedGlyph{runFace, g.index, Pixels(pen), Pixels(pen + g.xOffset), -Pixels(g.yOffset), g.cluster});
      pen += g.xAdvance;
    }
  }
  shaped.width = Pixels(pen);
  return shaped;
}

}  // namespace kestrova
