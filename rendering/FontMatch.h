#pragma once
// Choosing a font file for a family name and style through fontconfig.

#include <string>
#include <string_view>

namespace kestrova {

struct FontFile {
  std::string path;
  int index = 0;  // face index within the file
};

// The file fontconfig picks for the family, bold and italic. A family it does
// not know gives its substitute (the default sans-serif face at worst); only a
// system without any usable font raises FontError. A name "Family [Foundry]"
// (rendering/FontFamilyName.h) is that family, of that foundry when
// fontconfig has the family from it.
FontFile MatchFontFile(std::string_view name, bool bold, bool italic);

// Whether fontconfig knows a scalable face of the family (from the foundry,
// when one is given).
bool HasFontFamily(std::string_view family, std::string_view foundry = {});

}  // namespace kestrova
