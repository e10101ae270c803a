#pragma once
// Pen and brush of a canvas.

#include <memory>
#include <vector>

#include "rendering/Color.h"
#include "rendering/Geometry.h"

namespace kestrova {

class BrushPattern;

// Dashed styles draw dashes and gaps along the line: psUserStyle from the
// pen's own lengths, psAlternate every other pixel (one-pixel pens only).
enum class PenStyle { psSolid, psClear, psDash, psDot, psDashDot, psDashDotDot, psUserStyle, psAlternate };
enum class BrushStyle { bsSolid, bsClear };
// How a wide pen ends an open line, and how it turns at a corner.
enum class PenEndCap { pcRound, pcSquare, pcFlat };
enum class PenJoin { pjRound, pjBevel, pjMiter };

struct TPen {
  TColor color = clBlack;
  int width = 1;
  PenStyle style = PenStyle::psSolid;
  // A geometric pen is stroked as an outline of its width, with its caps and
  // joins, and its dashes grow with its width; otherwise a one-pixel pen steps
  // from pixel to pixel and a wider one is round at its ends and corners.
  bool geometric = false;
  PenEndCap endCap = PenEndCap::pcRound;
  PenJoin join = PenJoin::pjRound;
  // Longest miter, in pen widths, before a miter join is cut back to a bevel.
  double miterLimit = 10;
  // Shapes keep the whole pen inside their box.
  bool insideFrame = false;
  // psUserStyle: dash and gap lengths in turn, in pixels (one-pixel pens) or pen widths.
  std::vector<double> dashes{};
  // The gaps of a dashed one-pixel pen take this colour when set (an opaque
  // background); otherwise they leave the pixels below as they are.
  bool paintGaps = false;
  TColor gapColor = clWhite;
};

struct TBrush {
  TColor color = clWhite;
  BrushStyle style = BrushStyle::bsSolid;
  // A solid brush with a pattern fills with the pattern instead of its colour,
  // laid from `origin` in canvas pixels.
  std::shared_ptr<const BrushPattern> pattern{};
  TPoint origin{};
};

}  // namespace kestrova
