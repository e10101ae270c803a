#pragma once
// The faces fontconfig offers for a family and style, best first: where a
// character is missing from the matched face, the first of them that holds
// it draws it.

#include <fontconfig/fontconfig.h>

#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "rendering/FontMatch.h"

namespace kestrova {

class FallbackFaces {
 public:
  // Sorts fontconfig's faces for the family (its substitutes after it).
  FallbackFaces(std::string_view name, bool bold, bool italic);

  // The first face holding the character; none when no face has it.
  std::optional<FontFile> For(char32_t c);

 private:
  struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
  };
  std::unique_ptr<FcFontSet, FontSetDeleter> sorted_;
  // Characters asked for before, with the face found (an empty path: none).
  std::unordered_map<char32_t, FontFile> found_;
};

}  // namespace kestrova
