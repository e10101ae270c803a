#pragma once
// The settings record: every parameter of a project, one field per project-file
// key (section "main"), plus the project file name and the caption text.
// It is plain data and sits in the bottom layer because the base-image composer
// takes it by value; reading and writing it belongs to core/.

#include <cstdint>
#include <string>

#include "rendering/Color.h"
#include "rendering/Font.h"

namespace kestrova {

struct TSettings {
  std::string projectfile;
  std::string image_file;
  std::string image_file_rel;
  std::string prefix;
  std::string postfix;
  std::string outputdir;
  std::string captions;  // caption lines, each followed by CR LF
  bool lcname = false;
  bool gradient = false;
  bool horizontal = false;
  bool twoonly = false;
  bool cutbig = false;
  bool shadow = false;
  bool shdouble = false;
  std::int32_t newx = 0;
  std::int32_t newy = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t cutx = 0;
  std::int32_t cuty = 0;
  std::int32_t cutx0 = 0;
  std::int32_t cuty0 = 0;
  std::int32_t shx = 0;
  std::int32_t shy = 0;
  TColor gc1 = 0;
  TColor gc2 = 0;
  TColor gc3 = 0;
  TColor shcolor = 0;
  std::int32_t FileFormat = 0;
  TColor FrameColor = 0;
  std::int32_t FrameWidth = 0;
  bool FrameOn = false;
  std::int32_t BNOpacity = 0;
  std::int32_t BNX = 0;
  std::int32_t BNY = 0;
  TColor BNColorBG = 0;
  TColor BNColorFG = 0;
  TColor BNColorBL = 0;
  TColor fontcolor = 0;
  std::string fontname;
  TFontStyles fontstyle = 0;
  std::uint8_t fontcharset = 0;
  std::int32_t fontsize = 0;
  std::int32_t vhmode = 0;
  std::int32_t vhmode0 = 0;
  bool savehtml = false;
  std::int32_t textalign = 0;
  std::int32_t cuth = 0;
  std::int32_t matrix_cols = 0;
  std::int32_t jpg_qual = 0;
  bool useautonum = false;
  bool spacing = false;
  bool notitles = false;
  std::int32_t postBNx = 0;
  std::int32_t postBNy = 0;
  std::int32_t postBNopacity = 0;
  TColor postBNColorBG = 0;
  TColor postBNColorBL = 0;
  std::string GlyphFile;
  std::int32_t GlyphX = 0;
  std::int32_t GlyphY = 0;
  std::int32_t GlyphWidth = 0;
  std::int32_t GlyphHeight = 0;
  std::int32_t GlyphMargin = 0;
  std::int32_t RowPerBtn = 0;
  bool ForceDirs = false;
  std::int32_t GIFColorReduc = 0;
  std::int32_t GIFDither = 0;
  std::int32_t GIFCompr = 0;
  TColor PNGTransparentColor = 0;
  std::int32_t PNGCompressionLevel = 0;
  bool PNGTransparent = false;
  std::int32_t MarSize = 0;
  std::int32_t GapSize = 0;
  TColor BKColor = 0;
  bool FrameRound = false;
  std::int32_t FrameMargin = 0;
  std::int32_t FrameRX = 0;
  std::int32_t FrameRY = 0;
  std::int32_t BtnPerImgMode = 0;
  std::int32_t BtnPerImgCnt = 0;
  bool IgnBlank = false;
  bool HTMLMap = false;
  std::int32_t textyalign = 0;
  bool radial = false;
  bool RoundBtn = false;
  bool Round3DLike = false;
  float Angle = 0;
  std::int32_t ExtRadius = 0;
  TColor Myblack = 0;
  TColor Mywhite = 0;
  TColor BNColorTR = 0;
  std::int32_t smooth = 0;
  std::int32_t roundmargin = 0;
  bool antialias = false;
  std::int32_t rowoffset = 0;
  bool IconTransparent = false;
  TColor IconTranspColor = 0;

  friend bool operator==(const TSettings&, const TSettings&) = default;
};

// The record as a project file without any keys reads: every field at the
// default it takes when its key is missing. (A value-initialised record, like
// the global one at start, holds empty strings, zeros and False instead.)
TSettings DefaultSettings();

}  // namespace kestrova
