// links: kestrova_core
// Playing metafiles: 50 arcs with a pen far wider than the picture (each
// covers the whole picture), a picture of many dashed, hatched figures, and
// a large picture of the kind drawing programs write: thousands of records
// of curves in filled and stroked paths, hatches, gradients and text, some
// under a turning transform; and a flood fill over a whole large picture.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "core/images/metafile/Metafile.h"

using namespace kestrova;

namespace {

// An enhanced metafile of the given frame (0.01 mm) with the records after the header.
class Emf {
 public:
  explicit Emf(int frame) : frame_(frame) {}
  void Record(std::uint32_t type, std::initializer_list<std::int64_t> fields,
              const std::vector<std::uint32_t>& more = {}) {
    U32(type);
    U32(static_cast<std::uint32_t>(8 + 4 * (fields.size() + more.size())));
    for (const std::int64_t f : fields) U32(static_cast<std::uint32_t>(f));
    for (const std::uint32_t f : more) U32(f);
  }
  std::vector<std::uint8_t> Build() const {
    Emf head(frame_);
    head.U32(1), head.U32(88);
    for (const std::int64_t v : {0, 0, 0, 0, 0, 0, frame_, frame_}) head.U32(static_cast<std::uint32_t>(v));
    for (const std::uint32_t v : {0x464D4520u, 0x10000u, 0u, 0u, 0u, 0u, 0u, 0u, 1024u, 768u, 320u, 240u}) head.U32(v);
    std::vector<std::uint8_t> out = head.bytes_;
    out.insert(out.end(), bytes_.begin(), bytes_.end());
    for (const std::uint32_t v : {14u, 20u, 0u, 0u, 20u}) {
      for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    const auto size = static_cast<std::uint32_t>(out.size());
    for (int i = 0; i < 4; ++i) out[48 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return out;
  }

 private:
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  int frame_;
  std::vector<std::uint8_t> bytes_;
};

// Plays the metafile onto a picture of its size, once an iteration.
void Play(benchmark::State& state, const Emf& emf) {
  const auto picture = MetafilePicture::Load(emf.Build());
  Bitmap target(picture.Width(), picture.Height());
  std::size_t notDrawn = 0;
  for (auto _ : state) {
    TCanvas canvas(target);
    notDrawn = picture.Draw(canvas);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.counters["not drawn"] = static_cast<double>(notDrawn);
}

void WidePenArcs(benchmark::State& state) {
  Emf emf(105834);  // 4000 x 4000 pixels
  emf.Record(38, {1, 0, 100000, 0, 0});
  emf.Record(37, {1});
  for (int k = 0; k < 50; ++k) {
    const double a = k * 7.2 * std::numbers::pi / 180, b = a - std::numbers::pi / 180;
    emf.Record(45, {0, 0, 3387, 3387, std::lrint(1693 + 1500 * std::cos(a)), std::lrint(1693 + 1500 * std::sin(a)),
                    std::lrint(1693 + 1500 * std::cos(b)), std::lrint(1693 + 1500 * std::sin(b))});
  }
  Play(state, emf);
}

void DashedHatchedFigures(benchmark::State& state) {
  Emf emf(52917);  // 2000 x 2000 pixels
  const std::uint32_t pen = 0x10000 | 0x1000 | 0x100 | 3;  // geometric, bevel, square ends, dash-dot
  emf.Record(95, {1, 0, 0, 0, 0, pen, 7, 0, 0x204080, 0, 0});
  emf.Record(37, {1});
  emf.Record(39, {2, 2, 0x0000FF, 5});  // diagonal cross hatch
  emf.Record(37, {2});
  for (int i = 0; i < state.range(0); ++i) {
    const int x = (i * 37) % 1500, y = (i * 53) % 1500;
    emf.Record(42, {x, y, x + 180, y + 120});
    emf.Record(4, {0, 0, 0, 0, 3, x, y, x + 150, y + 20, x + 40, y + 160});
  }
  Play(state, emf);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

std::uint32_t FloatBits(float f) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

// A flower of curves at (x, y): a closed path of four curved petals.
std::vector<std::uint32_t> Petals(int x, int y, int r) {
  std::vector<std::uint32_t> points;
  const int p[][2] = {{r, -r}, {r, r}, {0, 0}, {r, r}, {-r, r}, {0, 0}, {-r, r}, {-r, -r}, {0, 0}, {-r, -r}, {r, -r}, {0, 0}};
  for (const auto& q : p) {
    points.push_back(static_cast<std::uint32_t>(x + q[0] * 2));
    points.push_back(static_cast<std::uint32_t>(y + q[1] * 2));
  }
  return points;
}

// Text as UTF-16 after an extended text record's fields.
std::vector<std::uint32_t> Utf16Words(const char* text) {
  std::vector<std::uint32_t> words;
  for (std::size_t i = 0; text[i]; i += 2)
    words.push_back(static_cast<std::uint8_t>(text[i]) | (text[i + 1] ? static_cast<std::uint32_t>(text[i + 1]) << 16 : 0));
  return words;
}

void DrawingProgramPicture(benchmark::State& state) {
  Emf emf(52917);  // 2000 x 2000 pixels, some 2.4 logical units a pixel
  std::vector<std::uint32_t> face(16, 0);
  face[0] = 'A' | 'r' << 16, face[1] = 'i' | 'a' << 16, face[2] = 'l';
  emf.Record(82, {3, -40, 0, 0, 0, 400, 0, 0x00030000}, face);
  emf.Record(37, {3});
  emf.Record(95, {1, 0, 0, 0, 0, 0x10000 | 0x2000 | 0x200 | 1, 5, 0, 0x103060, 0, 0});  // dashed geometric
  emf.Record(37, {1});
  emf.Record(19, {2});  // winding
  for (int i = 0; i < state.range(0); ++i) {
    const int x = 100 + (i * 97) % 4200, y = 100 + (i * 61) % 4200;
    emf.Record(39, {2, i % 3 == 0 ? 2 : 0, static_cast<std::int64_t>(0x203040 + i * 1571 % 0xDFDFDF), i % 6});
    emf.Record(37, {2});
    if (i % 5 == 0) {
      // A turned copy of the next figure.
      const float c = 0.8f, s = 0.6f;
      emf.Record(35, {}, {FloatBits(c), FloatBits(s), FloatBits(-s), FloatBits(c), FloatBits(900), FloatBits(-600)});
    }
    emf.Record(59, {});  // the path: petals, then filled and stroked
    emf.Record(27, {x, y});
    emf.Record(5, {0, 0, 0, 0, 12}, Petals(x, y, 60));
    emf.Record(61, {});
    emf.Record(60, {});
    emf.Record(63, {0, 0, 0, 0});
    if (i % 5 == 0) emf.Record(36, {0, 0, 0, 0, 0, 0, 1});  // back to none
    if (i % 4 == 0) {
      // A gradient band: two vertices, one rectangle across.
      emf.Record(118, {0, 0, 0, 0, 2, 1, 0, x, y, 0xFF00, 0x8000, 0, x + 300, y + 60, 0, 0x4000, 0xFF00, 0, 1});
    }
    emf.Record(84, {0, 0, 0, 0, 1, 0, 0, x, y + 200, 8, 76, 0, 0, 0, -1, -1, 0}, Utf16Words("Kestrova"));
  }
  Play(state, emf);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One fill up to a border colour the picture does not hold: every pixel of
// 4000 x 4000, in a hatched brush. Well under a second is the goal.
void WholePictureFloodFill(benchmark::State& state) {
  Emf emf(105834);
  emf.Record(39, {1, 2, 0x0000FF, 5});  // diagonal cross hatch
  emf.Record(37, {1});
  emf.Record(53, {2000, 2000, 0x123456, 0});
  Play(state, emf);
  state.SetItemsProcessed(state.iterations() * 4000 * 4000);
}

}  // namespace

BENCHMARK(WidePenArcs)->Unit(benchmark::kMillisecond);
BENCHMARK(DashedHatchedFigures)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawingProgramPicture)->Arg(500)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(WholePictureFloodFill)->Unit(benchmark::kMillisecond);
