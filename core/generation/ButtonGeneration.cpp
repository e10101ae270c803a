#include "core/generation/ButtonGeneration.h"

#include <algorithm>

#include "core/generation/GenerationError.h"
#include "core/support/StrLib.h"
#include "rendering/Buttonizer.h"
#include "rendering/Canvas.h"

namespace kestrova {

namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

int TileWidth(const CutSettings& cut) { return std::max(cut.width, 0); }
int TileHeight(const CutSettings& cut) { return std::max(cut.height, 0); }

// The part of a source rectangle inside the base image; empty when none is.
TRect ClipToBase(const CutRect& r, const Bitmap& base) {
  const std::int64_t left = std::max<std::int64_t>(r.left, 0), top = std::max<std::int64_t>(r.top, 0);
  const std::int64_t right = std::min<std::int64_t>(r.right, base.Width());
  const std::int64_t bottom = std::min<std::int64_t>(r.bottom, base.Height());
  if (right <= left || bottom <= top) return TRect{};
  return TRect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
}

std::string SizeText(std::int64_t w, std::int64_t h) { return std::to_string(w) + " x " + std::to_string(h); }

void CheckCutSize(const CutSettings& cut) {
  if (cut.width >= 1 && cut.height >= 1) return;
  throw GenerationError("The cut size " + SizeText(cut.width, cut.height) +
                        " is not valid: a button needs a width and a height of at least 1 pixel.");
}

int ButtonCountOf(const ButtonSetInput& input) {
  return CountButtons(static_cast<int>(input.lines.size()), input.linesPerButton);
}

// The checks of CheckButtonSet when `held` of the buttons are in memory at once.
void CheckButtons(const ButtonSetInput& input, int held) {
  const int count = ButtonCountOf(input);
  if (count == 0) return;
  if (input.base == nullptr || input.base->Empty()) throw GenerationError("There is no base image.");
  if (input.cut.on) CheckCutSize(input.cut);
  const TSize size = ButtonSize(input);
  const std::int64_t w = size.cx, h = size.cy;
  if (w * h > Bitmap::kMaxPixels / std::max(held, 1)) {
    throw GenerationError(std::to_string(count) + " buttons of " + SizeText(w, h) +
                          " pixels would take more memory than one run may use.");
  }
}

}  // namespace

int CountButtons(int lineCount, int linesPerButton) {
  if (linesPerButton < 1 || lineCount < 1) return 0;
  return static_cast<int>(CeilDiv(lineCount, linesPerButton));
}

int CountOutputFiles(int joinMode, int buttonCount, int buttonsPerImage) {
  switch (joinMode) {
    case 0: return buttonCount;
    case 1: return 1;
    case 2: return buttonsPerImage < 1 || buttonCount < 1 ? 0 : static_cast<int>(CeilDiv(buttonCount, buttonsPerImage));
    default: return 0;
  }
}

std::vector<std::string> ButtonLines(const TextLines& lines, int button, int linesPerButton) {
  std::vector<std::string> result;
  const std::int64_t first = static_cast<std::int64_t>(button) * linesPerButton;
  for (std::int64_t k = first; k < first + linesPerButton; ++k) {
    const bool inText = k >= 0 && k < static_cast<std::int64_t>(lines.size());
    result.emplace_back(inText ? lines[static_cast<std::size_t>(k)] : std::string_view());
  }
  return result;
}

std::string ButtonCaption(const std::vector<std::string>& buttonLines) {
  std::string text;
  for (const std::string& line : buttonLines) text += line + "\r\n";
  return std::string(TrimControls(text));
}

CutRect CutSourceRect(const CutSettings& cut, int button) {
  const std::int64_t w = TileWidth(cut), h = TileHeight(cut), i = button;
  std::int64_t col = 0, row = i;
  if (cut.mode == cmHorizontalStrip) {
    col = i;
    row = 0;
  } else if (cut.mode == cmMatrix) {
    const std::int64_t c = std::max(cut.columns, 1);
    col = i % c;
    row = i / c;
  }
  const std::int64_t left = cut.left + w * col, top = cut.top + h * row;
  return CutRect{left, top, left + w, top + h};
}

Bitmap CutTile(const Bitmap& base, const CutSettings& cut, int button) {
  CheckCutSize(cut);
  Bitmap tile(cut.width, cut.height, PixelFormat::pf24bit);
  tile.Fill(clWhite);
  const CutRect source = CutSourceRect(cut, button);
  const TRect inside = ClipToBase(source, base);
  if (inside.IsEmpty()) return tile;
  const int dx = static_cast<int>(inside.left - source.left), dy = static_cast<int>(inside.top - source.top);
  TCanvas canvas(tile);
  canvas.CopyRect(TRect{dx, dy, dx + inside.Width(), dy + inside.Height()}, base, inside);
  return tile;
}

void ApplyPostEffect(Bitmap& button, const PostEffect& effect) {
  TButtonizer renderer;
  renderer.SetOpacity(effect.opacity);
  renderer.SetX(effect.x);
  renderer.SetY(effect.y);
  renderer.SetColorBG(effect.colorBG);
  renderer.SetColorFG(clWhite);
  renderer.SetColorBL(effect.colorBL);
  renderer.SetFullMix(true);
  renderer.SetExtBMP(&button);
  TCanvas canvas(button);
  renderer.Render(canvas, button.Width(), button.Height());
}

GeneratedButton GenerateButton(const ButtonSetInput& input, int button) {
  const std::vector<std::string> lines = ButtonLines(input.lines, button, input.linesPerButton);
  GeneratedButton result{input.cut.on ? CutTile(*input.base, input.cut, button) : *input.base, ButtonCaption(lines)};
  ApplyPostEffect(result.bitmap, input.post);
  DrawCaption(result.bitmap, lines, input.caption);
  return result;
}

void CheckButtonSet(const ButtonSetInput& input) { CheckButtons(input, ButtonCountOf(input)); }

void CheckButtonsOneByOne(const ButtonSetInput& input) { CheckButtons(input, 1); }

TSize ButtonSize(const ButtonSetInput& input) {
  if (input.cut.on) return TSize{TileWidth(input.cut), TileHeight(input.cut)};
  return input.base ? TSize{input.base->Width(), input.base->Height()} : TSize{};
}

bool DrawsCaptionText(const ButtonSetInput& input) {
  if (ButtonCountOf(input) == 0) return false;
  if (!input.caption.ignoreBlank) return true;
  return std::any_of(input.lines.begin(), input.lines.end(),
                     [](std::string_view line) { return !TrimControls(line).empty(); });
}

std::vector<GeneratedButton> GenerateButtonSet(const ButtonSetInput& input) {
  CheckButtonSet(input);
  const int count = ButtonCountOf(input);
  std::vector<GeneratedButton> buttons;
  buttons.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) buttons.push_back(GenerateButton(input, i));
  return buttons;
}

}  // namespace kestrova
