#pragma once
// A font name as the font dialog gives it for a family that more than one
// foundry makes: "Family [Foundry]", such as "URW Gothic [UKWN]". Projects
// saved with such names hold them.

#include <string>
#include <string_view>

namespace kestrova {

struct FontFamilyName {
  std::string family;
  std::string foundry;  // empty when the name names none
};

// "Family [Foundry]" split in its two parts (the blanks before "[" dropped);
// any other name is a family as it stands.
FontFamilyName SplitFoundry(std::string_view name);

}  // namespace kestrova
