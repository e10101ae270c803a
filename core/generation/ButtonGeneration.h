#pragma once
// The buttons of one run: how many there are, which caption lines each one
// takes, and the bitmap of each: a tile cut from the base image or a copy of
// the whole base image, with the post effect and then the caption drawn on it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/generation/CaptionLayout.h"
#include "core/support/TextLines.h"
#include "rendering/Bitmap.h"
#include "rendering/Color.h"
#include "rendering/Geometry.h"

namespace kestrova {

enum CutMode : int { cmVerticalStrip = 0, cmHorizontalStrip = 1, cmMatrix = 2 };

struct CutSettings {
  bool on = false;  // cut tiles; otherwise every button is a copy of the base image
  int mode = cmVerticalStrip;  // any other value cuts a vertical strip
  int width = 0;    // tile size
  int height = 0;
  int left = 0;     // where the first tile begins in the base image
  int top = 0;
  int columns = 1;  // tiles per matrix row
};

// The bevel laid over every button before its caption.
struct PostEffect {
  int opacity = 0;  // percent
  int x = 0;        // edge widths
  int y = 0;
  TColor colorBG = 0;  // light edge
  TColor colorBL = 0;  // dark edge
};

struct ButtonSetInput {
  TextLines lines;  // the caption lines of all buttons
  int linesPerButton = 1;
  CutSettings cut;
  PostEffect post;
  CaptionStyle caption;
  const Bitmap* base = nullptr;
};

struct GeneratedButton {
  Bitmap bitmap;
  std::string caption;  // the button's lines joined by CR LF, trimmed
};

// A source rectangle in the base image; right and bottom excluded.
struct CutRect {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
};

// Lines divided by lines per button, rounded up; 0 when the divisor is below 1.
int CountButtons(int lineCount, int linesPerButton);
// Output files by joining mode: 0 one per button, 1 one, 2 buttons divided by
// buttons per image, rounded up; 0 for any other mode or a divisor below 1.
int CountOutputFiles(int joinMode, int buttonCount, int buttonsPerImage);

// The lines of a button; lines beyond the end of the text are empty.
std::vector<std::string> ButtonLines(const TextLines& lines, int button, int linesPerButton);
// Each line followed by CR LF, then trimmed of blanks and control characters
// at both ends (inner line breaks stay).
std::string ButtonCaption(const std::vector<std::string>& buttonLines);

// Where a button's tile lies in the base image.
CutRect CutSourceRect(const CutSettings& cut, int button);
// A 24-bit tile filled with white and the part of its source rectangle that
// lies in the base image copied onto it 1:1. GenerationError for a cut size
// below 1 x 1.
Bitmap CutTile(const Bitmap& base, const CutSettings& cut, int button);
// The post effect: bevel edges blended over the button's own pixels.
void ApplyPostEffect(Bitmap& button, const PostEffect& effect);
// One button: its tile or a copy of the base image (in the base image's own
// format), the post effect, the caption. Raises FontError when the caption
// font cannot be loaded.
GeneratedButton GenerateButton(const ButtonSetInput& input, int button);

// Raises GenerationError for a set that cannot be made: buttons but no base
// image, a cut size below 1 x 1, or buttons holding more pixels together than
// one bitmap may. A tile whose source lies wholly outside the base image is
// no error: it stays white, with its caption.
void CheckButtonSet(const ButtonSetInput& input);
// The same for buttons made, used and dropped one at a time: only one button
// must not hold more pixels than a bitmap may.
void CheckButtonsOneByOne(const ButtonSetInput& input);
// The size of every button: the cut size, or the base image's size.
TSize ButtonSize(const ButtonSetInput& input);
// Whether making the buttons draws a caption line (and so needs the font).
bool DrawsCaptionText(const ButtonSetInput& input);
// Every button, in order, after CheckButtonSet.
std::vector<GeneratedButton> GenerateButtonSet(const ButtonSetInput& input);

}  // namespace kestrova
