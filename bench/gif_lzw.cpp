// links: kestrova_gif gif
// LZW encoding and decoding of GIF files, each beside giflib doing the same
// work on the same pixels (compare the times of a pair: ours should not be
// slower). Cases: one 2000 x 2000 frame of 256 colours, and 1000 frames of
// 96 x 32 (a batch of small buttons).

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdint>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

#include "gif/GIFImage.h"

namespace {

using namespace kestrova;

struct Frame {
  int width, height;
  std::vector<std::uint8_t> pixels;
};

struct Case {
  std::vector<TColor> palette;
  std::vector<Frame> frames;
};

// Smooth shading with some noise and hard edges, like a rendered button.
Frame MakeFrame(int width, int height, unsigned seed) {
  std::mt19937 rng(seed);
  Frame f{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int v = (x * 97 / width + y * 131 / height) % 200;
      if ((x / 7 + y / 5) % 11 == 0) v = 230 + (x + y) % 20;
      if (rng() % 8 == 0) v = (v + rng() % 5) % 256;
      f.pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(v);
    }
  return f;
}

const Case& LargeCase() {
  static const Case c = [] {
    Case k;
    for (int i = 0; i < 256; ++i) k.palette.push_back(RGBColor(i, 255 - i, i / 2));
    k.frames.push_back(MakeFrame(2000, 2000, 1));
    return k;
  }();
  return c;
}

const Case& ButtonsCase() {
  static const Case c = [] {
    Case k;
    for (int i = 0; i < 256; ++i) k.palette.push_back(RGBColor(i, i / 3, 255 - i));
    for (int i = 0; i < 1000; ++i) k.frames.push_back(MakeFrame(96, 32, 100 + i));
    return k;
  }();
  return c;
}

// An output buffer that appends to a string, and an input buffer over a string.
class StringOut : public std::streambuf {
 public:
  explicit StringOut(std::string& s) : s_(s) {}

 protected:
  std::streamsize xsputn(const char* p, std::streamsize n) override {
    s_.append(p, static_cast<std::size_t>(n));
    return n;
  }
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) s_.push_back(static_cast<char>(c));
    return c;
  }

 private:
  std::string& s_;
};

class StringIn : public std::streambuf {
 public:
  explicit StringIn(const std::string& s) {
    char* p = const_cast<char*>(s.data());
    setg(p, p, p + s.size());
  }

 protected:
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    char* target = (dir == std::ios_base::beg ? eback() : dir == std::ios_base::cur ? gptr() : egptr()) + off;
    if (target < eback() || target > egptr()) return pos_type(off_type(-1));
    setg(eback(), target, egptr());
    return pos_type(target - eback());
  }
  pos_type seekpos(pos_type pos, std::ios_base::openmode mode) override {
    return seekoff(off_type(pos), std::ios_base::beg, mode);
  }
};

std::unique_ptr<TGIFImage> OurImage(const Case& c) {
  auto image = std::make_unique<TGIFImage>();
  image->Header().GlobalColorMap().ImportPalette(c.palette);
  for (const Frame& f : c.frames) {
    auto frame = std::make_unique<TGIFSubImage>(image.get());
    TGIFSubImage& ref = *frame;
    image->Add(std::move(frame));
    ref.SetBounds(0, 0, f.width, f.height);
    for (int y = 0; y < f.height; ++y)
      std::memcpy(ref.Scanline(y), f.pixels.data() + static_cast<std::size_t>(y) * f.width, f.width);
  }
  return image;
}

std::string OurEncode(const TGIFImage& image) {
  std::string out;
  StringOut buffer(out);
  std::ostream stream(&buffer);
  image.SaveToStream(stream);
  return out;
}

std::string GiflibEncode(const Case& c) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, [](GifFileType* g, const GifByteType* p, int n) {
    static_cast<std::string*>(g->UserData)->append(reinterpret_cast<const char*>(p), n);
    return n;
  }, &error);
  std::vector<GifColorType> colors;
  for (TColor t : c.palette) colors.push_back(GifColorType{RedOf(t), GreenOf(t), BlueOf(t)});
  ColorMapObject* map = GifMakeMapObject(256, colors.data());
  EGifPutScreenDesc(gif, c.frames[0].width, c.frames[0].height, 8, 0, map);
  for (const Frame& f : c.frames) {
    EGifPutImageDesc(gif, 0, 0, f.width, f.height, false, nullptr);
    for (int y = 0; y < f.height; ++y)
      EGifPutLine(gif, const_cast<GifPixelType*>(f.pixels.data() + static_cast<std::size_t>(y) * f.width), f.width);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

void GiflibDecode(const std::string& file, benchmark::State& state) {
  struct Source {
    const std::string* s;
    std::size_t pos;
  } source{&file, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, [](GifFileType* g, GifByteType* p, int n) {
    auto* s = static_cast<Source*>(g->UserData);
    const int k = static_cast<int>(std::min<std::size_t>(n, s->s->size() - s->pos));
    std::memcpy(p, s->s->data() + s->pos, k);
    s->pos += k;
    return k;
  }, &error);
  if (DGifSlurp(gif) != GIF_OK) state.SkipWithError("giflib could not read the file");
  benchmark::DoNotOptimize(gif->SavedImages[0].RasterBits);
  DGifCloseFile(gif, &error);
}

void OurDecode(const std::string& file, benchmark::State& state) {
  StringIn buffer(file);
  std::istream stream(&buffer);
  TGIFImage image;
  image.LoadFromStream(stream);
  if (image.Empty()) state.SkipWithError("no frames read");
  benchmark::DoNotOptimize(image.Images()[0].Data().data());
}

void SetPixels(benchmark::State& state, const Case& c) {
  std::int64_t pixels = 0;
  for (const Frame& f : c.frames) pixels += std::int64_t{f.width} * f.height;
  state.SetItemsProcessed(state.iterations() * pixels);
}

const Case& CaseOf(const benchmark::State& state) { return state.range(0) == 0 ? LargeCase() : ButtonsCase(); }

void BM_EncodeOurs(benchmark::State& state) {
  const Case& c = CaseOf(state);
  const auto image = OurImage(c);
  for (auto _ : state) benchmark::DoNotOptimize(OurEncode(*image));
  SetPixels(state, c);
}

void BM_EncodeGiflib(benchmark::State& state) {
  const Case& c = CaseOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(GiflibEncode(c));
  SetPixels(state, c);
}

void BM_DecodeOurs(benchmark::State& state) {
  const Case& c = CaseOf(state);
  const std::string file = GiflibEncode(c);
  for (auto _ : state) OurDecode(file, state);
  SetPixels(state, c);
}

void BM_DecodeGiflib(benchmark::State& state) {
  const Case& c = CaseOf(state);
  const std::string file = GiflibEncode(c);
  for (auto _ : state) GiflibDecode(file, state);
  SetPixels(state, c);
}

// Argument 0: one 2000 x 2000 frame; 1: 1000 frames of 96 x 32.
BENCHMARK(BM_EncodeOurs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeGiflib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeOurs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeGiflib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
