#include "rendering/FontFamilyName.h"

namespace kestrova {

FontFamilyName SplitFoundry(std::string_view name) {
  const std::size_t open = name.rfind('[');
  if (open == std::string_view::npos || !name.ends_with(']')) return {std::string(name), {}};
  const std::string_view foundry = name.substr(open + 1, name.size() - open - 2);
  std::string_view family = name.substr(0, open);
  while (family.ends_with(' ')) family.remove_suffix(1);
  if (family.empty() || foundry.empty()) return {std::string(name), {}};
  return {std::string(family), std::string(foundry)};
}

}  // namespace kestrova
