#pragma once
// Whether a line of text can be drawn as the canvas always drew it, each
// character's glyph of the face beside the last at its advance, or needs
// the bidirectional order, shaping or fallback faces. Measuring and drawing
// take the same decision, so both use this.

#include <string_view>

namespace kestrova {

class SizedFont;

// Control characters, which are drawn (and measured) from the face as they
// come: no other face is looked for them.
bool IsControlCharacter(char32_t c);

// Combining marks, and format characters such as the joiners: they belong
// with the character before them.
bool IsMarkOrFormat(char32_t c);

// Whether the character stands beside its neighbours as one glyph: not read
// right to left, not a mark or format character, of a script written letter
// by letter.
bool IsLetterByLetter(char32_t c);

// True when any character is not letter by letter, or is missing from the face.
bool NeedsShaping(SizedFont& face, std::u32string_view line);

}  // namespace kestrova
