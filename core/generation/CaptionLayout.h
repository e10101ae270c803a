#pragma once
// The caption of one button: where each of its lines goes on the button
// bitmap (alignment, margins, extra space between lines) and drawing the lines
// with an optional shadow or double shadow.

#include <string>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Color.h"
#include "rendering/Font.h"
#include "rendering/Geometry.h"

namespace kestrova {

struct TextLayout {
  int align = 0;    // 0 left, 1 centred, 2 right
  int valign = 0;   // 0 top, 1 middle, 2 bottom
  int marginX = 0;  // from the left edge, or from the right edge when right-aligned
  int marginY = 0;  // from the top edge, or from the bottom edge when bottom-aligned
  int lineGap = 0;  // extra space between two lines; may be negative
};

struct TextShadow {
  bool on = false;
  bool doubled = false;  // a second shadow at the opposite offset
  TColor color = clWhite;
  TPoint offset{1, 1};
};

struct CaptionStyle {
  TFont font;              // its quality is set from `antialias`
  bool antialias = false;  // grey-level edges (quality 4) or plain pixels (quality 3)
  bool ignoreBlank = false;
  TextLayout layout;
  TextShadow shadow;
};

// Top-left corner of the text cell of line j of n, whose extent is `extent`,
// on a bitmap of size `area`. Centring halves toward zero and takes no margin.
TPoint CaptionLinePosition(const TextLayout& layout, TSize area, int n, int j, TSize extent);

// The lines that are drawn: all of them, or with `ignoreBlank` those that hold
// more than blanks and control characters, in their order.
std::vector<std::string> LinesToDraw(const std::vector<std::string>& lines, bool ignoreBlank);

// Draws the lines onto the bitmap without a background box: for each line the
// shadow (when on), the double shadow (when on too), then the text. Nothing is
// drawn on an empty bitmap. Raises FontError when the font cannot be loaded.
void DrawCaption(Bitmap& bitmap, const std::vector<std::string>& lines, const CaptionStyle& style);

// Loads the font DrawCaption draws with on the calling thread, so that a font
// that cannot be used shows before any button is drawn: raises FontError then.
void LoadCaptionFont(const CaptionStyle& style);

}  // namespace kestrova
