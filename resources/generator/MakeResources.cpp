// Writes the generated resources into the resources folder:
//
//   kestrova_make_resources <resources folder>
//       presets-default.ini, icons/*.png, icons/*.bmp and bullets.ini
//   kestrova_make_resources --preview <picture.png>
//       one picture showing every preset as a captioned button (wide and
//       square) and every icon at its size and enlarged, for a look by eye

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "core/images/PngCodec.h"
#include "core/support/FileAccess.h"
#include "rendering/BaseImageComposer.h"
#include "rendering/Canvas.h"
#include "resources/generator/ResourceArt.h"

using namespace kestrova;

namespace {

constexpr int kWide = 120, kLow = 32, kSquare = 72, kGap = 8, kZoom = 4;

// The preset drawn at a size, with a caption in the middle.
Bitmap Button(TSettings settings, int width, int height, const std::string& caption) {
  settings.newx = width;
  settings.newy = height;
  Bitmap button = ComposeBaseImage(settings);
  TCanvas canvas(button);
  canvas.Brush.style = BrushStyle::bsClear;
  canvas.Font.name = "DejaVu Sans";
  canvas.Font.size = 8;
  canvas.Font.style = fsBold;
  canvas.Font.quality = fqAntialiased;
  const TColor middle = button.GetPixel(width / 2, height / 2);
  const int light = RedOf(middle) * 3 + GreenOf(middle) * 6 + BlueOf(middle);
  canvas.Font.color = light > 1400 ? RGBColor(0x20, 0x20, 0x20) : RGBColor(0xFC, 0xFC, 0xFC);
  const TSize extent = canvas.TextExtent(caption);
  canvas.TextOut((width - extent.cx) / 2, (height - extent.cy) / 2, caption);
  return button;
}

int Preview(const std::string& fileName) {
  const auto presets = art::DefaultPresets();
  const auto icons = art::DrawPaletteIcons();
  const int rowHeight = kSquare + kGap;
  const int iconRow = 16 * kZoom + kGap;
  Bitmap sheet(std::max(kGap + kWide + kGap + kSquare + kGap + 260, kGap + 36 * static_cast<int>(icons.size())),
               kGap + static_cast<int>(presets.size()) * rowHeight + 3 * iconRow);
  sheet.Fill(RGBColor(0xFF, 0xFF, 0xFF));
  TCanvas canvas(sheet);
  int y = kGap;
  for (std::size_t i = 0; i < presets.size(); ++i, y += rowHeight) {
    canvas.Draw(kGap, y, Button(presets[i].settings, kWide, kLow, "Home"));
    canvas.Draw(kGap, y + kLow + 4, Button(presets[i].settings, 90, 26, "Contact"));
    canvas.Draw(2 * kGap + kWide, y, Button(presets[i].settings, kSquare, kSquare, "Go"));
    canvas.Brush.style = BrushStyle::bsClear;
    canvas.Font.name = "DejaVu Sans";
    canvas.Font.size = 9;
    canvas.Font.color = 0;
    canvas.TextOut(3 * kGap + kWide + kSquare, y + 8, "preset" + std::to_string(i + 1) + " " + presets[i].name);
  }
  const TColor backgrounds[] = {RGBColor(0xFF, 0xFF, 0xFF), RGBColor(0xD4, 0xD0, 0xC8), RGBColor(0x30, 0x34, 0x3A)};
  for (TColor background : backgrounds) {
    canvas.Brush.style = BrushStyle::bsSolid;
    canvas.Brush.color = background;
    canvas.FillRect(Rect(0, y - 4, sheet.Width(), y + iconRow - 4));
    int x = kGap;
    for (const auto& icon : icons) {
      // Drawn over the background with white transparent, as the palette's default does.
      for (int iy = 0; iy < icon.picture.Height(); ++iy) {
        for (int ix = 0; ix < icon.picture.Width(); ++ix) {
          const TColor c = icon.picture.GetPixel(ix, iy);
          if (c == RGBColor(0xFF, 0xFF, 0xFF)) continue;
          canvas.SetPixel(x + ix, y + iy, c);
          canvas.Brush.color = c;
          canvas.FillRect(Rect(x + ix * 2, y + 20 + iy * 2, x + ix * 2 + 2, y + 20 + iy * 2 + 2));
        }
      }
      x += 36;
    }
    y += iconRow;
  }
  const auto bytes = EncodePng(sheet, PngWriteOptions{9});
  return WriteFileAtomically(fileName, std::string(bytes.begin(), bytes.end())) ? 0 : 1;
}

int Generate(std::string folder) {
  folder = std::filesystem::absolute(folder).string();
  if (!folder.ends_with('/')) folder += '/';
  std::filesystem::create_directories(folder + "icons");
  art::WriteDefaultPresets(folder + "presets-default.ini");
  art::WritePaletteIcons(folder);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "--preview") return Preview(args[1]);
    if (args.size() == 1) return Generate(args[0]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kestrova_make_resources: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr, "usage: kestrova_make_resources <resources folder> | --preview <picture.png>\n");
  return 2;
}
