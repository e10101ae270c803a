#include "rendering/BidiLevels.h"

#include <fribidi.h>

#include <algorithm>

namespace kestrova {

std::vector<int> BidiLevels(std::u32string_view line, ParagraphDirection direction) {
  const auto length = static_cast<FriBidiStrIndex>(line.size());
  std::vector<FriBidiChar> chars(line.begin(), line.end());
  std::vector<FriBidiCharType> types(line.size());
  std::vector<FriBidiBracketType> brackets(line.size());
  std::vector<FriBidiLevel> levels(line.size());
  fribidi_get_bidi_types(chars.data(), length, types.data());
  fribidi_get_bracket_types(chars.data(), length, types.data(), brackets.data());
  FriBidiParType base = direction == ParagraphDirection::RightToLeft ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_ON;
  std::vector<int> result(line.size(), direction == ParagraphDirection::RightToLeft ? 1 : 0);
  if (line.empty() || fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &base,
                                                          levels.data()) == 0)
    return result;
  std::copy(levels.begin(), levels.end(), result.begin());
  return result;
}

bool IsBidiSignificant(char32_t c) {
  const FriBidiCharType type = fribidi_get_bidi_type(c);
  return FRIBIDI_IS_RTL(type) || FRIBIDI_IS_EXPLICIT(type) || FRIBIDI_IS_ISOLATE(type) ||
         type == FRIBIDI_TYPE_AN;
}

std::vector<std::size_t> VisualRunOrder(const std::vector<int>& runLevels) {
  std::vector<std::size_t> order(runLevels.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (runLevels.empty()) return order;
  const int highest = *std::max_element(runLevels.begin(), runLevels.end());
  int lowestOdd = highest + 1;
  for (int level : runLevels)
    if (level % 2 == 1) lowestOdd = std::min(lowestOdd, level);
  for (int level = highest; level >= lowestOdd; --level) {
    for (std::size_t i = 0; i < order.size();) {
      if (runLevels[order[i]] < level) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < order.size() && runLevels[order[end]] >= level) ++end;
      std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i), order.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
    }
  }
  return order;
}

}  // namespace kestrova
