#pragma once
// The fonts canvas text is written with: fontconfig picks the face for a
// logical font's family and style, FreeType scales it at 96 DPI. Faces and
// their sizes are kept for later calls. Each thread has an engine of its own
// (FreeType objects serve one thread), so threads may draw text at once.

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "rendering/FallbackFaces.h"
#include "rendering/Font.h"
#include "rendering/SizedFont.h"

namespace kestrova {

// Largest size accepted, in points (the largest the program offers).
constexpr int kMaxFontPoints = 999;

// Em height in pixels at 96 DPI: points × 96 / 72, halves upwards. Negative
// sizes count by their magnitude; at least one pixel.
int FontPixelSize(int points);

class FontEngine {
 public:
  // The calling thread's engine.
  static FontEngine& Instance();

  // The face matched for the font's name and style, at its size and quality.
  // Raises FontError when the size is out of range, when no font is found or
  // when the matched file cannot be read. The reference stays valid until the
  // next call.
  SizedFont& Get(const TFont& font);
  // The same at an em height in pixels, the font's size in points unused
  // (recorded pictures give their fonts' heights in pixels).
  SizedFont& Get(const TFont& font, int pixelSize);

  // The face in a file at a pixel size; bold and italic are made up when the
  // face lacks them. Raises FontError when the file is missing or unreadable.
  SizedFont& Open(const std::string& path, int index, int pixelSize, bool antialiased, bool bold,
                  bool italic);

  // The face fontconfig offers for a character the font's matched face
  // lacks, at the same pixel size and quality; none when no face holds it or
  // the file offered cannot be read. No size or face is let go here, so the
  // references given out since the last Get or Open stay valid.
  SizedFont* Fallback(const TFont& font, int pixelSize, char32_t c);

  ~FontEngine();

 private:
  FontEngine();
  // The face in a file at a size; `mayLetGo`: the caches may be emptied first.
  SizedFont& Sized(const std::string& path, int index, int pixelSize, bool antialiased, bool bold, bool italic,
                   bool mayLetGo);
  FT_Face Face(const std::string& path, int index, bool mayLetGo);
  // Bytes of glyph coverage every size keeps.
  std::size_t KeptBytes() const;

  using MatchKey = std::tuple<std::string, bool, bool>;
  // The family name, bold and italic of a font.
  static MatchKey KeyOf(const TFont& font);
  using FaceKey = std::tuple<std::string, int>;
  using SizeKey = std::tuple<std::string, int, int, bool, bool, bool>;
  struct FaceDeleter {
    void operator()(FT_FaceRec_* face) const;
  };

  FT_Library library_ = nullptr;
  std::map<MatchKey, std::pair<std::string, int>> matches_;
  std::map<MatchKey, std::unique_ptr<FallbackFaces>> fallbacks_;
  // Declared before the sizes, which use them, so that they are released last.
  std::map<FaceKey, std::unique_ptr<FT_FaceRec_, FaceDeleter>> faces_;
  std::map<SizeKey, std::unique_ptr<SizedFont>> sizes_;
};

}  // namespace kestrova
