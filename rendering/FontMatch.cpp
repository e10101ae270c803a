#include "rendering/FontMatch.h"

#include "rendering/FontError.h"
#include "rendering/FontFamilyName.h"

namespace kestrova {

namespace {

struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};

std::string NoFontMessage(std::string_view family) {
  return "No font found for \"" + std::string(family) + "\"";
}

void AddString(FcPattern* pattern, const char* object, const std::string& value) {
  FcPatternAddString(pattern, object, reinterpret_cast<const FcChar8*>(value.c_str()));
}

}  // namespace

void PatternDeleter::operator()(FcPattern* p) const { FcPatternDestroy(p); }

bool HasFontFamily(std::string_view family, std::string_view foundry) {
  FamilyPattern wanted(FcPatternCreate());
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
  if (!wanted || !objects) return false;
  AddString(wanted.get(), FC_FAMILY, std::string(family));
  if (!foundry.empty()) AddString(wanted.get(), FC_FOUNDRY, std::string(foundry));
  FcPatternAddBool(wanted.get(), FC_SCALABLE, FcTrue);
  std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(nullptr, wanted.get(), objects.get()));
  return fonts && fonts->nfont > 0;
}

FamilyPattern WantedFamily(std::string_view name, bool bold, bool italic) {
  FamilyPattern wanted(FcPatternCreate());
  if (!wanted) throw FontError(NoFontMessage(name));
  const FontFamilyName family = SplitFoundry(name);
  if (!family.family.empty()) AddString(wanted.get(), FC_FAMILY, family.family);
  // The foundry weighs more than the family in fontconfig's matching: it is
  // asked for only where it makes the family, else it would pick another one.
  if (!family.foundry.empty() && HasFontFamily(family.family, family.foundry))
    AddString(wanted.get(), FC_FOUNDRY, family.foundry);
  FcPatternAddInteger(wanted.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(wanted.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(wanted.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  return wanted;
}

FontFile FontFileOf(const FcPattern* pattern) {
  FcChar8* path = nullptr;
  if (FcPatternGetString(pattern, FC_FILE, 0, &path) != FcResultMatch || !path) return FontFile{};
  FontFile file;
  file.path = reinterpret_cast<const char*>(path);
  if (FcPatternGetInteger(pattern, FC_INDEX, 0, &file.index) != FcResultMatch) file.index = 0;
  return file;
}

FontFile MatchFontFile(std::string_view name, bool bold, bool italic) {
  const FamilyPattern wanted = WantedFamily(name, bold, italic);
  FcResult result = FcResultNoMatch;
  FamilyPattern match(FcFontMatch(nullptr, wanted.get(), &result));
  FontFile file = match ? FontFileOf(match.get()) : FontFile{};
  if (file.path.empty()) throw FontError(NoFontMessage(name));
  return file;
}

}  // namespace kestrova

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a small block while it parses its configuration files; that
// is no fault of ours and must not fail sanitizer runs.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
