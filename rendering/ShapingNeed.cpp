#include "rendering/ShapingNeed.h"

#include <hb.h>

#include "rendering/BidiLevels.h"
#include "rendering/ShapingFont.h"
#include "rendering/SizedFont.h"

namespace kestrova {

namespace {

// Latin, Greek, Cyrillic and Armenian come below the first right-to-left
// block; among them only these combining marks need shaping.
constexpr char32_t kFirstRightToLeftBlock = 0x0590;

bool IsCombiningBelowRightToLeft(char32_t c) { return (c >= 0x0300 && c < 0x0370) || (c >= 0x0483 && c < 0x048A); }

}  // namespace

bool IsMarkOrFormat(char32_t c) {
  const hb_unicode_general_category_t category = hb_unicode_general_category(hb_unicode_funcs_get_default(), c);
  return category == HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK ||
         category == HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK ||
         category == HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK || category == HB_UNICODE_GENERAL_CATEGORY_FORMAT;
}

bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

bool IsLetterByLetter(char32_t c) {
  if (c < kFirstRightToLeftBlock) return !IsCombiningBelowRightToLeft(c);
  if (IsBidiSignificant(c)) return false;
  if (IsMarkOrFormat(c)) return false;
  return IsLetterByLetterScript(hb_unicode_script(hb_unicode_funcs_get_default(), c));
}

bool NeedsShaping(SizedFont& face, std::u32string_view line) {
  for (char32_t c : line) {
    if (c < 0x0300) {  // the common case first: Latin letters, digits and signs
      if (!face.Has(c) && !IsControlCharacter(c)) return true;
    } else if (!IsLetterByLetter(c) || !face.Has(c)) {
      return true;
    }
  }
  return false;
}

}  // namespace kestrova
