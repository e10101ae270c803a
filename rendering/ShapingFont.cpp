#include "rendering/ShapingFont.h"

#include <hb-ft.h>

#include <array>

#include "rendering/SizedFont.h"

namespace kestrova {

namespace {

void HintedAdvances(hb_font_t*, void* data, unsigned count, const hb_codepoint_t* glyphs, unsigned glyphStride,
                    hb_position_t* advances, unsigned advanceStride, void*) {
  auto& sized = *static_cast<SizedFont*>(data);
  for (unsigned i = 0; i < count; ++i) {
    *advances = sized.IndexedGlyph(*glyphs, 0).advance * 64;
    glyphs = reinterpret_cast<const hb_codepoint_t*>(reinterpret_cast<const char*>(glyphs) + glyphStride);
    advances = reinterpret_cast<hb_position_t*>(reinterpret_cast<char*>(advances) + advanceStride);
  }
}

hb_font_funcs_t* HintedFuncs() {
  static hb_font_funcs_t* const funcs = [] {
    hb_font_funcs_t* f = hb_font_funcs_create();
    hb_font_funcs_set_glyph_h_advances_func(f, HintedAdvances, nullptr, nullptr);
    hb_font_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

// Features that join or move letters of scripts the canvas draws letter by letter.
constexpr std::array<hb_feature_t, 5> kLetterByLetter{{
    {HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    {HB_TAG('l', 'i', 'g', 'a'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    {HB_TAG('c', 'l', 'i', 'g'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    {HB_TAG('c', 'a', 'l', 't'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    {HB_TAG('d', 'l', 'i', 'g'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
}};

}  // namespace

bool IsLetterByLetterScript(hb_script_t script) {
  switch (script) {
    case HB_SCRIPT_COMMON:
    case HB_SCRIPT_LATIN:
    case HB_SCRIPT_GREEK:
    case HB_SCRIPT_CYRILLIC:
    case HB_SCRIPT_ARMENIAN:
    case HB_SCRIPT_GEORGIAN:
    case HB_SCRIPT_HAN:
    case HB_SCRIPT_HIRAGANA:
    case HB_SCRIPT_KATAKANA:
    case HB_SCRIPT_BOPOMOFO:
    case HB_SCRIPT_YI:
      return true;
    default:
      return false;
  }
}

ShapingFont::ShapingFont(SizedFont& sized, FT_FaceRec_* face, int pixelSize) {
  hb_face_t* hbFace = hb_ft_face_create_referenced(face);
  hb_font_t* parent = hb_font_create(hbFace);
  hb_face_destroy(hbFace);
  hb_font_set_scale(parent, pixelSize * 64, pixelSize * 64);
  hb_font_set_ppem(parent, static_cast<unsigned>(pixelSize), static_cast<unsigned>(pixelSize));
  font_ = hb_font_create_sub_font(parent);
  hb_font_destroy(parent);
  hb_font_set_funcs(font_, HintedFuncs(), &sized, nullptr);
  buffer_ = hb_buffer_create();
}

ShapingFont::~ShapingFont() {
  hb_buffer_destroy(buffer_);
  hb_font_destroy(font_);
}

std::vector<ShapingGlyph> ShapingFont::Shape(std::u32string_view line, const ShapingRun& run) {
  hb_buffer_clear_contents(buffer_);
  static_assert(sizeof(char32_t) == sizeof(std::uint32_t));
  hb_buffer_add_utf32(buffer_, reinterpret_cast<const std::uint32_t*>(line.data()), static_cast<int>(line.size()),
                      static_cast<unsigned>(run.start), static_cast<int>(run.length));
  hb_buffer_set_direction(buffer_, run.rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  hb_buffer_set_script(buffer_, run.script);
  const bool plain = IsLetterByLetterScript(run.script);
  hb_shape(font_, buffer_, plain ? kLetterByLetter.data() : nullptr, plain ? kLetterByLetter.size() : 0);
  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer_, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, &count);
  std::vector<ShapingGlyph> glyphs(count);
  for (unsigned i = 0; i < count; ++i)
    glyphs[i] = ShapingGlyph{infos[i].codepoint, infos[i].cluster, positions[i].x_advance, positions[i].x_offset,
                             positions[i].y_offset};
  return glyphs;
}

}  // namespace kestrova
