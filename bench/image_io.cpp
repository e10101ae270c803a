// links: kestrova_core
// Writing a batch of small buttons in each output format, and reading a large photo.

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/images/ImageFiles.h"

using namespace kestrova;

namespace {

constexpr int kButtons = 1000;

// A button-like picture: a vertical gradient with a darker frame.
Bitmap Button() {
  Bitmap b(96, 32);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const bool edge = x < 2 || y < 2 || x >= 94 || y >= 30;
      b.SetPixel(x, y, edge ? RGBColor(40, 60, 90) : RGBColor(90 + y * 4, 130 + y * 3, 200));
    }
  return b;
}

// Smooth colour with fine texture, compressing like a photo.
Bitmap Photo(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* p = b.ScanLine(y);
    for (int x = 0; x < w; ++x, p += 3) {
      p[0] = static_cast<std::uint8_t>(x * 255 / w);
      p[1] = static_cast<std::uint8_t>(y * 255 / h);
      p[2] = static_cast<std::uint8_t>((x * 7 + y * 13) % 64 + 96);
    }
  }
  return b;
}

class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

using Writer = bool (*)(const std::string&, const Bitmap*, const ImageWriteOptions&, std::string&);

void WriteButtons(benchmark::State& state, Writer writer, const char* extension) {
  Folder folder;
  const Bitmap button = Button();
  ImageWriteOptions options;
  options.jpegQuality = 90;
  options.pngCompressionLevel = 6;
  std::string error;
  for (auto _ : state)
    for (int i = 0; i < kButtons; ++i)
      if (!writer(folder.File(std::to_string(i) + extension), &button, options, error)) state.SkipWithError(error.c_str());
  state.SetItemsProcessed(state.iterations() * kButtons);
}

bool SaveBmp(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options, std::string& error) {
  TSettings settings;
  Bitmap copy = *bitmap;
  BaseImageHost host{&copy, &settings, {}, [&](const std::string& text) { error = text; }};
  SaveBaseImage(host, options, fileName);
  return error.empty();
}

// Octree colours with Floyd-Steinberg dithering.
bool SaveGifQuantized(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
                      std::string& error) {
  ImageWriteOptions gif = options;
  gif.gifColorReduction = 7;
  gif.gifDither = 1;
  return SaveGif(fileName, bitmap, gif, error);
}

void BM_WriteButtonsPng(benchmark::State& state) { WriteButtons(state, SavePng, ".png"); }
void BM_WriteButtonsGif(benchmark::State& state) { WriteButtons(state, SaveGifQuantized, ".gif"); }
void BM_WriteButtonsJpeg(benchmark::State& state) { WriteButtons(state, SaveJpeg, ".jpg"); }
void BM_WriteButtonsBmp(benchmark::State& state) { WriteButtons(state, SaveBmp, ".bmp"); }

void ReadLarge(benchmark::State& state, Writer writer, const char* extension) {
  Folder folder;
  const std::string file = folder.File(std::string("photo") + extension);
  const Bitmap photo = Photo(4000, 3000);
  ImageWriteOptions options;
  options.jpegQuality = 90;
  options.pngCompressionLevel = 6;
  std::string error;
  if (!writer(file, &photo, options, error)) return state.SkipWithError(error.c_str());
  Bitmap target;
  for (auto _ : state) {
    if (!LoadPictureInto(file, &target, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}

void BM_ReadJpeg4000x3000(benchmark::State& state) { ReadLarge(state, SaveJpeg, ".jpg"); }
void BM_ReadPng4000x3000(benchmark::State& state) { ReadLarge(state, SavePng, ".png"); }

}  // namespace

BENCHMARK(BM_WriteButtonsPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteButtonsJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteButtonsBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteButtonsGif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadJpeg4000x3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPng4000x3000)->Unit(benchmark::kMillisecond);
