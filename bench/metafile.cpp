// links: kestrova_core
// Playing metafiles: 50 arcs with a pen far wider than the picture (each
// covers the whole picture), and a picture of many dashed, hatched figures.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "core/images/Metafile.h"

using namespace kestrova;

namespace {

// An enhanced metafile of the given frame (0.01 mm) with the records after the header.
class Emf {
 public:
  explicit Emf(int frame) : frame_(frame) {}
  void Record(std::uint32_t type, std::initializer_list<std::int64_t> fields) {
    U32(type);
    U32(static_cast<std::uint32_t>(8 + 4 * fields.size()));
    for (const std::int64_t f : fields) U32(static_cast<std::uint32_t>(f));
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
  for (auto _ : state) {
    TCanvas canvas(target);
    picture.Draw(canvas);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
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

}  // namespace

BENCHMARK(WidePenArcs)->Unit(benchmark::kMillisecond);
BENCHMARK(DashedHatchedFigures)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
