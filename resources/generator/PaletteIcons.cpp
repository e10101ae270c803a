// The icons of the icon palette: 16 x 16 pictures drawn with our own canvas
// on white, the palette's default transparent colour. A shape is filled with a
// key colour; then its border pixels (those next to anything else) take the
// ink's outline and the rest a gradient from top to bottom, which gives each
// icon a little light and an outline that follows the fill exactly.

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "core/images/BmpWriter.h"
#include "core/images/PngCodec.h"
#include "core/support/FileAccess.h"
#include "core/support/TextFiles.h"
#include "rendering/Canvas.h"
#include "resources/generator/ResourceArt.h"

namespace kestrova::art {

namespace {

constexpr int kSize = 16;
constexpr TColor kPaper = RGBColor(255, 255, 255);
// Stands for "the gradient goes here" while a shape is drawn; no icon uses it otherwise.
constexpr TColor kKey = RGBColor(1, 2, 3);
// The lightest colour an icon uses, so that no icon pixel is keyed out.
constexpr TColor kNearWhite = RGBColor(0xFC, 0xFC, 0xFC);

// Colours of one icon: the gradient of its body (top, bottom) and its outline.
struct Ink {
  TColor top;
  TColor bottom;
  TColor outline;
};

constexpr Ink kBlue{RGBColor(0x8C, 0xC8, 0xFF), RGBColor(0x1E, 0x5E, 0xC8), RGBColor(0x12, 0x36, 0x78)};
constexpr Ink kGreen{RGBColor(0xA6, 0xE8, 0x7C), RGBColor(0x2E, 0x96, 0x24), RGBColor(0x1A, 0x5A, 0x14)};
constexpr Ink kRed{RGBColor(0xFF, 0x98, 0x88), RGBColor(0xD0, 0x1E, 0x1E), RGBColor(0x78, 0x0E, 0x0E)};
constexpr Ink kOrange{RGBColor(0xFF, 0xD2, 0x7A), RGBColor(0xF0, 0x7A, 0x10), RGBColor(0x8A, 0x40, 0x06)};
constexpr Ink kPurple{RGBColor(0xD8, 0xB0, 0xFF), RGBColor(0x74, 0x34, 0xC8), RGBColor(0x40, 0x18, 0x74)};
constexpr Ink kGold{RGBColor(0xFF, 0xF0, 0x88), RGBColor(0xF2, 0xB0, 0x0C), RGBColor(0x8C, 0x5C, 0x04)};
constexpr Ink kGrey{RGBColor(0xF4, 0xF4, 0xF4), RGBColor(0xB8, 0xBE, 0xC6), RGBColor(0x50, 0x58, 0x62)};

TColor Mix(TColor a, TColor b, int weightB, int scale) {
  const auto channel = [&](int shift) {
    const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    return static_cast<TColor>((ca * (scale - weightB) + cb * weightB + scale / 2) / scale) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

class IconCanvas {
 public:
  IconCanvas() : picture_(kSize, kSize), canvas_(picture_) { picture_.Fill(kPaper); }

  // Shapes filled with the key colour.
  void Shape(const std::vector<TPoint>& points) {
    FillWithKey();
    canvas_.Polygon(points);
  }
  void Ellipse(int x1, int y1, int x2, int y2) {
    FillWithKey();
    canvas_.Ellipse(x1, y1, x2, y2);
  }
  void RoundBox(int x1, int y1, int x2, int y2, int corner) {
    FillWithKey();
    canvas_.RoundRect(x1, y1, x2, y2, corner, corner);
  }
  // A plain filled rectangle (no outline) in one colour.
  void Box(int x1, int y1, int x2, int y2, TColor colour) {
    canvas_.Brush.color = colour;
    canvas_.FillRect(Rect(x1, y1, x2, y2));
  }
  // A line `width` pixels wide through the points.
  void Stroke(const std::vector<TPoint>& points, int width, TColor colour) {
    canvas_.Pen = TPen{colour, width, PenStyle::psSolid};
    canvas_.Polyline(points);
  }
  void Dot(int x, int y, TColor colour) { canvas_.SetPixel(x, y, colour); }

  // The outline and gradient of `ink` in place of the key colour; call after
  // each keyed shape, before the next one.
  void Shade(const Ink& ink) {
    const Bitmap keyed = picture_;
    const auto isKey = [&keyed](int x, int y) { return keyed.GetPixel(x, y) == kKey; };
    for (int y = 0; y < kSize; ++y) {
      const TColor colour = Mix(ink.top, ink.bottom, y, kSize - 1);
      for (int x = 0; x < kSize; ++x) {
        if (!isKey(x, y)) continue;
        const bool border = !isKey(x - 1, y) || !isKey(x + 1, y) || !isKey(x, y - 1) || !isKey(x, y + 1);
        picture_.SetPixel(x, y, border ? ink.outline : colour);
      }
    }
  }

  Bitmap Take() { return std::move(picture_); }

 private:
  void FillWithKey() {
    canvas_.Pen.style = PenStyle::psClear;
    canvas_.Brush.color = kKey;
  }

  Bitmap picture_;
  TCanvas canvas_;
};

Bitmap Shaded(const std::vector<TPoint>& points, const Ink& ink) {
  IconCanvas icon;
  icon.Shape(points);
  icon.Shade(ink);
  return icon.Take();
}

// Vertices are corners of the pixel grid: a filled shape covers the pixels
// whose centres lie inside it, so a shape symmetric about (8, 8) gives a
// symmetric icon.

// Points turned a quarter clockwise about the icon's centre, `quarters` times.
std::vector<TPoint> Turned(std::vector<TPoint> points, int quarters) {
  for (int q = 0; q < quarters; ++q) {
    for (TPoint& p : points) p = TPoint{kSize - p.y, p.x};
  }
  return points;
}

// An arrow pointing right, turned a quarter clockwise `quarters` times.
Bitmap Arrow(int quarters) {
  return Shaded(Turned({{1, 5}, {8, 5}, {8, 1}, {15, 8}, {8, 15}, {8, 11}, {1, 11}}, quarters), kBlue);
}

Bitmap Pointer() { return Shaded({{4, 1}, {13, 8}, {4, 15}}, kOrange); }

Bitmap Ball() {
  IconCanvas icon;
  icon.Ellipse(1, 1, 15, 15);
  icon.Shade(kBlue);
  icon.Ellipse(4, 3, 9, 7);
  icon.Shade(Ink{kNearWhite, kNearWhite, RGBColor(0xC8, 0xE4, 0xFF)});
  return icon.Take();
}

Bitmap Square() {
  IconCanvas icon;
  icon.RoundBox(2, 2, 14, 14, 5);
  icon.Shade(kGreen);
  icon.Box(4, 4, 9, 6, RGBColor(0xE4, 0xFA, 0xD6));
  return icon.Take();
}

Bitmap Diamond() { return Shaded({{8, 1}, {15, 8}, {8, 15}, {1, 8}}, kPurple); }

Bitmap Check() {
  IconCanvas icon;
  icon.Stroke({{2, 8}, {6, 12}, {14, 3}}, 4, kGreen.outline);
  icon.Stroke({{2, 8}, {6, 12}, {14, 3}}, 2, kGreen.bottom);
  return icon.Take();
}

Bitmap Cross() {
  IconCanvas icon;
  icon.Stroke({{3, 3}, {13, 13}}, 4, kRed.outline);
  icon.Stroke({{13, 3}, {3, 13}}, 4, kRed.outline);
  icon.Stroke({{3, 3}, {13, 13}}, 2, kRed.bottom);
  icon.Stroke({{13, 3}, {3, 13}}, 2, kRed.bottom);
  return icon.Take();
}

Bitmap Plus() {
  return Shaded({{5, 1}, {11, 1}, {11, 5}, {15, 5}, {15, 11}, {11, 11}, {11, 15}, {5, 15}, {5, 11}, {1, 11}, {1, 5},
                 {5, 5}},
                kBlue);
}

// A five-pointed star with its top point up, its points on a circle of radius
// 8.6 round (8, 8.9) and its inner corners on one of radius 4.
Bitmap Star() {
  std::vector<TPoint> points;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 8.6 : 4.0;
    const double angle = (-90.0 + 36.0 * i) * std::numbers::pi / 180.0;
    points.push_back({static_cast<int>(std::lround(8.0 + radius * std::cos(angle))),
                      static_cast<int>(std::lround(8.9 + radius * std::sin(angle)))});
  }
  return Shaded(points, kGold);
}

Bitmap Heart() {
  IconCanvas icon;
  icon.Shape({{1, 5}, {3, 2}, {6, 2}, {8, 4}, {10, 2}, {13, 2}, {15, 5}, {15, 7}, {8, 14}, {1, 7}});
  icon.Shade(kRed);
  icon.Box(3, 4, 5, 6, RGBColor(0xFF, 0xD8, 0xD0));
  return icon.Take();
}

Bitmap Info() {
  IconCanvas icon;
  icon.Ellipse(0, 0, 16, 16);
  icon.Shade(kBlue);
  icon.Box(7, 3, 9, 5, kNearWhite);
  icon.Box(6, 6, 9, 7, kNearWhite);
  icon.Box(7, 7, 9, 12, kNearWhite);
  icon.Box(6, 11, 10, 13, kNearWhite);
  return icon.Take();
}

Bitmap Warning() {
  IconCanvas icon;
  icon.Shape({{8, 0}, {16, 15}, {0, 15}});
  icon.Shade(kGold);
  const TColor mark = RGBColor(0x30, 0x24, 0x08);
  icon.Box(7, 5, 9, 10, mark);
  icon.Box(7, 11, 9, 13, mark);
  return icon.Take();
}

Bitmap Home() {
  IconCanvas icon;
  icon.Shape({{3, 9}, {8, 4}, {13, 9}, {13, 15}, {3, 15}});
  icon.Shade(kGrey);
  icon.Shape({{0, 9}, {8, 1}, {16, 9}, {12, 9}, {8, 5}, {4, 9}});
  icon.Shade(kRed);
  icon.Box(6, 10, 10, 15, RGBColor(0x8A, 0x52, 0x24));
  return icon.Take();
}

Bitmap Mail() {
  IconCanvas icon;
  icon.Shape({{0, 3}, {16, 3}, {16, 13}, {0, 13}});
  icon.Shade(kGrey);
  icon.Stroke({{1, 4}, {7, 9}, {8, 9}, {14, 4}}, 1, kGrey.outline);
  icon.Dot(14, 4, kGrey.outline);
  return icon.Take();
}

}  // namespace

std::vector<PaletteIcon> DrawPaletteIcons() {
  std::vector<PaletteIcon> icons;
  icons.push_back({"arrow-right", Arrow(0)});
  icons.push_back({"arrow-down", Arrow(1)});
  icons.push_back({"arrow-left", Arrow(2)});
  icons.push_back({"arrow-up", Arrow(3)});
  icons.push_back({"pointer", Pointer()});
  icons.push_back({"ball", Ball()});
  icons.push_back({"square", Square()});
  icons.push_back({"diamond", Diamond()});
  icons.push_back({"star", Star()});
  icons.push_back({"heart", Heart()});
  icons.push_back({"check", Check()});
  icons.push_back({"cross", Cross()});
  icons.push_back({"plus", Plus()});
  icons.push_back({"info", Info()});
  icons.push_back({"warning", Warning()});
  icons.push_back({"home", Home()});
  icons.push_back({"mail", Mail()});
  return icons;
}

std::string IconListEntry(const std::string& stem) { return "icons/" + stem + ".png"; }

void WritePaletteIcons(const std::string& resourceFolder) {
  const auto write = [](const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (!WriteFileAtomically(path, std::string(bytes.begin(), bytes.end()))) {
      throw std::runtime_error("Unable to write to " + path);
    }
  };
  std::vector<std::string> list;
  for (const PaletteIcon& icon : DrawPaletteIcons()) {
    const std::string stem = resourceFolder + "icons/" + icon.stem;
    write(stem + ".png", EncodePng(icon.picture, PngWriteOptions{9, true, kPaper}));
    write(stem + ".bmp", EncodeBmp(icon.picture));
    list.push_back(IconListEntry(icon.stem));
  }
  if (!WriteTextFile(resourceFolder + "bullets.ini", list)) {
    throw std::runtime_error("Unable to write to " + resourceFolder + "bullets.ini");
  }
}

}  // namespace kestrova::art
