// Text in files written by libUEMF: text recorded into a path, then filled,
// stroked, widened or made the clip, compared with the same text painted;
// and glyphs turned by the font's orientation apart from the baseline's
// escapement, compared with upright glyphs turned pixel by pixel.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "core/images/metafile/MetafileDevice.h"
#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/core/images/metafile/UemfWriter.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 96;
constexpr TColor kInk = 0x2050A0;  // as a canvas colour
const U_COLORREF kInkRef = Rgb(0xA0, 0x50, 0x20);

// Records turning the picture 30 degrees about its centre, a 40-pixel font,
// the text colour, and a transparent background.
void TurnedFont(UemfWriter& w, bool underline = false, bool strikeout = false) {
  const double a = 30 * std::numbers::pi / 180, cs = std::cos(a), sn = std::sin(a);
  w.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(float(cs), float(sn), float(-sn), float(cs),
                                             float(48 - 48 * cs + 48 * sn), float(48 - 48 * sn - 48 * cs))));
  w.Font("Arial", -40, 0, 0, underline, strikeout).Add(U_EMRSETTEXTCOLOR_set(kInkRef)).Add(U_EMRSETBKMODE_set(U_TRANSPARENT));
  w.Add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
}

void Word(UemfWriter& w) { w.Text(14, 62, u"Kw", {32, 30}); }

Bitmap Ink(const Bitmap& b) {
  return Mask(b.Width(), b.Height(), [&](int x, int y) { return b.GetPixel(x, y) == kInk; });
}

int Count(const Bitmap& mask) {
  int n = 0;
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) n += mask.GetPixel(x, y) == clBlack;
  return n;
}

bool Inked(const Bitmap& mask, int x, int y) { return mask.GetPixel(x, y) == clBlack; }

// The mask's inked pixels with a blank neighbour.
Bitmap Edge(const Bitmap& mask) {
  return Mask(mask.Width(), mask.Height(), [&](int x, int y) {
    if (!Inked(mask, x, y)) return false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (!Inked(mask, x + dx, y + dy)) return true;
    return false;
  });
}

// The pixels within `reach` of the mask's ink.
Bitmap Near(const Bitmap& mask, int reach) {
  return Mask(mask.Width(), mask.Height(), [&](int x, int y) {
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (Inked(mask, x + dx, y + dy)) return true;
    return false;
  });
}

// Ink pixels of `drawn` outside `allowed`.
int Outside(const Bitmap& drawn, const Bitmap& allowed) {
  return Count(Mask(drawn.Width(), drawn.Height(),
                    [&](int x, int y) { return Inked(drawn, x, y) && !Inked(allowed, x, y); }));
}

}  // namespace

TEST(MetafileTextPath, TextInAPathIsFilledStrokedWidenedAndClippedToUnderATurn) {
  UemfWriter painted(kSize, kSize);
  TurnedFont(painted);
  Word(painted);
  const Bitmap text = Ink(Play(painted.Finish()).picture);
  ASSERT_GT(Count(text), 300);
  // Each picture is compared with the painted text, or with its edges
  // alone: its ink lies within `reach` pixels of theirs and reaches within
  // `reach` of each of their pixels.
  const Bitmap edge = Edge(text);
  const struct {
    const char* name;
    std::function<void(UemfWriter&)> use;
    const Bitmap& like;
    int reach;
  } cases[] = {
      {"filled", [](UemfWriter& w) { w.Brush(kInkRef).Add(U_EMRFILLPATH_set(Box(0, 0, kSize, kSize))); }, text, 1},
      {"clip",
       [](UemfWriter& w) {
         w.Add(U_EMRSELECTCLIPPATH_set(U_RGN_COPY)).NullPen().Brush(kInkRef);
         w.Add(U_EMRRECTANGLE_set(Box(0, 0, kSize + 1, kSize + 1)));
       },
       text, 1},
      {"stroked and filled",
       [](UemfWriter& w) { w.Brush(kInkRef).Pen(kInkRef).Add(U_EMRSTROKEANDFILLPATH_set(Box(0, 0, kSize, kSize))); },
       text, 2},
      {"stroked", [](UemfWriter& w) { w.Pen(kInkRef).Add(U_EMRSTROKEPATH_set(Box(0, 0, kSize, kSize))); }, edge, 2},
      {"widened by a 5-pixel pen, then filled",
       [](UemfWriter& w) {
         w.Pen(kInkRef, 5).Brush(kInkRef).Add(U_EMRWIDENPATH_set());
         w.Add(U_EMRFILLPATH_set(Box(0, 0, kSize, kSize)));
       },
       edge, 4},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    TurnedFont(w);
    w.Add(U_EMRBEGINPATH_set());
    Word(w);
    w.Add(U_EMRENDPATH_set());
    c.use(w);
    const Played played = Play(w.Finish());
    const Bitmap got = Ink(played.picture);
    EXPECT_EQ(played.notDrawn, 0u) << c.name;
    EXPECT_EQ(Outside(got, Near(c.like, c.reach)), 0) << c.name;
    EXPECT_EQ(Outside(c.like, Near(got, c.reach)), 0) << c.name;
  }
}

TEST(MetafileTextPath, UnderlineAndStrikeoutGoIntoThePathWithTheGlyphs) {
  // Where the strikeout crosses the strokes, the winding rule fills both.
  const struct {
    bool underline, strikeout;
    std::uint32_t fillMode;
  } cases[] = {{true, false, U_ALTERNATE}, {false, true, U_WINDING}};
  for (const auto& [underline, strikeout, fillMode] : cases) {
    UemfWriter painted(kSize, kSize), filled(kSize, kSize);
    TurnedFont(painted, underline, strikeout);
    Word(painted);
    TurnedFont(filled, underline, strikeout);
    filled.Add(U_EMRSETPOLYFILLMODE_set(fillMode)).Add(U_EMRBEGINPATH_set());
    Word(filled);
    filled.Add(U_EMRENDPATH_set()).Brush(kInkRef).Add(U_EMRFILLPATH_set(Box(0, 0, kSize, kSize)));
    EXPECT_EQ(StrayPixels(Ink(Play(filled.Finish()).picture), Ink(Play(painted.Finish()).picture)), 0)
        << "underline " << underline << " strikeout " << strikeout;
  }
}

TEST(MetafileTextPath, NothingIsPaintedWhileThePathIsOpen) {
  // An opaque background and rectangle, and a path given up or never used.
  for (const bool abort : {false, true}) {
    UemfWriter w(kSize, kSize);
    TurnedFont(w);
    w.Add(U_EMRSETBKMODE_set(U_OPAQUE)).Add(U_EMRSETBKCOLOR_set(kInkRef));
    w.Add(U_EMRBEGINPATH_set());
    w.Text(14, 62, u"Kw", {32, 30}, U_GM_COMPATIBLE, U_ETO_OPAQUE, Box(10, 10, 80, 80));
    if (abort) w.Add(U_EMRABORTPATH_set());
    const Played played = Play(w.Finish());
    EXPECT_EQ(Count(Ink(played.picture)), 0) << "abort " << abort;
    EXPECT_EQ(played.notDrawn, 0u) << "abort " << abort;
  }
}

namespace {

constexpr int kTurnSize = 128;

// The character drawn upright on a white 64 x 64 picture, its pen on the
// baseline at (32, 40), in the font the records select.
Bitmap UprightGlyph(char c) {
  return Direct(64, 64, [&](TCanvas& canvas) {
    canvas.Font.name = "Arial";
    canvas.Font.size = 30;  // 40 pixels
    canvas.Font.quality = fqNonAntialiased;
    canvas.Font.color = kInk;
    canvas.Brush.style = BrushStyle::bsClear;
    canvas.TextOut(32, 40 - FontEngine::Instance().Get(canvas.Font).Metrics().ascent, std::string(1, c));
  });
}

// The upright glyphs' ink turned by quarter turns counter-clockwise about
// their pens, the pens at `start` and then `step` pixels on each.
Bitmap TurnedGlyphs(const std::string& text, TPoint start, TPoint step, int quarters) {
  Bitmap want(kTurnSize, kTurnSize);
  want.Fill(clWhite);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Bitmap upright = UprightGlyph(text[i]);
    const TPoint pen{start.x + step.x * int(i), start.y + step.y * int(i)};
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        if (upright.GetPixel(x, y) != kInk) continue;
        // The pixel whose centre is (a + 1/2, b + 1/2) from the pen turns a
        // quarter onto the one whose centre is (b + 1/2, -a - 1/2).
        int a = x - 32, b = y - 40;
        for (int q = 0; q < quarters; ++q) {
          const int turned = -a - 1;
          a = b;
          b = turned;
        }
        want.SetPixel(pen.x + a, pen.y + b, kInk);
      }
  }
  return want;
}

}  // namespace

TEST(MetafileTextPath, TheAdvancedModeTurnsGlyphsByTheOrientationAlongTheEscapement) {
  const struct {
    const char* name;
    std::uint32_t mode;
    int escapement, orientation;
    TPoint start, step;  // the pens on the picture
    int quarters;        // the glyphs' turn
  } cases[] = {
      {"advanced, glyphs a quarter turned on a level baseline", U_GM_ADVANCED, 0, 900, {40, 80}, {48, 0}, 1},
      {"advanced, glyphs three quarters turned", U_GM_ADVANCED, 0, 2700, {40, 40}, {48, 0}, 3},
      {"advanced, upright glyphs on a rising baseline", U_GM_ADVANCED, 900, 0, {24, 110}, {0, -48}, 0},
      {"compatible: glyphs follow the escapement", U_GM_COMPATIBLE, 0, 900, {20, 80}, {48, 0}, 0},
  };
  for (const auto& c : cases) {
    UemfWriter w(kTurnSize, kTurnSize);
    w.Font("Arial", -40, c.escapement, c.orientation).Add(U_EMRSETTEXTCOLOR_set(kInkRef));
    w.Add(U_EMRSETBKMODE_set(U_TRANSPARENT)).Add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
    w.Text(c.start.x, c.start.y, u"Kg", {48, 48}, c.mode);
    const Bitmap got = Play(w.Finish()).picture, want = TurnedGlyphs("Kg", c.start, c.step, c.quarters);
    // The rasteriser's rule for thin parts may keep a pixel on one side of a
    // turned stroke and its neighbour on the other.
    int differing = 0;
    for (int y = 0; y < kTurnSize; ++y)
      for (int x = 0; x < kTurnSize; ++x) differing += got.GetPixel(x, y) != want.GetPixel(x, y);
    EXPECT_LE(differing, 2) << c.name;
  }
}

TEST(MetafileTextPath, GlyphsPastThePicturesOutlineBudgetAreLeftOutAndCounted) {
  TFont font;
  font.name = "Arial";
  font.size = 9;  // 12 pixels
  SizedFont& face = FontEngine::Instance().Get(font);
  const std::size_t glyphs = kMaxOutlinePoints / face.Outline(face.IndexOf(U'@'), 0)->n_points;
  // The budget is the picture's: two texts of half as many glyphs each, all
  // in one place (filled by the winding rule, where they add up).
  for (const std::size_t each : {glyphs / 2 - 1, glyphs / 2 + 1}) {
    UemfWriter w(kSize, kSize);
    w.Font("Arial", -12).Add(U_EMRSETPOLYFILLMODE_set(U_WINDING)).Add(U_EMRBEGINPATH_set());
    for (int text = 0; text < 2; ++text) w.Text(10, 40, std::u16string(each, u'@'), {});
    w.Add(U_EMRENDPATH_set()).Brush(kInkRef).Add(U_EMRFILLPATH_set(Box(0, 0, kSize, kSize)));
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.notDrawn, each < glyphs / 2 ? 0u : 1u) << each;
    EXPECT_GT(Count(Ink(played.picture)), 0) << each;
  }
}

TEST(MetafileTextPath, ShapedTextAndGlyphsOfFallbackFacesGoIntoThePathAsPainted) {
  // Chinese from the face fontconfig offers beside the font's; Arabic joined
  // (its letters from a fallback face too: the font has none).
  const std::u16string texts[] = {u"\u4F60\u597D", u"\u0645\u0631\u062D\u0628\u0627"};
  for (const std::u16string& text : texts) {
    const auto record = [&](UemfWriter& w) {
      w.Font("Arial", -32).Add(U_EMRSETTEXTCOLOR_set(kInkRef)).Add(U_EMRSETBKMODE_set(U_TRANSPARENT));
      w.Add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
      w.Text(8, 60, text, {});
    };
    UemfWriter painted(kSize, kSize);
    record(painted);
    const Bitmap want = Ink(Play(painted.Finish()).picture);
    ASSERT_GT(Count(want), 100);
    UemfWriter w(kSize, kSize);
    w.Add(U_EMRBEGINPATH_set());
    record(w);
    w.Add(U_EMRENDPATH_set());
    w.Brush(kInkRef).Add(U_EMRFILLPATH_set(Box(0, 0, kSize, kSize)));
    const Bitmap got = Ink(Play(w.Finish()).picture);
    // Painted glyphs are hinted, outlines are not: a thin stroke painted
    // may lie a pixel further off than its outline's fill.
    EXPECT_EQ(Outside(got, Near(want, 1)), 0);
    EXPECT_EQ(Outside(want, Near(got, 2)), 0);
  }
}
