// Text records: each picture compared with the same characters drawn one by
// one on a canvas at the positions the record asks for (its own distances,
// the alignment, the current position, the clipping and opaque rectangles),
// and turned text with the upright text turned pixel by pixel.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "core/images/metafile/Metafile.h"
#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"
#include "rendering/Turn.h"
#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

using W = WmfBuilder;

constexpr TColor kInk = 0x204080, kBack = 0x30C0F0;
constexpr int kEm = 20;  // the font's em height in pixels: 15 points

// Record types of the enhanced metafile.
enum : std::uint32_t {
  kMoveTo = 27,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kSetBkMode = 18,
  kSelectObject = 37,
  kLineTo = 54,
  kCreateFont = 82,
  kTextW = 84,
};

constexpr std::uint32_t TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24, TA_UPDATECP = 1;
constexpr std::uint32_t ETO_OPAQUE = 2, ETO_CLIPPED = 4, ETO_RTLREADING = 0x80, ETO_PDY = 0x2000;

// The canvas font the records' font (Arial, kEm pixels, monochrome) comes to.
TFont CanvasFont(int style = 0) {
  TFont f;
  f.name = "Arial";
  f.size = 15;
  f.quality = fqNonAntialiased;
  f.color = kInk;
  f.style = static_cast<TFontStyles>(style);
  return f;
}

int Ascent() { return FontEngine::Instance().Get(CanvasFont()).Metrics().ascent; }

// A 96 x 96 enhanced metafile in which one logical unit is one pixel (the
// window and viewport undo the frame's stretch), then the given records.
EmfBuilder Emf96() {
  EmfBuilder emf(TRect{}, TRect{0, 0, 2540, 2540});
  emf.Record(17, {8}).Record(9, {9600, 9600}).Record(11, {8128, 8128});
  return emf;
}

// The font record (slot 1) and its selection, the text colour and background.
void Font(EmfBuilder& emf, int escapement = 0, bool underline = false, int height = -kEm) {
  ByteWriter face;
  for (char c : std::string("Arial")) face.U16(static_cast<unsigned char>(c));
  face.bytes.resize(64, 0);
  emf.Record(kCreateFont, {1, height, 0, escapement, escapement, 400, underline ? 0x0100 : 0, 0x00030000}, face.bytes)
      .Record(kSelectObject, {1})
      .Record(kSetTextColor, {kInk})
      .Record(kSetBkColor, {kBack});
}

// An ExtTextOutW record: text, reference point, options, rectangle, distances.
void TextW(EmfBuilder& emf, const std::u16string& text, TPoint at, std::uint32_t options = 0, TRect rect = {},
           const std::vector<int>& dx = {}) {
  ByteWriter tail;
  for (char16_t c : text) tail.U16(c);
  while (tail.bytes.size() % 4) tail.U8(0);
  const std::size_t offDx = dx.empty() ? 0 : 76 + tail.bytes.size();
  for (int d : dx) tail.U32(static_cast<std::uint32_t>(d));
  emf.Record(kTextW, {0, 0, 0, 0, 1, 0, 0, at.x, at.y, static_cast<std::int64_t>(text.size()), 76, options, rect.left,
                      rect.top, rect.right, rect.bottom, static_cast<std::int64_t>(offDx)},
             tail.bytes);
}

// The white picture the canvas draws directly.
Bitmap TextDirect(int w, int h, const std::function<void(TCanvas&)>& draw) {
  Bitmap b(w, h);
  b.Fill(clWhite);
  TCanvas c(b);
  c.Font = CanvasFont();
  c.Brush.style = BrushStyle::bsClear;
  draw(c);
  return b;
}

// Characters written one by one, each with its cell's top-left at (x, top).
void Characters(TCanvas& c, const std::string& text, int x, int top, const std::vector<int>& dx) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    c.TextOut(x, top, text.substr(i, 1));
    x += dx[i];
  }
}

::testing::AssertionResult Same(const Bitmap& want, const Bitmap& got) {
  if (want.Width() != got.Width() || want.Height() != got.Height()) return ::testing::AssertionFailure() << "size";
  for (int y = 0; y < want.Height(); ++y)
    for (int x = 0; x < want.Width(); ++x)
      if (want.GetPixel(x, y) != got.GetPixel(x, y))
        return ::testing::AssertionFailure() << "first difference at " << x << "," << y;
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(MetafileText, DistancesAndAlignmentsPlaceEachCharacter) {
  const std::vector<int> dx{14, 9, 17, 11};
  const int total = 51;
  const struct {
    std::uint32_t align;
    int left;  // where the first character's cell starts, from the reference x
    int top;   // and its top from the reference y: -1 the ascent, -2 the height
  } cases[] = {{0, 0, 0}, {TA_RIGHT | TA_BASELINE, -total, -1}, {TA_CENTER | TA_BOTTOM, -total / 2, -2},
               {TA_RIGHT, -total, 0}, {TA_BASELINE, 0, -1}};
  for (const auto& k : cases) {
    EmfBuilder emf = Emf96();
    Font(emf);
    emf.Record(kSetBkMode, {1}).Record(kSetTextAlign, {k.align});
    TextW(emf, u"KeWa", {45, 50}, 0, {}, dx);
    const int height = FontEngine::Instance().Get(CanvasFont()).Metrics().Height();
    const int top = 50 + (k.top == -1 ? -Ascent() : k.top == -2 ? -height : 0);
    const Bitmap want = TextDirect(96, 96, [&](TCanvas& c) { Characters(c, "KeWa", 45 + k.left, top, dx); });
    EXPECT_TRUE(Same(want, RenderMetafile(emf.Build()))) << "alignment " << k.align;
  }
}

TEST(MetafileText, DistancesGoToTheCharactersInTheOrderTheyAreShown) {
  // In a line read right to left the first distance belongs to the character
  // shown leftmost: each character's cell starts where the distances before
  // it, counted from the left, put it.
  const std::vector<int> dx{14, 19, 12, 17, 11};
  const struct {
    std::u16string text;
    std::uint32_t options;
    std::vector<std::string> shown;  // left to right
  } cases[] = {
      {u"\u05D0\u05D1\u05D2", 0, {"\u05D2", "\u05D1", "\u05D0"}},  // Hebrew reads right to left by itself
      {u"\u05D0\u05D1\u05D2", ETO_RTLREADING, {"\u05D2", "\u05D1", "\u05D0"}},
      {u"\u05D0\u05D1 cd", 0, {"c", "d", " ", "\u05D1", "\u05D0"}},  // a Latin word in it
      {u"ab!", ETO_RTLREADING, {"!", "a", "b"}},  // the line's end is on the left
      {u"ab!", 0, {"a", "b", "!"}},
  };
  for (const auto& k : cases) {
    EmfBuilder emf = Emf96();
    Font(emf);
    emf.Record(kSetBkMode, {1});
    TextW(emf, k.text, {10, 50}, k.options, {}, dx);
    const Bitmap want = TextDirect(96, 96, [&](TCanvas& c) {
      int x = 10;
      for (std::size_t i = 0; i < k.shown.size(); ++i) {
        c.TextOut(x, 50, k.shown[i]);
        x += dx[i];
      }
    });
    EXPECT_TRUE(Same(want, RenderMetafile(emf.Build()))) << k.shown.front() << " options " << k.options;
  }
}

TEST(MetafileText, ClippedAndOpaqueRectangles) {
  const std::vector<int> dx{13, 13, 13};
  const TRect rect{24, 14, 44, 30};
  const struct {
    std::uint32_t options;
    bool transparent;
  } cases[] = {{ETO_CLIPPED, true}, {ETO_OPAQUE, true}, {ETO_OPAQUE | ETO_CLIPPED, true}, {ETO_CLIPPED, false}};
  for (const auto& k : cases) {
    EmfBuilder emf = Emf96();
    Font(emf);
    emf.Record(kSetBkMode, {k.transparent ? 1 : 2});
    TextW(emf, u"WWW", {20, 12}, k.options, rect, dx);
    const Bitmap want = TextDirect(96, 96, [&](TCanvas& c) {
      if (k.options & ETO_OPAQUE) {
        c.Brush = TBrush{kBack, BrushStyle::bsSolid};
        c.FillRect(rect);
      }
      const ClipRegion clip = ClipRegion::Rectangle(rect);
      if (k.options & ETO_CLIPPED) c.SelectClipRegion(&clip);
      // An opaque background fills the cell of the recorded distances.
      c.Brush = TBrush{kBack, k.transparent ? BrushStyle::bsClear : BrushStyle::bsSolid};
      c.FillRect(TRect{20, 12, 20 + 39, 12 + c.TextHeight("W")});
      c.Brush.style = BrushStyle::bsClear;
      Characters(c, "WWW", 20, 12, dx);
    });
    EXPECT_TRUE(Same(want, RenderMetafile(emf.Build()))) << "options " << k.options << " transparent " << k.transparent;
  }
}

TEST(MetafileText, VerticalDistancesMoveTheBaselineUp) {
  EmfBuilder emf = Emf96();
  Font(emf);
  emf.Record(kSetBkMode, {1});
  TextW(emf, u"abc", {10, 40}, ETO_PDY, {}, {15, 6, 12, -10, 0, 0});
  const Bitmap want = TextDirect(96, 96, [&](TCanvas& c) {
    c.TextOut(10, 40, "a");
    c.TextOut(25, 34, "b");
    c.TextOut(37, 44, "c");
  });
  EXPECT_TRUE(Same(want, RenderMetafile(emf.Build())));
}

TEST(MetafileText, UpdatingTheCurrentPositionWritesOnFromWhereTheLastTextEnded) {
  // Each case: an alignment, then two texts from the current position, then a
  // line from where it ends up to the picture's top edge.
  const struct {
    std::uint32_t align;
    int second;  // where the second text's cell starts, from the first's start
    int line;    // the position the line starts from, from the first's start
  } cases[] = {{TA_UPDATECP, 1, 2}, {TA_UPDATECP | TA_RIGHT, -1, -2}, {TA_UPDATECP | TA_CENTER, 0, 0}};
  for (const auto& k : cases) {
    EmfBuilder emf = Emf96();
    Font(emf);
    emf.Record(kSetBkMode, {1}).Record(kMoveTo, {40, 30}).Record(kSetTextAlign, {k.align});
    TextW(emf, u"ab", {80, 80});  // the reference point is not used
    TextW(emf, u"cd", {80, 80});
    emf.Record(kLineTo, {0, 0});
    const Bitmap want = TextDirect(96, 96, [&](TCanvas& c) {
      const int ab = c.TextWidth("ab"), cd = c.TextWidth("cd");
      const int first = k.second == -1 ? 40 - ab : k.second == 0 ? 40 - ab / 2 : 40;
      const int second = k.second == 1 ? 40 + ab : k.second == -1 ? 40 - ab - cd : 40 - cd / 2;
      c.TextOut(first, 30, "ab");
      c.TextOut(second, 30, "cd");
      c.MoveTo(k.line == 2 ? 40 + ab + cd : k.line == -2 ? 40 - ab - cd : 40, 30);
      c.LineTo(0, 0);
    });
    EXPECT_TRUE(Same(want, RenderMetafile(emf.Build()))) << "alignment " << k.align;
  }
}

TEST(MetafileText, QuarterTurnsAreTheUprightTextTurned) {
  // Opaque and underlined, so that the cell and the underline turn too.
  for (const int quarter : {1, 2, 3}) {
    EmfBuilder emf = Emf96();
    Font(emf, 900 * quarter, true);
    emf.Record(kSetTextAlign, {TA_BASELINE});
    TextW(emf, u"Kg%", {48, 48});
    // The upright text about the same reference point, then turned.
    const Bitmap upright = TextDirect(96, 96, [&](TCanvas& c) {
      c.Font = CanvasFont(fsUnderline);
      c.Brush = TBrush{kBack, BrushStyle::bsSolid};
      c.TextOut(48, 48 - Ascent(), "Kg%");
    });
    Bitmap want(96, 96);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 96; ++x) {
        // A quarter turn counter-clockwise takes (x, y) to (y, 95 - x).
        int ux = x, uy = y;
        for (int q = 0; q < quarter; ++q) {
          const int px = ux;
          ux = 95 - uy;
          uy = px;
        }
        want.SetPixel(x, y, upright.GetPixel(ux, uy));
      }
    EXPECT_TRUE(Same(want, RenderMetafile(emf.Build()))) << quarter << " quarter turns";
  }
}

TEST(MetafileText, OtherTurnsKeepTheInkAlongTheTurnedBaseline) {
  for (const int tenths : {300, 1350, -450}) {
    EmfBuilder emf = Emf96();
    Font(emf, tenths);
    emf.Record(kSetBkMode, {1}).Record(kSetTextAlign, {TA_BASELINE});
    TextW(emf, u"HHHH", {48, 48});
    const Bitmap got = RenderMetafile(emf.Build());
    const int ascent = Ascent();
    double c = 1, s = 0;
    TurnOf(tenths, c, s);
    // Every inked pixel lies in the cell turned about the reference point,
    // and the ink reaches from one end of the text to the other.
    double first = 1e9, last = -1e9;
    int inked = 0;
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 96; ++x) {
        if (got.GetPixel(x, y) == clWhite) continue;
        ++inked;
        const double dx = x + 0.5 - 48, dy = y + 0.5 - 48;
        const double along = dx * c - dy * s, down = dx * s + dy * c;
        EXPECT_GE(along, -1.5) << tenths;
        EXPECT_LE(down, 1.5) << tenths;
        EXPECT_GE(down, -ascent - 1.5) << tenths;
        first = std::min(first, along);
        last = std::max(last, along);
      }
    EXPECT_GT(inked, 100) << tenths;
    EXPECT_LT(first, 3) << tenths;
    EXPECT_GT(last, 4 * 0.6 * kEm) << tenths;
  }
}

TEST(MetafileText, SixteenBitTextRecordsWithDistancesExtraAndJustification) {
  const TFont font = CanvasFont();
  // The 16-bit font record: height, width, escapement, orientation, weight,
  // italic/underline, strikeout/charset, precisions, quality/pitch, face.
  auto records = [&](WmfBuilder& w) {
    w.Record(0x02FB, {-kEm, 0, 0, 0, 400, 0, 0x0100, 0, 0x0003}, {'A', 'r', 'i', 'a', 'l', 0})
        .Record(0x012D, {0})
        .Record(0x0209, {W::Lo(kInk), W::Hi(kInk)})
        .Record(0x0102, {1});
  };
  const std::vector<std::uint8_t> text{'a', 'b', ' ', 'c', ' ', 'd'};
  // Extended text with distances at (4, 4); text with 3 units of extra per
  // character and 7 spread over the two spaces (4 then 3) at (4, 40).
  WmfBuilder w;
  records(w);
  w.Record(0x0A32, {4, 4, 6, 0, 'a' | 'b' << 8, ' ' | 'c' << 8, ' ' | 'd' << 8, 10, 11, 12, 13, 14, 15})
      .Record(0x0108, {3})
      .Record(0x020A, {2, 7})
      .Record(0x0521, {6, 'a' | 'b' << 8, ' ' | 'c' << 8, ' ' | 'd' << 8, 40, 4});
  const Bitmap want = TextDirect(96, 64, [&](TCanvas& c) {
    c.Font = font;
    Characters(c, "ab c d", 4, 4, {10, 11, 12, 13, 14, 15});
    std::vector<int> advances;
    int breaks = 0;
    for (const char ch : std::string("ab c d")) {
      int a = c.TextWidth(std::string(1, ch)) + 3;
      if (ch == ' ') a += breaks++ == 0 ? 4 : 3;
      advances.push_back(a);
    }
    Characters(c, "ab c d", 4, 40, advances);
  });
  EXPECT_TRUE(Same(want, RenderMetafile(w.Build(Rect(0, 0, 96, 64), 96))));
}

TEST(MetafileText, FontHeightsAreTakenInPixels) {
  // Arial comes as Liberation Sans: Windows ascent 1854 and descent 434 of
  // 2048 units, so an em of e pixels has a cell of round(1854e/2048) +
  // round(434e/2048) rows. A negative height is the em, a positive one the
  // largest cell that fits.
  auto cell = [](int em) { return (1854 * em * 2 + 2048) / 4096 + (434 * em * 2 + 2048) / 4096; };
  for (const int height : {-13, -14, -20, 16, 17, 30}) {
    int em = -height;
    if (height > 0)
      for (em = 1; cell(em + 1) <= height;) ++em;
    EmfBuilder emf = Emf96();
    Font(emf, 0, false, height);
    emf.Record(kSetBkMode, {2});
    TextW(emf, u"   ", {2, 2});
    const Bitmap got = RenderMetafile(emf.Build());
    int rows = 0;
    for (int y = 0; y < 96; ++y) rows += got.GetPixel(3, y) == kBack;
    EXPECT_EQ(rows, cell(em)) << "height " << height;
    EXPECT_EQ(got.GetPixel(3, 2), kBack) << "height " << height;
  }
}

TEST(MetafileText, GlyphNumbersDrawTheFacesGlyphs) {
  SizedFont& face = FontEngine::Instance().Get(CanvasFont());
  std::u16string glyphs;
  for (const char c : std::string("Kes%")) glyphs.push_back(static_cast<char16_t>(face.IndexOf(static_cast<unsigned char>(c))));
  const std::vector<int> dx{15, 11, 10, 16};
  for (const bool turned : {false, true}) {
    EmfBuilder emf = Emf96();
    Font(emf, turned ? 900 : 0);
    emf.Record(kSetBkMode, {1});
    TextW(emf, glyphs, {10, 60}, 0x10, {}, dx);
    EmfBuilder chars = Emf96();
    Font(chars, turned ? 900 : 0);
    chars.Record(kSetBkMode, {1});
    TextW(chars, u"Kes%", {10, 60}, 0, {}, dx);
    EXPECT_TRUE(Same(RenderMetafile(chars.Build()), RenderMetafile(emf.Build()))) << "turned " << turned;
  }
  // Without distances the glyphs' own advances place them.
  EmfBuilder emf = Emf96();
  Font(emf);
  emf.Record(kSetBkMode, {1});
  TextW(emf, glyphs, {10, 10}, 0x10);
  const Bitmap want = TextDirect(96, 96, [](TCanvas& c) { c.TextOut(10, 10, "Kes%"); });
  EXPECT_TRUE(Same(want, RenderMetafile(emf.Build())));
}

namespace {

// A world transform record of six floats.
void WorldTransform(EmfBuilder& emf, std::initializer_list<float> m) {
  std::vector<std::int64_t> bits;
  for (const float f : m) bits.push_back(std::bit_cast<std::uint32_t>(f));
  emf.Record(35, {bits[0], bits[1], bits[2], bits[3], bits[4], bits[5]});
}

std::vector<std::uint8_t> Utf16(const std::u16string& text) {
  ByteWriter w;
  for (char16_t c : text) w.U16(c);
  while (w.bytes.size() % 4) w.U8(0);
  return w.bytes;
}

}  // namespace

TEST(MetafileText, UpdatingThePositionUnderATurnGoesBackThroughTheTurn) {
  // Turned a quarter counter-clockwise: logical (x, y) lands on (y, 96 - x).
  // The texts are white on white; only the line from where they end shows.
  EmfBuilder emf = Emf96();
  Font(emf);
  WorldTransform(emf, {0, -1, 1, 0, 0, 96});
  emf.Record(kSetTextColor, {0xFFFFFF}).Record(kSetBkMode, {1}).Record(kMoveTo, {40, 30});
  emf.Record(kSetTextAlign, {TA_UPDATECP});
  TextW(emf, u"ab", {80, 80});
  TextW(emf, u"cd", {80, 80});
  emf.Record(kLineTo, {0, 0});
  const Bitmap want = TextDirect(96, 96, [&](TCanvas& c) {
    const int advance = c.TextWidth("abcd");
    c.MoveTo(30, 96 - 40 - advance);
    c.LineTo(0, 96);
  });
  EXPECT_TRUE(Same(want, RenderMetafile(emf.Build())));
}

TEST(MetafileText, TurnedOpaqueAndClippingRectanglesAreTurnedShapes) {
  const double angle = 30 * std::numbers::pi / 180, cs = std::cos(angle), sn = std::sin(angle);
  const auto turn = [&](double x, double y) {
    return TPoint{int(std::lround(48 + (x - 48) * cs - (y - 48) * sn)),
                  int(std::lround(48 + (x - 48) * sn + (y - 48) * cs))};
  };
  EmfBuilder emf = Emf96();
  Font(emf, 0, false, -40);
  WorldTransform(emf, {float(cs), float(sn), float(-sn), float(cs), float(48 - 48 * cs + 48 * sn),
                       float(48 - 48 * sn - 48 * cs)});
  emf.Record(kSetBkMode, {2});
  TextW(emf, u"WWWWW", {10, 30}, ETO_OPAQUE | ETO_CLIPPED, TRect{20, 36, 76, 60});
  const Bitmap played = RenderMetafile(emf.Build());
  const Bitmap shape = TextDirect(96, 96, [&](TCanvas& c) {
    c.Pen.style = PenStyle::psClear;
    c.Brush = TBrush{kBack, BrushStyle::bsSolid};
    c.Polygon(std::vector<TPoint>{turn(20, 36), turn(76, 36), turn(76, 60), turn(20, 60)});
  });
  // Nothing outside the turned rectangle; inside it, the background or the text.
  const auto ink = [](const Bitmap& b) { return Mask(96, 96, [&](int x, int y) { return b.GetPixel(x, y) != clWhite; }); };
  EXPECT_EQ(StrayPixels(ink(played), ink(shape)), 0);
  int text = 0, background = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) {
      text += played.GetPixel(x, y) == kInk;
      background += played.GetPixel(x, y) == kBack;
    }
  EXPECT_GT(text, 100);
  EXPECT_GT(background, 100);
}

TEST(MetafileText, SmallTextAndTextOfSeveralStringsDrawWhatTheExtendedRecordDraws) {
  constexpr std::uint32_t kNoRect = 0x100, kSmallChars = 0x200;
  const auto played = [](const std::function<void(EmfBuilder&)>& text) {
    EmfBuilder emf = Emf96();
    Font(emf);
    emf.Record(kSetBkMode, {1});
    text(emf);
    return RenderMetafile(emf.Build());
  };
  const Bitmap both = played([](EmfBuilder& emf) {
    TextW(emf, u"Hello", {8, 20});
    TextW(emf, u"Wide", {30, 60}, ETO_CLIPPED, TRect{30, 60, 52, 90});
  });
  const struct {
    const char* name;
    std::function<void(EmfBuilder&)> records;
  } cases[] = {
      {"small text of code units and of bytes",
       [](EmfBuilder& emf) {
         emf.Record(108, {8, 20, 5, kNoRect, 1, 0, 0}, Utf16(u"Hello"));
         emf.Record(108, {30, 60, 4, kSmallChars | ETO_CLIPPED, 1, 0, 0, 30, 60, 52, 90}, {'W', 'i', 'd', 'e'});
       }},
      {"two strings in one record",
       [](EmfBuilder& emf) {
         std::vector<std::uint8_t> strings = Utf16(u"Hello"), wide = Utf16(u"Wide");
         const auto second = static_cast<std::int64_t>(120 + strings.size());
         strings.insert(strings.end(), wide.begin(), wide.end());
         emf.Record(97, {0, 0, 0, 0, 1, 0, 0, 2, 8, 20, 5, 120, 0, 0, 0, 0, 0, 0, 30, 60, 4, second, ETO_CLIPPED, 30,
                         60, 52, 90, 0},
                    strings);
       }},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(both, played(c.records))) << c.name;
}
