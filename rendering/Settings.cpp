#include "rendering/Settings.h"

namespace kestrova {

TSettings DefaultSettings() {
  TSettings s;
  s.lcname = true;
  s.newx = 96;
  s.newy = 32;
  s.shx = 1;
  s.shy = 1;
  s.gc1 = 0xC0C0C0;
  s.gc2 = 0xFFFFFF;
  s.gc3 = 0xC0C0C0;
  s.shcolor = 0xFFFFFF;
  s.FrameColor = 0xFFFFFF;
  s.FrameWidth = 1;
  s.BNX = 3;
  s.BNY = 3;
  s.BNColorFG = 0xFFFFFF;
  s.fontname = "MS Sans Serif";
  s.fontcharset = 1;
  s.fontsize = 8;
  s.matrix_cols = 1;
  s.jpg_qual = 100;
  s.useautonum = true;
  s.postBNx = 1;
  s.postBNy = 1;
  s.postBNColorBG = 0xC0C0C0;
  s.GlyphX = 2;
  s.GlyphY = 2;
  s.GlyphWidth = 16;
  s.GlyphHeight = 16;
  s.GlyphMargin = 3;
  s.RowPerBtn = 1;
  s.GIFColorReduc = 7;
  s.BKColor = 0xFFFFFF;
  s.BtnPerImgCnt = 2;
  s.Myblack = 0x303030;
  s.Mywhite = 0xEFEFEF;
  s.BNColorTR = 0xFFFFFF;
  s.IconTranspColor = 0xFFFFFF;
  return s;
}

}  // namespace kestrova
