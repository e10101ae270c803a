#pragma once
// Small text routines: substring search from a position, splitting at a
// separator, and the case, blank and number rules the file readers share.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// Position (counted from 1) of the first occurrence of `sub` in `text` that
// begins at or after position `start` (a start below 1 counts as 1); 0 when
// there is none or `sub` is empty.
int PosFrom(std::string_view sub, std::string_view text, int start);

// Fills `list` with the pieces of `text` between separators. Nothing happens
// (the list keeps its lines) when `list` is null, `text` is empty or
// `separator` is empty. Two separators in a row give an empty piece; a
// separator at the very end gives no empty piece after it.
void SplitString(std::string_view separator, std::string_view text, std::vector<std::string>* list);

// ASCII letters lower-cased (upper-cased); every other byte kept.
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
// Equal when compared without regard to the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);
// True when `text` begins with `prefix`, ASCII letters compared without case.
bool StartsWithText(std::string_view text, std::string_view prefix);

// Without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);
// Without leading and trailing characters up to the blank (control characters
// and blanks, line breaks included).
std::string_view TrimControls(std::string_view text);

// Converts a signed decimal number, or a hexadecimal one after "$" (up to 32
// bits, taken as their two's-complement value), optionally preceded by blanks
// and a sign. False for empty text, junk or a decimal number out of the 32-bit
// range.
bool TryStrToInt(std::string_view text, std::int32_t& value);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// Lines of a text split at CR LF, LF or a lone CR; a final line break gives no
// empty line after it.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace kestrova
