#pragma once
// One face at one pixel size and one output quality: the cell metrics and the
// rendered glyphs, kept once rendered.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace kestrova {

class ShapingFont;

// Vertical metrics in pixels. Offsets are measured downwards from the baseline.
struct FontMetrics {
  int ascent = 0;   // cell top to baseline
  int descent = 0;  // baseline to cell bottom
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeoutTop = 0;
  int strikeoutThickness = 1;

  int Height() const { return ascent + descent; }
};

// A rendered glyph: one coverage byte per pixel (0 none .. 255 full; only 0 and
// 255 when monochrome), placed relative to the pen position on the baseline.
struct GlyphImage {
  int advance = 0;  // hinted, whole pixels
  int left = 0;     // first column, relative to the pen
  int top = 0;      // first row, relative to the baseline (negative: above it)
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // rows of `width` bytes, top row first
};

// Which styles the face lacks and are made up: bold by emboldening the
// outline, italic by slanting it.
struct SyntheticStyle {
  bool bold = false;
  bool italic = false;
};

class SizedFont {
 public:
  // Uses `face` (owned by the caller, which outlives this object) through a size
  // object of its own. Raises FontError when the face cannot take the size.
  SizedFont(FT_Face face, int pixelSize, bool antialiased, SyntheticStyle synthetic);
  ~SizedFont();
  SizedFont(const SizedFont&) = delete;
  SizedFont& operator=(const SizedFont&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  int PixelSize() const { return pixelSize_; }
  bool Antialiased() const { return antialiased_; }

  // The glyph of a character (the face's missing-glyph shape when it has none).
  const GlyphImage& Glyph(char32_t c);
  // The glyph hinted upright, widened along its baseline by permille / 1000
  // (kept within 1/16 .. 16), then turned by `tenths` tenths of a degree
  // counter-clockwise (on the screen) about its origin, and rendered; its
  // advance is the upright one, widened.
  const GlyphImage& TurnedGlyph(char32_t c, int tenths, int permille = 1000);
  // The same for the face's glyph number `index` (text given as glyphs).
  const GlyphImage& IndexedGlyph(std::uint32_t index, int tenths, int permille = 1000);
  // The outline of the face's glyph number `index` as it is rendered for
  // TurnedGlyph (hinted, widened, turned), in 26.6 pixels with y growing
  // upwards from the pen; null when the glyph has none. It lasts until the
  // next glyph is loaded.
  const FT_Outline* Outline(std::uint32_t index, int tenths, int permille = 1000);
  // The face's average character width at this size, in pixels.
  double AverageWidth() const;
  // The face's glyph number for a character (0: it has none).
  std::uint32_t IndexOf(char32_t c);
  // Whether the face has a glyph for the character (remembered for the first 256).
  bool Has(char32_t c) { return c < held_.size() && held_[c] != 0 ? held_[c] == 1 : LookUp(c); }
  // Sum of the advances of the characters.
  int Advance(std::u32string_view text);
  // The face at this size as the text shaper uses it, made when first asked for.
  ShapingFont& Shaping();
  // The face's family name.
  std::string_view FamilyName() const { return face_->family_name ? face_->family_name : ""; }
  // Bytes of coverage the glyphs kept hold. Past kMaxKeptBytes the cache
  // starts again, so a glyph's reference lasts until the next glyph is asked for.
  std::size_t KeptBytes() const { return keptBytes_; }
  static constexpr std::size_t kMaxKeptBytes = std::size_t{32} << 20;

 private:
  static constexpr int kMinWidening = 1000 / 16, kMaxWidening = 1000 * 16;
  GlyphImage Render(FT_UInt index, int tenths, int permille);
  // The glyph loaded into the face's slot with the synthetic styles, its
  // outline widened and turned; its outline kept over an embedded bitmap
  // when `outline` is set. Null when it cannot be loaded.
  FT_GlyphSlot Load(FT_UInt index, int tenths, int permille, bool outline);
  // A turned, widened or numbered glyph from the cache, rendered when missing.
  const GlyphImage& Kept(bool byIndex, std::uint32_t code, int tenths, int permille);
  // Makes room for a glyph about to be kept: every glyph goes when the
  // budget would be passed.
  void MakeRoomFor(const GlyphImage& glyph);
  // Whether the face has the character, remembered for the first 256.
  bool LookUp(char32_t c);

  FT_Face face_;
  FT_Size size_ = nullptr;
  int pixelSize_;
  bool antialiased_;
  SyntheticStyle synthetic_;
  FontMetrics metrics_;
  std::array<GlyphImage, 256> latin_;
  std::array<bool, 256> latinReady_{};
  std::unordered_map<char32_t, GlyphImage> others_;
  std::map<std::tuple<bool, std::uint32_t, int, int>, GlyphImage> turned_;
  std::size_t keptBytes_ = 0;
  std::unique_ptr<ShapingFont> shaping_;
  // For the first 256 characters: 0 not looked up yet, 1 held, 2 missing.
  std::array<std::uint8_t, 256> held_{};
};

}  // namespace kestrova
