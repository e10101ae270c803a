#include "rendering/SizedFont.h"

#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "rendering/FontError.h"
#include "rendering/ShapingFont.h"
#include "rendering/Turn.h"

namespace kestrova {

namespace {

// units × ppem / upem rounded to the nearest pixel, halves upwards.
int ScaleRound(long units, int ppem, int upem) {
  const long long twice = 2LL * units * ppem + upem;
  const long long denominator = 2LL * upem;
  long long q = twice / denominator;
  if (twice % denominator != 0 && twice < 0) --q;  // floor division
  return static_cast<int>(q);
}

// Vertical extent of the face in font units: the Windows ascent and descent of
// the OS/2 table, else the horizontal header's, else what FreeType derived.
void CellUnits(FT_Face face, long& ascent, long& descent) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  } else if (hhea && hhea->Ascender - hhea->Descender > 0) {
    ascent = hhea->Ascender;
    descent = -hhea->Descender;
  } else {
    ascent = face->ascender;
    descent = -face->descender;
  }
  if (ascent + descent <= 0) {
    ascent = face->units_per_EM;
    descent = 0;
  }
}

// Top of the underline stroke above the baseline (negative: below) and its
// thickness, in font units.
void UnderlineUnits(FT_Face face, long& top, long& thickness) {
  thickness = face->underline_thickness > 0 ? face->underline_thickness : face->units_per_EM / 14;
  const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
  if (post)
    top = post->underlinePosition;
  else if (face->underline_position != 0)
    top = face->underline_position + thickness / 2;  // FreeType gives the stroke's centre
  else
    top = -face->units_per_EM / 10;
}

void StrikeoutUnits(FT_Face face, long underlineThickness, long& top, long& thickness) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    top = os2->yStrikeoutPosition;
    thickness = os2->yStrikeoutSize;
  } else {
    top = face->units_per_EM * 3 / 10;
    thickness = underlineThickness;
  }
}

// First row (downwards from the baseline) of a stroke of `pixels` rows centred
// on a stroke whose top lies `top` units above the baseline.
int StrokeRow(long top, long thickness, int pixels, int ppem, int upem) {
  const double centre = (-top + thickness / 2.0) * ppem / upem;
  return static_cast<int>(std::floor(centre - pixels / 2.0 + 0.5));
}

FontMetrics ComputeMetrics(FT_Face face, int ppem) {
  const int upem = face->units_per_EM;
  long ascent = 0, descent = 0, ulTop = 0, ulThick = 0, soTop = 0, soThick = 0;
  CellUnits(face, ascent, descent);
  UnderlineUnits(face, ulTop, ulThick);
  StrikeoutUnits(face, ulThick, soTop, soThick);
  FontMetrics m;
  m.ascent = ScaleRound(ascent, ppem, upem);
  m.descent = ScaleRound(descent, ppem, upem);
  m.underlineThickness = std::max(1, ScaleRound(ulThick, ppem, upem));
  m.underlineTop = StrokeRow(ulTop, ulThick, m.underlineThickness, ppem, upem);
  m.strikeoutThickness = std::max(1, ScaleRound(soThick, ppem, upem));
  m.strikeoutTop = StrokeRow(soTop, soThick, m.strikeoutThickness, ppem, upem);
  return m;
}

// Coverage of a rendered bitmap; monochrome output keeps only 0 and 255.
void CopyCoverage(const FT_Bitmap& bitmap, bool antialiased, GlyphImage& g) {
  g.width = static_cast<int>(bitmap.width);
  g.height = static_cast<int>(bitmap.rows);
  g.coverage.assign(static_cast<std::size_t>(g.width) * g.height, 0);
  const int grays = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
  for (int y = 0; y < g.height; ++y) {
    const unsigned char* src = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
    std::uint8_t* dst = g.coverage.data() + static_cast<std::size_t>(y) * g.width;
    for (int x = 0; x < g.width; ++x) {
      int value = 0;
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        value = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      else
        value = src[x] * 255 / grays;
      if (!antialiased) value = value >= 128 ? 255 : 0;
      dst[x] = static_cast<std::uint8_t>(value);
    }
  }
}

// A widening by permille / 1000 along the baseline, then the rotation by
// `tenths` tenths of a degree counter-clockwise on the screen (outline y
// grows upwards).
FT_Matrix Rotation(int tenths, int permille) {
  double c = 1, s = 0;
  TurnOf(tenths, c, s);
  const double w = permille / 1000.0;
  const auto fixed = [](double v) { return static_cast<FT_Fixed>(std::lrint(v * 0x10000)); };
  return FT_Matrix{fixed(c * w), fixed(-s), fixed(s * w), fixed(c)};
}

int Turns(int tenths) { return ((tenths % 3600) + 3600) % 3600; }

}  // namespace

SizedFont::SizedFont(FT_Face face, int pixelSize, bool antialiased, SyntheticStyle synthetic)
    : face_(face), pixelSize_(pixelSize), antialiased_(antialiased), synthetic_(synthetic) {
  if (FT_New_Size(face_, &size_) != 0) throw FontError("Cannot create a font size");
  if (FT_Activate_Size(size_) != 0 || FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    FT_Done_Size(size_);
    throw FontError("The font cannot be scaled to " + std::to_string(pixelSize) + " pixels");
  }
  metrics_ = ComputeMetrics(face_, pixelSize);
}

SizedFont::~SizedFont() {
  shaping_.reset();
  FT_Done_Size(size_);
}

ShapingFont& SizedFont::Shaping() {
  if (!shaping_) shaping_ = std::make_unique<ShapingFont>(*this, face_, pixelSize_);
  return *shaping_;
}

const GlyphImage& SizedFont::Glyph(char32_t c) { return Whole(KeyOf(false, c, 0, 1000)); }

const GlyphImage& SizedFont::TurnedGlyph(char32_t c, int tenths, int permille) {
  return Whole(KeyOf(false, c, tenths, permille));
}

const GlyphImage& SizedFont::IndexedGlyph(std::uint32_t index, int tenths, int permille) {
  return Whole(KeyOf(true, index, tenths, permille));
}

GlyphKey SizedFont::KeyOf(bool byIndex, std::uint32_t code, int tenths, int permille) const {
  return GlyphKey{byIndex, code, Turns(tenths), std::clamp(permille, kMinWidening, kMaxWidening)};
}

const GlyphImage& SizedFont::Whole(const GlyphKey& key) {
  if (const GlyphImage* kept = glyphs_.Find(key)) return *kept;
  return WholeLoaded(key, Load(key));
}

const GlyphImage& SizedFont::WholeLoaded(const GlyphKey& key, const Loaded& loaded) {
  GlyphImage glyph;
  glyph.advance = loaded.advance;
  if (loaded.drawable) RenderLoaded(glyph);
  const std::size_t bytes = sizeof(GlyphImage) + glyph.coverage.size();
  if (bytes > kMaxKeptBytes / 8) {
    part_ = std::move(glyph);
    return part_;
  }
  return glyphs_.Keep(key, std::move(glyph), bytes);
}

const GlyphImage& SizedFont::GlyphWithin(bool byIndex, std::uint32_t code, int tenths, int permille,
                                         const TRect& window) {
  const GlyphKey key = KeyOf(byIndex, code, tenths, permille);
  if (const GlyphImage* kept = glyphs_.Find(key)) return *kept;
  const Loaded loaded = Load(key);
  const TRect box = loaded.drawable ? LoadedBox() : TRect{};
  if (box.Width64() * box.Height64() <= kWholeGlyphPixels) return WholeLoaded(key, loaded);
  part_ = GlyphImage{};
  part_.advance = loaded.advance;
  const TRect inside = Intersect(box, window);
  if (!inside.IsEmpty()) RenderLoadedPart(inside, part_);
  return part_;
}

int SizedFont::GlyphAdvance(bool byIndex, std::uint32_t code, int permille) {
  if (!byIndex && permille == 1000 && code < latinAdvances_.size()) {
    // The first 256 characters upright, as captions measure them: kept apart, a few bytes.
    int& advance = latinAdvances_[code];
    if (advance < 0) advance = Load(KeyOf(false, code, 0, 1000)).advance;
    return advance;
  }
  const GlyphKey key = KeyOf(byIndex, code, 0, permille);
  if (const GlyphImage* kept = glyphs_.Find(key)) return kept->advance;
  if (const int* advance = advances_.Find(key)) return *advance;
  return advances_.Keep(key, Load(key).advance, sizeof(GlyphKey) + sizeof(int));
}

std::uint32_t SizedFont::IndexOf(char32_t c) { return FT_Get_Char_Index(face_, c); }

bool SizedFont::LookUp(char32_t c) {
  const bool held = IndexOf(c) != 0;
  if (c < held_.size()) held_[c] = held ? 1 : 2;
  return held;
}

const FT_Outline* SizedFont::Outline(std::uint32_t index, int tenths, int permille) {
  if (!Load(KeyOf(true, index, tenths, permille), true).drawable) return nullptr;
  const FT_GlyphSlot slot = face_->glyph;
  return slot->format == FT_GLYPH_FORMAT_OUTLINE ? &slot->outline : nullptr;
}

double SizedFont::AverageWidth() const {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (!os2 || os2->xAvgCharWidth <= 0 || face_->units_per_EM == 0) return pixelSize_ / 2.0;
  return static_cast<double>(os2->xAvgCharWidth) * pixelSize_ / face_->units_per_EM;
}

int SizedFont::Advance(std::u32string_view text) {
  int width = 0;
  for (char32_t c : text)
    width += c < latinAdvances_.size() && latinAdvances_[c] >= 0 ? latinAdvances_[c] : GlyphAdvance(false, c);
  return width;
}

SizedFont::Loaded SizedFont::Load(const GlyphKey& key, bool outline) {
  const bool transformed = key.tenths != 0 || key.permille != 1000;
  FT_Activate_Size(size_);
  FT_UInt index = key.byIndex ? key.code : IndexOf(key.code);
  // A number past the face's glyphs draws its missing-glyph shape.
  if (index >= static_cast<FT_UInt>(face_->num_glyphs)) index = 0;
  // A glyph to be turned or widened needs its outline: embedded bitmaps cannot turn.
  const FT_Int32 flags =
      (antialiased_ ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO) | (transformed || outline ? FT_LOAD_NO_BITMAP : 0);
  if (FT_Load_Glyph(face_, index, flags) != 0) return Loaded{};
  FT_GlyphSlot slot = face_->glyph;
  if (synthetic_.italic) FT_GlyphSlot_Oblique(slot);
  if (synthetic_.bold) FT_GlyphSlot_Embolden(slot);
  Loaded loaded;
  loaded.advance = key.permille == 1000 ? static_cast<int>((slot->advance.x + 32) >> 6)
                                        : static_cast<int>(std::lrint(slot->advance.x / 64.0 * key.permille / 1000));
  if (transformed) {
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return loaded;
    FT_Matrix turn = Rotation(key.tenths, key.permille);
    FT_Outline_Transform(&slot->outline, &turn);
  }
  loaded.drawable = true;
  return loaded;
}

TRect SizedFont::LoadedBox() const {
  const FT_GlyphSlot slot = face_->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
    return TRect{slot->bitmap_left, -slot->bitmap_top, slot->bitmap_left + static_cast<int>(slot->bitmap.width),
                 -slot->bitmap_top + static_cast<int>(slot->bitmap.rows)};
  }
  FT_BBox cbox;
  FT_Outline_Get_CBox(&slot->outline, &cbox);
  // Whole pixels round the outline, rows downwards from the baseline.
  const auto floorPixel = [](FT_Pos v) { return static_cast<int>(std::floor(v / 64.0)); };
  const auto ceilPixel = [](FT_Pos v) { return static_cast<int>(std::ceil(v / 64.0)); };
  return TRect{floorPixel(cbox.xMin), -ceilPixel(cbox.yMax), ceilPixel(cbox.xMax), -floorPixel(cbox.yMin)};
}

void SizedFont::RenderLoaded(GlyphImage& g) {
  FT_GlyphSlot slot = face_->glyph;
  const FT_Render_Mode mode = antialiased_ ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, mode) != 0) return;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return;
  CopyCoverage(bitmap, antialiased_, g);
  g.left = slot->bitmap_left;
  g.top = -slot->bitmap_top;
}

void SizedFont::RenderLoadedPart(const TRect& window, GlyphImage& g) {
  FT_GlyphSlot slot = face_->glyph;
  // The outline moved so that the window's bottom-left corner is its origin:
  // the same pixel grid as the whole glyph's, cut to the window.
  FT_Outline_Translate(&slot->outline, -FT_Pos{window.left} * 64, FT_Pos{window.bottom} * 64);
  FT_Bitmap bitmap;
  FT_Bitmap_Init(&bitmap);
  bitmap.width = static_cast<unsigned>(window.Width());
  bitmap.rows = static_cast<unsigned>(window.Height());
  bitmap.pixel_mode = antialiased_ ? FT_PIXEL_MODE_GRAY : FT_PIXEL_MODE_MONO;
  bitmap.num_grays = 256;
  bitmap.pitch = antialiased_ ? window.Width() : (window.Width() + 7) / 8;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(bitmap.pitch) * bitmap.rows);
  bitmap.buffer = pixels.data();
  if (FT_Outline_Get_Bitmap(slot->library, &slot->outline, &bitmap) != 0) return;
  CopyCoverage(bitmap, antialiased_, g);
  g.left = window.left;
  g.top = window.top;
}

}  // namespace kestrova
