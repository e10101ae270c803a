// Metafiles written through libEMF's drawing interface (independent
// software), each picture compared with the same shapes drawn directly on
// the canvas: curves and paths filled and stroked, pens of every dash style
// and geometric pens, every hatch, world transforms that turn and scale
// shapes, pens and text, and every mapping mode.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

#include "rendering/BrushPattern.h"
#include "tests/core/images/metafile/LibEmfWriter.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/rendering/CanvasTestSupport.h"
#include "tests/support/PangoReference.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 96;
constexpr TColor kInkBlue = RGBColor(0, 0, 255), kInkYellow = RGBColor(255, 255, 0), kInkGreen = RGBColor(0, 255, 0);
// The drawing interface's numbers.
constexpr int kDash = 1, kDot = 2, kDashDot = 3, kDashDotDot = 4;
constexpr std::uint32_t kSquare = 0x100, kFlat = 0x200, kBevel = 0x1000, kMiter = 0x2000;
constexpr unsigned kBaseline = 24;

std::vector<EmfPoint> Emf(const std::vector<TPoint>& points) {
  std::vector<EmfPoint> out;
  for (const TPoint& p : points) out.push_back(EmfPoint{p.x, p.y});
  return out;
}

Played PlayWritten(const std::function<void(LibEmfWriter&)>& records) {
  LibEmfWriter w(kSize, kSize);
  records(w);
  return Play(w.Finish());
}

TPen GeometricPen(int width, PenEndCap cap, PenJoin join, PenStyle style = PenStyle::psSolid) {
  TPen pen;
  pen.width = width;
  pen.geometric = true;
  pen.endCap = cap;
  pen.join = join;
  pen.style = style;
  return pen;
}

TBrush HatchBrush(int hatch, TColor lines, std::optional<TColor> gaps) {
  TBrush brush{lines, BrushStyle::bsSolid};
  brush.pattern = std::make_shared<BrushPattern>(BrushPattern::Hatch(static_cast<HatchStyle>(hatch), lines, gaps));
  return brush;
}

const std::vector<TPoint> kCurve{{10, 80}, {20, 0}, {70, 100}, {86, 20}};
const std::vector<TPoint> kTwoCurves{{8, 48}, {20, 8}, {40, 8}, {48, 48}, {56, 88}, {76, 88}, {88, 48}};
const std::vector<TPoint> kZigzag{{6, 10}, {88, 22}, {14, 50}, {90, 84}};
const std::vector<TPoint> kTriangle{{10, 10}, {84, 24}, {30, 80}};

struct Case {
  const char* name;
  std::function<void(LibEmfWriter&)> records;
  std::function<void(TCanvas&)> reference;
  int reach = 0;  // 0: the same pixels; else edges may differ by that much
};

void Check(const Case& c) {
  const Played played = PlayWritten(c.records);
  const Bitmap expected = Direct(kSize, kSize, c.reference);
  if (c.reach == 0)
    EXPECT_EQ(Art(played.picture), Art(expected)) << c.name;
  else
    EXPECT_EQ(StrayPixels(played.picture, expected, c.reach), 0) << c.name;
  EXPECT_EQ(played.notDrawn, 0u) << c.name;
}

}  // namespace

TEST(MetafileLibEmf, CurvesPathsAndPensMatchTheCanvas) {
  std::vector<TPoint> closedCurve = CurvePoints(kTwoCurves);
  const Case cases[] = {
      {"a curve stroked", [](LibEmfWriter& w) { w.PolyBezier(Emf(kCurve)); },
       [](TCanvas& c) { c.Polyline(CurvePoints(kCurve)); }, 1},
      {"curves filled as a path",
       [](LibEmfWriter& w) {
         w.NullPen().Brush(EmfRgb(255, 0, 0)).BeginPath().MoveTo(8, 48);
         w.PolyBezierTo(Emf({kTwoCurves.begin() + 1, kTwoCurves.end()})).CloseFigure().EndPath().FillPath();
       },
       [&](TCanvas& c) {
         c.Pen.style = PenStyle::psClear;
         c.Brush.color = clRed;
         c.Polygon(closedCurve);
       },
       1},
      {"a path stroked with a flat-ended mitred pen",
       [](LibEmfWriter& w) {
         w.GeometricPen(kFlat | kMiter, 7, 0).BeginPath().MoveTo(10, 10).LineTo(80, 20).LineTo(30, 70);
         w.EndPath().StrokePath();
       },
       [](TCanvas& c) {
         c.Pen = GeometricPen(7, PenEndCap::pcFlat, PenJoin::pjMiter);
         c.Polyline(std::vector<TPoint>{{10, 10}, {80, 20}, {30, 70}});
       }},
      {"a closed figure stroked with bevelled corners",
       [](LibEmfWriter& w) {
         w.GeometricPen(kSquare | kBevel, 6, EmfRgb(0, 0, 255)).BeginPath().Polygon(Emf(kTriangle)).EndPath();
         w.StrokePath();
       },
       [](TCanvas& c) {
         c.Pen = GeometricPen(6, PenEndCap::pcSquare, PenJoin::pjBevel);
         c.Pen.color = kInkBlue;
         c.PolylineClosed(kTriangle);
       }},
      {"a path stroked and filled with a hatched brush",
       [](LibEmfWriter& w) {
         w.HatchBrush(5, EmfRgb(0, 0, 255)).Background(true, EmfRgb(255, 255, 0));
         w.BeginPath().Polygon(Emf(kTriangle)).EndPath().StrokeAndFillPath();
       },
       [](TCanvas& c) {
         c.Brush = HatchBrush(5, kInkBlue, kInkYellow);
         c.Polygon(kTriangle);
       }},
      {"a polyline in a dashed geometric pen",
       [](LibEmfWriter& w) { w.GeometricPen(kDash | kFlat, 4, 0).Polyline(Emf(kZigzag)); },
       [](TCanvas& c) {
         c.Pen = GeometricPen(4, PenEndCap::pcFlat, PenJoin::pjRound, PenStyle::psDash);
         c.Polyline(kZigzag);
       }},
      {"the miter limit cuts a sharp corner back",
       [](LibEmfWriter& w) {
         w.GeometricPen(kFlat | kMiter, 8, 0).MiterLimit(1.5f).Polyline(Emf({{10, 80}, {48, 10}, {86, 80}}));
       },
       [](TCanvas& c) {
         c.Pen = GeometricPen(8, PenEndCap::pcFlat, PenJoin::pjMiter);
         c.Pen.miterLimit = 1.5;
         c.Polyline(std::vector<TPoint>{{10, 80}, {48, 10}, {86, 80}});
       }},
  };
  for (const Case& c : cases) Check(c);
}

TEST(MetafileLibEmf, EveryDashStyleAndEveryHatch) {
  const struct {
    int style;
    PenStyle canvas;
  } dashes[] = {{kDash, PenStyle::psDash},
                {kDot, PenStyle::psDot},
                {kDashDot, PenStyle::psDashDot},
                {kDashDotDot, PenStyle::psDashDotDot}};
  for (const auto& d : dashes) {
    Check({"a cosmetic dashed pen", [&](LibEmfWriter& w) { w.Pen(d.style, 1, 0).Polyline(Emf(kZigzag)); },
           [&](TCanvas& c) {
             c.Pen.style = d.canvas;
             c.Polyline(kZigzag);
           }});
    Check({"a dashed pen with opaque gaps",
           [&](LibEmfWriter& w) { w.Background(true, EmfRgb(0, 255, 0)).Pen(d.style, 1, 0).Polyline(Emf(kZigzag)); },
           [&](TCanvas& c) {
             c.Pen.style = d.canvas;
             c.Pen.paintGaps = true;
             c.Pen.gapColor = kInkGreen;
             c.Polyline(kZigzag);
           }});
  }
  for (int hatch = 0; hatch <= 5; ++hatch) {
    for (const bool opaque : {true, false}) {
      Check({"a hatched rectangle",
             [&](LibEmfWriter& w) {
               w.NullPen().HatchBrush(hatch, EmfRgb(255, 0, 0)).Background(opaque, EmfRgb(0, 255, 0));
               w.Rectangle(8, 8, 88, 60).Ellipse(20, 50, 90, 92);
             },
             [&](TCanvas& c) {
               c.Pen.style = PenStyle::psClear;
               c.Brush = HatchBrush(hatch, clRed, opaque ? std::optional<TColor>(kInkGreen) : std::nullopt);
               c.Rectangle(8, 8, 88, 60);
               c.Ellipse(20, 50, 90, 92);
             }});
    }
  }
}

TEST(MetafileLibEmf, WorldTransformsTurnAndScaleShapesAndGeometricPens) {
  const double angle = 30 * std::numbers::pi / 180, cs = std::cos(angle), sn = std::sin(angle);
  // Turned by 30 degrees about (48, 48).
  const auto turn = [&](double x, double y) {
    return TPoint{int(std::lround(48 + (x - 48) * cs - (y - 48) * sn)),
                  int(std::lround(48 + (x - 48) * sn + (y - 48) * cs))};
  };
  const auto turned = [&](LibEmfWriter& w) {
    w.WorldTransform(float(cs), float(sn), float(-sn), float(cs), float(48 - 48 * cs + 48 * sn),
                     float(48 - 48 * sn - 48 * cs));
  };
  const Case cases[] = {
      {"a turned rectangle with a hatched brush",
       [&](LibEmfWriter& w) {
         turned(w);
         w.NullPen().HatchBrush(4, EmfRgb(0, 0, 0)).Background(true, EmfRgb(255, 255, 0)).Rectangle(24, 34, 72, 62);
       },
       [&](TCanvas& c) {
         c.Pen.style = PenStyle::psClear;
         c.Brush = HatchBrush(4, clBlack, kInkYellow);
         c.Polygon(std::vector<TPoint>{turn(24, 34), turn(72, 34), turn(72, 62), turn(24, 62)});
       },
       1},
      {"a turned polygon filled by the winding rule",
       [&](LibEmfWriter& w) {
         turned(w);
         w.NullPen().Brush(EmfRgb(0, 0, 255)).FillMode(2);
         w.PolyPolygon({Emf({{20, 20}, {60, 20}, {60, 60}, {20, 60}}), Emf({{40, 40}, {76, 40}, {76, 76}, {40, 76}})});
       },
       [&](TCanvas& c) {
         c.Pen.style = PenStyle::psClear;
         c.Brush.color = kInkBlue;
         c.PolyPolygon({{turn(20, 20), turn(60, 20), turn(60, 60), turn(20, 60)},
                        {turn(40, 40), turn(76, 40), turn(76, 76), turn(40, 76)}},
                       FillRule::Winding);
       },
       1},
      {"a geometric pen grows with the scale",
       [](LibEmfWriter& w) {
         w.WorldTransform(2, 0, 0, 2, 0, 0).GeometricPen(kFlat | kMiter, 3, 0).Polyline(Emf({{5, 5}, {40, 10}, {20, 40}}));
       },
       [](TCanvas& c) {
         c.Pen = GeometricPen(6, PenEndCap::pcFlat, PenJoin::pjMiter);
         c.Polyline(std::vector<TPoint>{{10, 10}, {80, 20}, {40, 80}});
       }},
      {"a cosmetic pen stays one pixel wide",
       [](LibEmfWriter& w) { w.WorldTransform(3, 0, 0, 3, 0, 0).Pen(0, 0, 0).Polyline(Emf({{2, 2}, {30, 5}, {8, 30}})); },
       [](TCanvas& c) { c.Polyline(std::vector<TPoint>{{6, 6}, {90, 15}, {24, 90}}); }},
  };
  for (const Case& c : cases) Check(c);
}

TEST(MetafileLibEmf, EveryMappingModeScalesItsUnits) {
  for (const MappingCase& c : kMappingCases) {
    const Played played = PlayWritten([&](LibEmfWriter& w) {
      w.NullPen().Brush(0).MapMode(c.mode);
      if (c.mode >= 2 && c.mode <= 6) w.ViewportOrg(8, 88);
      if (c.mode >= 7) w.WindowExt(100, 50).ViewportExt(50, 100).ViewportOrg(4, c.mode == 7 ? 4 : 8);
      w.Rectangle(0, 0, c.ux, c.uy);
    });
    EXPECT_EQ(played.picture, RectangleOnWhite(kSize, kSize, c.expected)) << c.name;
  }
}

namespace {

// The inked box of a picture: the pixels that are not white.
TRect Inked(const Bitmap& b) {
  TRect r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.GetPixel(x, y) != clWhite) r = TRect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                                                 std::max(r.bottom, y + 1)};
  return r;
}

Bitmap TextPicture(const std::function<void(LibEmfWriter&)>& setup, int x, int y, const std::u16string& text,
                   unsigned options = 0, std::vector<int> rect = {}) {
  return PlayWritten([&](LibEmfWriter& w) {
           w.TextAlign(kBaseline).Background(false, 0);
           setup(w);
           w.Text(x, y, text, options, rect);
         })
      .picture;
}

}  // namespace

TEST(MetafileLibEmf, TextTurnsAndScalesWithTheWorldTransform) {
  // Turned a quarter by the font's escapement: the upright text turned pixel for pixel about (48, 48).
  const Bitmap upright = TextPicture([](LibEmfWriter& w) { w.Font("Arial", -20); }, 48, 48, u"Ab");
  const Bitmap escaped = TextPicture([](LibEmfWriter& w) { w.Font("Arial", -20, 0, 900); }, 48, 48, u"Ab");
  const Bitmap uprightTurned = Mask(kSize, kSize, [&](int x, int y) {
    // Pixel (x, y) of the turned picture came from (48 + 48 - 1 - y, 48 - 48 + x) of the upright one.
    return upright.GetPixel(95 - y, x) != clWhite;
  });
  const Bitmap escapedMask = Mask(kSize, kSize, [&](int x, int y) { return escaped.GetPixel(x, y) != clWhite; });
  // (A faint edge pixel may round the other way.)
  EXPECT_EQ(StrayPixels(escapedMask, uprightTurned, 1), 0);
  // A world transform turning a quarter the other way draws what the escapement draws.
  const Bitmap transformed = TextPicture(
      [](LibEmfWriter& w) { w.WorldTransform(0, -1, 1, 0, 0, 96).Font("Arial", -20); }, 48, 48, u"Ab");
  EXPECT_EQ(Art(transformed), Art(escaped));
  // The same turn in a window whose y grows upwards (the page turns nothing itself).
  const Bitmap upwards = TextPicture(
      [](LibEmfWriter& w) {
        w.MapMode(8).WindowExt(96, -96).ViewportExt(96, 96).ViewportOrg(0, 96);
        w.WorldTransform(0, 1, -1, 0, 96, 0).Font("Arial", -20);
      },
      48, 48, u"Ab");
  EXPECT_EQ(Art(upwards), Art(escaped));
  // Twice as large: the text of a font twice as high at the doubled point.
  const Bitmap scaled =
      TextPicture([](LibEmfWriter& w) { w.WorldTransform(2, 0, 0, 2, 0, 0).Font("Arial", -12); }, 10, 30, u"Hi!");
  EXPECT_EQ(Art(scaled), Art(TextPicture([](LibEmfWriter& w) { w.Font("Arial", -24); }, 20, 60, u"Hi!")));
}

TEST(MetafileLibEmf, TheFontsWidthWidensItsGlyphs) {
  // Twice the average width draws the same letters about twice as wide and as high.
  const auto inked = [](int width) {
    return Inked(TextPicture([&](LibEmfWriter& w) { w.Font("Arial", -20, width); }, 4, 40, u"HHHH"));
  };
  const TRect narrow = inked(6), wide = inked(12), wider = inked(24), own = inked(0);
  EXPECT_NEAR(double(wide.Width()) / narrow.Width(), 2.0, 0.25);
  EXPECT_EQ(wide.top, narrow.top);
  EXPECT_EQ(wide.bottom, narrow.bottom);
  // No width: the face's own shapes, some 11 pixels on average here.
  EXPECT_LT(narrow.Width(), own.Width());
  EXPECT_GT(wider.Width(), own.Width());
  EXPECT_EQ(own.bottom, narrow.bottom);
}

TEST(MetafileLibEmf, RightToLeftReadingPutsTheLineInReadingOrder) {
  // Read from the text, the Latin word comes first; with ETO_RTLREADING the
  // line reads right to left and the Hebrew word comes first, as Pango lays
  // out the same line in the same face and size with the paragraph set so.
  if (!HavePangoView()) GTEST_SKIP() << "pango-view (pango1.0-tools) is not installed";
  constexpr unsigned kRtlReading = 0x80;
  for (const bool rtl : {false, true}) {
    SCOPED_TRACE(rtl ? "right to left" : "from the text");
    const Bitmap picture = PlayWritten([&](LibEmfWriter& w) {
                             w.Background(false, 0).Font("DejaVu Sans", -21);
                             w.Text(0, 0, u"abc \u05D0\u05D1\u05D2", rtl ? kRtlReading : 0);
                           }).picture;
    const PangoText pango = RenderedByPango("DejaVu Sans", 21, "abc \u05D0\u05D1\u05D2", rtl);
    EXPECT_TRUE(SpansAgree(InkSpans(pango.image), InkSpans(InkOfBitmap(picture))));
  }
}
