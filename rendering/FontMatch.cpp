#include "rendering/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <memory>

#include "rendering/FontError.h"

namespace kestrova {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

std::string NoFontMessage(std::string_view family) {
  return "No font found for \"" + std::string(family) + "\"";
}

}  // namespace

FontFile MatchFontFile(std::string_view family, bool bold, bool italic) {
  Pattern wanted(FcPatternCreate());
  if (!wanted) throw FontError(NoFontMessage(family));
  const std::string name(family);
  if (!name.empty()) FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(wanted.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(wanted.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(wanted.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());

  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, wanted.get(), &result));
  FcChar8* path = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || !path)
    throw FontError(NoFontMessage(family));
  FontFile file;
  file.path = reinterpret_cast<const char*>(path);
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &file.index) != FcResultMatch) file.index = 0;
  return file;
}

}  // namespace kestrova

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a small block while it parses its configuration files; that
// is no fault of ours and must not fail sanitizer runs.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
