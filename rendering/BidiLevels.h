#pragma once
// The Unicode bidirectional algorithm (through FriBidi): the embedding level
// of each character of one line, and the order in which runs of characters
// are shown.

#include <cstddef>
#include <string_view>
#include <vector>

namespace kestrova {

enum class ParagraphDirection {
  FromText,     // the first strong character decides; left to right without one
  RightToLeft,  // set by the caller (a metafile's right-to-left reading)
};

// Each character's resolved level: even left to right, odd right to left.
std::vector<int> BidiLevels(std::u32string_view line, ParagraphDirection direction);

// Whether the character is written right to left (Hebrew, Arabic, ...), is
// an Arabic digit, or is an explicit embedding, override or isolate: the
// characters after which a line may no longer be read in memory order.
bool IsBidiSignificant(char32_t c);

// The display order, left to right, of consecutive runs of the given levels
// (each run at one level): sequences at a level or above are reversed, from
// the highest level down to the lowest odd one.
std::vector<std::size_t> VisualRunOrder(const std::vector<int>& runLevels);

}  // namespace kestrova
