#pragma once
// What a GIF image needs of a clipboard: data under a format name (the GIF
// file under kGIFClipboardFormat) and a picture for programs that take
// pictures only. The window implements it on its toolkit's clipboard.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rendering/Bitmap.h"

namespace kestrova {

class TGIFClipboard {
 public:
  virtual ~TGIFClipboard() = default;

  // Places the bytes under the format name; false when the clipboard refuses them.
  virtual bool SetData(const std::string& format, std::span<const std::uint8_t> bytes) = 0;
  // Places the picture (offered under kBitmapClipboardFormat).
  virtual void SetBitmap(const Bitmap& picture) = 0;
  // The bytes held under the format name; none when it holds nothing there.
  virtual std::optional<std::vector<std::uint8_t>> Data(const std::string& format) const = 0;
  // The picture held; none when it holds no picture.
  virtual std::optional<Bitmap> Picture() const = 0;
};

}  // namespace kestrova
