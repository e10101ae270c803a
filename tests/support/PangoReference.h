#pragma once
// Text as Pango (independent software, through `pango-view`) lays it out and
// draws it: the reference the shaped text of the canvas and of the metafile
// players is compared with. Glyphs are compared by face and number in
// display order; ink by the spans of columns it covers.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "rendering/Bitmap.h"

namespace kestrova::testing {

// Ink per pixel, 0 none .. 255 full, rows top first.
struct InkImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;
};

struct PangoGlyph {
  std::string family;  // of the face Pango took for the glyph's run
  std::uint32_t glyph = 0;
  int x = 0;  // the glyph's origin from the line's start, whole pixels
};

struct PangoText {
  int width = 0;  // the line's advance, whole pixels
  InkImage image;
  std::vector<PangoGlyph> glyphs;  // left to right as shown
};

// Columns [left, right) holding ink.
struct InkSpan {
  int left = 0;
  int right = 0;
};

inline bool HavePangoView() { return std::filesystem::exists("/usr/bin/pango-view"); }

inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Black on white to ink; a binary PGM (what ImageMagick writes) read back.
inline InkImage InkOfPgm(const std::string& pgm) {
  InkImage image;
  int maxValue = 0, consumed = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &image.width, &image.height, &maxValue, &consumed) != 3 ||
      maxValue != 255)
    return InkImage{};
  const std::size_t start = static_cast<std::size_t>(consumed) + 1;
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  if (pgm.size() < start + count) return InkImage{};
  for (std::size_t i = 0; i < count; ++i) image.ink.push_back(static_cast<std::uint8_t>(255 - static_cast<unsigned char>(pgm[start + i])));
  return image;
}

// A bitmap's ink where it holds dark text on white: the green channel inverted.
inline InkImage InkOfBitmap(const Bitmap& b) {
  InkImage image{b.Width(), b.Height(), {}};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) image.ink.push_back(static_cast<std::uint8_t>(255 - ((b.GetPixel(x, y) >> 8) & 0xFF)));
  return image;
}

// First and last row holding a pixel at least half covered, plus one; {0, 0} without any.
inline std::pair<int, int> InkRows(const InkImage& image) {
  int top = image.height, bottom = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (image.ink[static_cast<std::size_t>(y) * image.width + x] >= 128) {
        top = std::min(top, y);
        bottom = y + 1;
      }
  return top < bottom ? std::pair<int, int>{top, bottom} : std::pair<int, int>{0, 0};
}

// Runs of columns where some pixel is at least half covered.
inline std::vector<InkSpan> InkSpans(const InkImage& image) {
  std::vector<InkSpan> spans;
  bool inside = false;
  for (int x = 0; x <= image.width; ++x) {
    bool inked = false;
    for (int y = 0; x < image.width && y < image.height && !inked; ++y)
      inked = image.ink[static_cast<std::size_t>(y) * image.width + x] >= 128;
    if (inked && !inside) spans.push_back(InkSpan{x, x});
    if (!inked && inside) spans.back().right = x;
    inside = inked;
  }
  return spans;
}

// The spans moved `dx` columns to the right.
inline std::vector<InkSpan> Shifted(std::vector<InkSpan> spans, int dx) {
  for (InkSpan& s : spans) s = InkSpan{s.left + dx, s.right + dx};
  return spans;
}

inline std::string Describe(const std::vector<InkSpan>& spans) {
  std::string s;
  for (const InkSpan& span : spans) s += "[" + std::to_string(span.left) + "," + std::to_string(span.right) + ") ";
  return s;
}

// Whether the spans agree one by one, each edge within 1 pixel plus 1 for
// every 48 pixels it lies from the line's start (hinting moves a glyph's ink
// and its advance by a pixel here and there, and that adds up along a line).
// Hinting also opens and closes one-column gaps between letters: two spans
// one column apart on one side may stand for one span on the other.
inline ::testing::AssertionResult SpansAgree(const std::vector<InkSpan>& want, const std::vector<InkSpan>& got) {
  // How far apart two spans lie; past the slack, none of their matching.
  const auto distance = [](const std::optional<InkSpan>& a, const std::optional<InkSpan>& b) {
    if (!a || !b) return 1 << 30;
    const int slack = 1 + a->left / 48, d = std::max(std::abs(a->left - b->left), std::abs(a->right - b->right));
    return d <= slack ? d : 1 << 30;
  };
  const auto one = [](const std::vector<InkSpan>& s, std::size_t i) {
    return i < s.size() ? std::optional<InkSpan>(s[i]) : std::nullopt;
  };
  const auto joined = [](const std::vector<InkSpan>& s, std::size_t i) {
    return i + 1 < s.size() && s[i + 1].left - s[i].right <= 1 ? std::optional<InkSpan>(InkSpan{s[i].left, s[i + 1].right})
                                                                : std::nullopt;
  };
  std::size_t i = 0, j = 0;
  while (i < want.size() && j < got.size()) {
    // The closest of: span for span, two of Pango's for one, one for two.
    const int d[3] = {distance(one(want, i), one(got, j)), distance(joined(want, i), one(got, j)),
                      distance(one(want, i), joined(got, j))};
    const int best = static_cast<int>(std::min_element(d, d + 3) - d);
    if (d[best] == 1 << 30) break;
    i += best == 1 ? 2 : 1;
    j += best == 2 ? 2 : 1;
  }
  if (i == want.size() && j == got.size()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "spans differ from Pango's span " << i << "\nPango " << Describe(want)
                                       << "\nours  " << Describe(got);
}

// The glyphs of a layout Pango wrote out: the runs' faces and the glyphs'
// numbers and origins, in the order they are shown.
inline std::vector<PangoGlyph> PangoGlyphs(const std::string& json) {
  std::vector<PangoGlyph> glyphs;
  const std::regex item(R"re("description" : "([^"]*) [0-9.]+"|\{[^{}]*"glyph" : ([0-9]+),[^{}]*\})re");
  const std::regex width(R"re("width" : (-?[0-9]+))re"), offset(R"re("x-offset" : (-?[0-9]+))re");
  std::string family;
  long long pen = 0;  // Pango units, 1024 to a pixel here; one line
  for (auto it = std::sregex_iterator(json.begin(), json.end(), item); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    if (m[1].matched) {
      family = m[1];
      continue;
    }
    const std::string body = m[0];
    std::smatch w, o;
    const long long advance = std::regex_search(body, w, width) ? std::stoll(w[1]) : 0;
    const long long shift = std::regex_search(body, o, offset) ? std::stoll(o[1]) : 0;
    glyphs.push_back(PangoGlyph{family, static_cast<std::uint32_t>(std::stoul(m[2])),
                                static_cast<int>((pen + shift + 512) / 1024)});
    pen += advance;
  }
  return glyphs;
}

// The text in the family at an em height of `pixels`, hinted fully with
// hinted metrics, grey antialiasing, black on white, no margin; `rtl` sets
// the paragraph right to left; `markup`: the text is Pango markup. An empty
// result when pango-view fails.
inline PangoText RenderedByPango(const std::string& family, int pixels, const std::string& text, bool rtl = false,
                                 bool markup = false) {
  char pattern[] = "/tmp/kestrova-pango-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) return PangoText{};
  const std::string dir = made;
  std::ofstream(dir + "/text.txt", std::ios::binary) << text;
  const std::string command = "/usr/bin/pango-view -q --pixels --font='" + family + " " + std::to_string(pixels) +
                              "px' --hinting=full --hint-metrics=on --antialias=gray --margin=0 "
                              "--foreground=black --background=white " +
                              (rtl ? "--rtl --no-auto-dir " : "") + (markup ? "--markup " : "") + "-o '" + dir + "/out.png' --serialize-to='" + dir +
                              "/out.json' '" + dir + "/text.txt' >/dev/null 2>&1 && /usr/bin/convert '" + dir +
                              "/out.png' -colorspace gray -depth 8 pgm:'" + dir + "/out.pgm' 2>/dev/null";
  PangoText result;
  if (std::system(command.c_str()) == 0) {
    result.image = InkOfPgm(ReadWhole(dir + "/out.pgm"));
    const std::string json = ReadWhole(dir + "/out.json");
    result.glyphs = PangoGlyphs(json);
    std::smatch width;  // the output's width comes first
    if (std::regex_search(json, width, std::regex(R"re("width" : ([0-9]+))re")))
      result.width = static_cast<int>((std::stoll(width[1]) + 512) / 1024);
  }
  std::filesystem::remove_all(dir);
  return result;
}

}  // namespace kestrova::testing
