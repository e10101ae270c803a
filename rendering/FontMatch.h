#pragma once
// Choosing a font file for a family name and style through fontconfig.

#include <fontconfig/fontconfig.h>

#include <memory>
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

struct PatternDeleter {
  void operator()(FcPattern* p) const;
};
using FamilyPattern = std::unique_ptr<FcPattern, PatternDeleter>;

// What is asked of fontconfig for the family, bold and italic, with its
// configured substitutions made.
FamilyPattern WantedFamily(std::string_view name, bool bold, bool italic);

// The file and face index a font pattern names (an empty path when none).
FontFile FontFileOf(const FcPattern* pattern);

// Whether fontconfig knows a scalable face of the family (from the foundry,
// when one is given).
bool HasFontFamily(std::string_view family, std::string_view foundry = {});

}  // namespace kestrova
