#include "rendering/SizedFont.h"

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

const GlyphImage& SizedFont::Glyph(char32_t c) {
  if (c < latin_.size()) {
    if (!latinReady_[c]) {
      GlyphImage glyph = Render(IndexOf(c), 0, 1000);
      MakeRoomFor(glyph);
      latin_[c] = std::move(glyph);
      latinReady_[c] = true;
    }
    return latin_[c];
  }
  auto it = others_.find(c);
  if (it != others_.end()) return it->second;
  GlyphImage glyph = Render(IndexOf(c), 0, 1000);
  MakeRoomFor(glyph);
  return others_.emplace(c, std::move(glyph)).first->second;
}

void SizedFont::MakeRoomFor(const GlyphImage& glyph) {
  if (keptBytes_ + glyph.coverage.size() > kMaxKeptBytes) {
    latin_ = {};
    latinReady_ = {};
    others_.clear();
    turned_.clear();
    keptBytes_ = 0;
  }
  keptBytes_ += glyph.coverage.size();
}

std::uint32_t SizedFont::IndexOf(char32_t c) { return FT_Get_Char_Index(face_, c); }

bool SizedFont::LookUp(char32_t c) {
  const bool held = IndexOf(c) != 0;
  if (c < held_.size()) held_[c] = held ? 1 : 2;
  return held;
}

const GlyphImage& SizedFont::TurnedGlyph(char32_t c, int tenths, int permille) {
  tenths = Turns(tenths);
  permille = std::clamp(permille, kMinWidening, kMaxWidening);
  return tenths == 0 && permille == 1000 ? Glyph(c) : Kept(false, c, tenths, permille);
}

const GlyphImage& SizedFont::IndexedGlyph(std::uint32_t index, int tenths, int permille) {
  return Kept(true, index, Turns(tenths), std::clamp(permille, kMinWidening, kMaxWidening));
}

double SizedFont::AverageWidth() const {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (!os2 || os2->xAvgCharWidth <= 0 || face_->units_per_EM == 0) return pixelSize_ / 2.0;
  return static_cast<double>(os2->xAvgCharWidth) * pixelSize_ / face_->units_per_EM;
}

const GlyphImage& SizedFont::Kept(bool byIndex, std::uint32_t code, int tenths, int permille) {
  const std::tuple<bool, std::uint32_t, int, int> key{byIndex, code, tenths, permille};
  auto it = turned_.find(key);
  if (it != turned_.end()) return it->second;
  GlyphImage glyph = Render(byIndex ? code : IndexOf(code), tenths, permille);
  MakeRoomFor(glyph);
  return turned_.emplace(key, std::move(glyph)).first->second;
}

int SizedFont::Advance(std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += Glyph(c).advance;
  return width;
}

FT_GlyphSlot SizedFont::Load(FT_UInt index, int tenths, int permille, bool outline) {
  FT_Activate_Size(size_);
  // A number past the face's glyphs draws its missing-glyph shape.
  if (index >= static_cast<FT_UInt>(face_->num_glyphs)) index = 0;
  const FT_Int32 flags = (antialiased_ ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO) | (outline ? FT_LOAD_NO_BITMAP : 0);
  if (FT_Load_Glyph(face_, index, flags) != 0) return nullptr;
  FT_GlyphSlot slot = face_->glyph;
  if (synthetic_.italic) FT_GlyphSlot_Oblique(slot);
  if (synthetic_.bold) FT_GlyphSlot_Embolden(slot);
  if ((tenths != 0 || permille != 1000) && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_Matrix turn = Rotation(tenths, permille);
    FT_Outline_Transform(&slot->outline, &turn);
  }
  return slot;
}

const FT_Outline* SizedFont::Outline(std::uint32_t index, int tenths, int permille) {
  FT_GlyphSlot slot = Load(index, Turns(tenths), std::clamp(permille, kMinWidening, kMaxWidening), true);
  return slot && slot->format == FT_GLYPH_FORMAT_OUTLINE ? &slot->outline : nullptr;
}

GlyphImage SizedFont::Render(FT_UInt index, int tenths, int permille) {
  const bool transformed = tenths != 0 || permille != 1000;
  GlyphImage g;
  // A glyph to be turned or widened needs its outline: embedded bitmaps cannot turn.
  FT_GlyphSlot slot = Load(index, tenths, permille, transformed);
  if (!slot) return g;
  // The transform leaves the advance as loaded.
  g.advance = permille == 1000 ? static_cast<int>((slot->advance.x + 32) >> 6)
                               : static_cast<int>(std::lrint(slot->advance.x / 64.0 * permille / 1000));
  if (transformed && slot->format != FT_GLYPH_FORMAT_OUTLINE) return g;
  const FT_Render_Mode mode = antialiased_ ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, mode) != 0) return g;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return g;
  CopyCoverage(bitmap, antialiased_, g);
  g.left = slot->bitmap_left;
  g.top = -slot->bitmap_top;
  return g;
}

}  // namespace kestrova
