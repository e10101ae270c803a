#pragma once
// Pen and brush of a canvas.

#include "rendering/Color.h"

namespace kestrova {

enum class PenStyle { psSolid, psClear };
enum class BrushStyle { bsSolid, bsClear };

struct TPen {
  TColor color = clBlack;
  int width = 1;
  PenStyle style = PenStyle::psSolid;
};

struct TBrush {
  TColor color = clWhite;
  BrushStyle style = BrushStyle::bsSolid;
};

}  // namespace kestrova
