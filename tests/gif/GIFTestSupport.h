#pragma once
// Helpers of the GIF tests: building images from colour indexes, saving and
// loading through memory, and decoding with the independent decoders
// (giflib, ImageMagick).

#include <gif_lib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "gif/GIFException.h"
#include "gif/GIFImage.h"

namespace kestrova::test {

using Bytes = std::vector<std::uint8_t>;

// A byte string from byte values.
inline std::string S(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

inline std::string DataPath(const std::string& name) { return std::string(KESTROVA_TEST_DATA) + "/gif/" + name; }

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Adds a frame of the given colour indexes with its own colour table.
inline TGIFSubImage& AddFrame(TGIFImage& image, int left, int top, int width, int height,
                              const std::vector<TColor>& palette, const Bytes& pixels) {
  auto frame = std::make_unique<TGIFSubImage>(&image);
  TGIFSubImage& ref = *frame;
  image.Add(std::move(frame));
  ref.SetBounds(left, top, width, height);
  ref.ColorMap().ImportPalette(palette);
  for (int y = 0; y < height; ++y) std::memcpy(ref.Scanline(y), pixels.data() + y * width, width);
  return ref;
}

inline std::string Save(const TGIFImage& image) {
  std::ostringstream out;
  image.SaveToStream(out);
  return out.str();
}

struct Loaded {
  std::unique_ptr<TGIFImage> image = std::make_unique<TGIFImage>();
  std::vector<std::string> warnings;
};

inline std::unique_ptr<Loaded> Load(const std::string& bytes) {
  auto loaded = std::make_unique<Loaded>();
  loaded->image->OnItemWarning = [w = &loaded->warnings](const void*, int, const std::string& m) {
    w->push_back(m);
  };
  std::istringstream in(bytes);
  loaded->image->LoadFromStream(in);
  return loaded;
}

inline std::string Hex(const std::string& bytes) {
  std::string s;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof(buf), "%02X ", c);
    s += buf;
  }
  return s;
}

// One frame as giflib decodes it.
struct GiflibFrame {
  int left = 0, top = 0, width = 0, height = 0;
  Bytes pixels;
  std::vector<TColor> palette;  // the active colour table
  // From the frame's graphic control extension (giflib's defaults without one).
  bool control = false;
  int disposal = 0, delay = 0, transparent = -1;
};

struct GiflibResult {
  bool ok = false;
  int width = 0, height = 0;
  TColor background = clBlack;  // the global table's background entry (black without one)
  std::vector<GiflibFrame> frames;
};

inline GiflibResult DecodeWithGiflib(const std::string& bytes) {
  struct Source {
    const std::string* bytes;
    std::size_t pos;
  } source{&bytes, 0};
  const InputFunc read = [](GifFileType* gif, GifByteType* buffer, int size) {
    auto* s = static_cast<Source*>(gif->UserData);
    const int n = static_cast<int>(std::min<std::size_t>(size, s->bytes->size() - s->pos));
    std::memcpy(buffer, s->bytes->data() + s->pos, n);
    s->pos += n;
    return n;
  };
  GiflibResult result;
  int error = 0;
  GifFileType* gif = DGifOpen(&source, read, &error);
  if (gif == nullptr) return result;
  result.ok = DGifSlurp(gif) == GIF_OK;
  result.width = gif->SWidth;
  result.height = gif->SHeight;
  if (gif->SColorMap != nullptr && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
    const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
    result.background = RGBColor(c.Red, c.Green, c.Blue);
  }
  for (int i = 0; result.ok && i < gif->ImageCount; ++i) {
    const SavedImage& saved = gif->SavedImages[i];
    GiflibFrame frame;
    frame.left = saved.ImageDesc.Left;
    frame.top = saved.ImageDesc.Top;
    frame.width = saved.ImageDesc.Width;
    frame.height = saved.ImageDesc.Height;
    frame.pixels.assign(saved.RasterBits, saved.RasterBits + frame.width * frame.height);
    const ColorMapObject* map = saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
    for (int c = 0; map != nullptr && c < map->ColorCount; ++c)
      frame.palette.push_back(RGBColor(map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue));
    GraphicsControlBlock control;
    frame.control = DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK;
    if (frame.control) {
      frame.disposal = control.DisposalMode;
      frame.delay = control.DelayTime;
      frame.transparent = control.TransparentColor;
    }
    result.frames.push_back(std::move(frame));
  }
  DGifCloseFile(gif, &error);
  return result;
}

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-gif-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Runs a command and returns what it printed.
inline std::string RunCommand(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// The red, green and blue bytes of one frame of a GIF file as ImageMagick
// decodes it, at the frame's own size.
inline std::string DecodeWithImageMagick(const std::string& path, int frame = 0) {
  return RunCommand("/usr/bin/convert '" + path + "[" + std::to_string(frame) + "]' +repage -depth 8 rgb:- 2>/dev/null");
}

// The red, green and blue bytes of a frame's pixels through its palette.
inline std::string FrameRGB(const TGIFSubImage& frame, const std::vector<TColor>& palette) {
  std::string rgb;
  for (std::uint8_t p : frame.Data()) {
    const TColor c = p < palette.size() ? palette[p] : clBlack;
    rgb += static_cast<char>(RedOf(c));
    rgb += static_cast<char>(GreenOf(c));
    rgb += static_cast<char>(BlueOf(c));
  }
  return rgb;
}

}  // namespace kestrova::test
