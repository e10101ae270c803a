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
// system without any usable font raises FontError.
FontFile MatchFontFile(std::string_view family, bool bold, bool italic);

}  // namespace kestrova
