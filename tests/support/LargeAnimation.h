#pragma once
// A GIF file that is small on disk but large once decoded: many frames of
// width x height pixels whose image data is only a clear code and an end
// code (each frame decodes to pixels of colour 0).

#include <cstdint>
#include <string>

namespace kestrova::test {

inline std::string LargeAnimation(int frames, int width, int height) {
  const auto word = [](int v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
  // Screen, a global table of 4 colours (black, white, red, blue), background 0.
  std::string file = "GIF89a" + word(width) + word(height) + std::string("\x81\0\0", 3) +
                     std::string("\0\0\0\xFF\xFF\xFF\xFF\0\0\0\0\xFF", 12);
  const std::string frame = "," + word(0) + word(0) + word(width) + word(height) + std::string(1, '\0') +
                            std::string("\x02\x01\x2C\0", 4);  // code size 2: clear, end
  for (int i = 0; i < frames; ++i) file += frame;
  return file + ";";
}

}  // namespace kestrova::test
