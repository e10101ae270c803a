#include "rendering/FallbackFaces.h"

namespace kestrova {

namespace {

// More characters than a line of captions in many scripts ever asks for.
constexpr std::size_t kMaxRemembered = 4096;

}  // namespace

FallbackFaces::FallbackFaces(std::string_view name, bool bold, bool italic) {
  const FamilyPattern wanted = WantedFamily(name, bold, italic);
  FcResult result = FcResultNoMatch;
  // Trimmed: a face that adds no character to those before it is left out.
  sorted_.reset(FcFontSort(nullptr, wanted.get(), FcTrue, nullptr, &result));
}

std::optional<FontFile> FallbackFaces::For(char32_t c) {
  if (auto it = found_.find(c); it != found_.end())
    return it->second.path.empty() ? std::nullopt : std::optional<FontFile>(it->second);
  FontFile file;
  for (int i = 0; sorted_ && i < sorted_->nfont; ++i) {
    FcCharSet* chars = nullptr;
    if (FcPatternGetCharSet(sorted_->fonts[i], FC_CHARSET, 0, &chars) != FcResultMatch || !chars) continue;
    if (!FcCharSetHasChar(chars, c)) continue;
    file = FontFileOf(sorted_->fonts[i]);
    if (!file.path.empty()) break;
  }
  if (found_.size() >= kMaxRemembered) found_.clear();
  found_.emplace(c, file);
  return file.path.empty() ? std::nullopt : std::optional<FontFile>(file);
}

}  // namespace kestrova
