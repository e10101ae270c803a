#include "rendering/FontEngine.h"

#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

#include <cstdlib>

#include "rendering/FontError.h"
#include "rendering/FontMatch.h"

namespace kestrova {

namespace {

// Caches are emptied when they grow past these counts (a user trying sizes one
// after another should not keep every one of them), or when the glyphs the
// sizes keep pass a budget (a picture naming many large fonts).
constexpr std::size_t kMaxSizes = 64;
constexpr std::size_t kMaxFaces = 16;
constexpr std::size_t kMaxMatches = 256;
constexpr std::size_t kMaxKeptBytes = std::size_t{64} << 20;
constexpr std::size_t kMaxFallbackLists = 16;

bool FaceIsBold(FT_Face face) {
  if (face->style_flags & FT_STYLE_FLAG_BOLD) return true;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  return os2 && os2->version != 0xFFFF && os2->usWeightClass >= 600;
}

bool FaceIsItalic(FT_Face face) { return (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0; }

}  // namespace

int FontPixelSize(int points) {
  const long long magnitude = std::llabs(static_cast<long long>(points));
  const long long pixels = (magnitude * 8 + 3) / 6;  // × 96 / 72, halves upwards
  if (pixels < 1) return 1;
  return pixels > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(pixels);
}

void FontEngine::FaceDeleter::operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }

FontEngine& FontEngine::Instance() {
  thread_local FontEngine engine;
  return engine;
}

FontEngine::FontEngine() {
  if (FT_Init_FreeType(&library_) != 0) {
    library_ = nullptr;
    return;
  }
  // Full hinting in both directions, as the platform the program comes from
  // does: advances then do not depend on the output quality.
  FT_UInt version = TT_INTERPRETER_VERSION_35;
  FT_Property_Set(library_, "truetype", "interpreter-version", &version);
}

FontEngine::~FontEngine() {
  sizes_.clear();
  faces_.clear();
  if (library_) FT_Done_FreeType(library_);
}

SizedFont& FontEngine::Get(const TFont& font) {
  if (std::abs(static_cast<long long>(font.size)) > kMaxFontPoints)
    throw FontError("Font size out of range: " + std::to_string(font.size));
  return Get(font, FontPixelSize(font.size));
}

FontEngine::MatchKey FontEngine::KeyOf(const TFont& font) {
  return MatchKey{font.name, (font.style & fsBold) != 0, (font.style & fsItalic) != 0};
}

SizedFont& FontEngine::Get(const TFont& font, int pixelSize) {
  const MatchKey key = KeyOf(font);
  const auto& [name, bold, italic] = key;
  auto match = matches_.find(key);
  if (match == matches_.end()) {
    if (matches_.size() >= kMaxMatches) matches_.clear();
    FontFile file = MatchFontFile(name, bold, italic);
    match = matches_.emplace(key, std::make_pair(std::move(file.path), file.index)).first;
  }
  return Open(match->second.first, match->second.second, pixelSize, font.quality == fqAntialiased, bold, italic);
}

SizedFont& FontEngine::Open(const std::string& path, int index, int pixelSize, bool antialiased, bool bold,
                            bool italic) {
  return Sized(path, index, pixelSize, antialiased, bold, italic, true);
}

SizedFont* FontEngine::Fallback(const TFont& font, int pixelSize, char32_t c) {
  const MatchKey key = KeyOf(font);
  const auto& [name, bold, italic] = key;
  auto list = fallbacks_.find(key);
  if (list == fallbacks_.end()) {
    if (fallbacks_.size() >= kMaxFallbackLists) fallbacks_.clear();
    list = fallbacks_.emplace(key, std::make_unique<FallbackFaces>(name, bold, italic)).first;
  }
  const std::optional<FontFile> file = list->second->For(c);
  if (!file) return nullptr;
  try {
    return &Sized(file->path, file->index, pixelSize, font.quality == fqAntialiased, bold, italic, false);
  } catch (const FontError&) {
    return nullptr;
  }
}

SizedFont& FontEngine::Sized(const std::string& path, int index, int pixelSize, bool antialiased, bool bold,
                             bool italic, bool mayLetGo) {
  if (pixelSize < 1 || pixelSize > FontPixelSize(kMaxFontPoints))
    throw FontError("Font size out of range: " + std::to_string(pixelSize) + " pixels");
  const SizeKey key{path, index, pixelSize, antialiased, bold, italic};
  if (auto it = sizes_.find(key); it != sizes_.end()) return *it->second;
  FT_Face face = Face(path, index, mayLetGo);
  if (mayLetGo && (sizes_.size() >= kMaxSizes || KeptBytes() > kMaxKeptBytes)) sizes_.clear();
  SyntheticStyle synthetic;
  synthetic.bold = bold && !FaceIsBold(face);
  synthetic.italic = italic && !FaceIsItalic(face);
  auto sized = std::make_unique<SizedFont>(face, pixelSize, antialiased, synthetic);
  return *sizes_.emplace(key, std::move(sized)).first->second;
}

std::size_t FontEngine::KeptBytes() const {
  std::size_t bytes = 0;
  for (const auto& [key, sized] : sizes_) bytes += sized->KeptBytes();
  return bytes;
}

FT_Face FontEngine::Face(const std::string& path, int index, bool mayLetGo) {
  const FaceKey key{path, index};
  if (auto it = faces_.find(key); it != faces_.end()) return it->second.get();
  if (!library_) throw FontError("The font renderer could not be started");
  FT_Face face = nullptr;
  const FT_Error error = FT_New_Face(library_, path.c_str(), index, &face);
  if (error == FT_Err_Cannot_Open_Resource) throw FontError("Cannot open the font file \"" + path + "\"");
  if (error != 0) throw FontError("Cannot read the font file \"" + path + "\"");
  std::unique_ptr<FT_FaceRec_, FaceDeleter> owned(face);
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0)
    throw FontError("The font file \"" + path + "\" holds no scalable font");
  if (mayLetGo && faces_.size() >= kMaxFaces) {
    sizes_.clear();
    faces_.clear();
  }
  return faces_.emplace(key, std::move(owned)).first->second.get();
}

}  // namespace kestrova
