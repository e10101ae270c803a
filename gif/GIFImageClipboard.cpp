// A GIF image to and from the clipboard.

#include <sstream>

#include "gif/GIFClipboard.h"
#include "gif/GIFFormat.h"
#include "gif/GIFImage.h"
#include "gif/GIFSupport.h"

namespace kestrova {

void TGIFImage::SaveToClipboardFormat(TGIFClipboard& clipboard) {
  if (Empty()) return;
  if (const Bitmap* picture = GetBitmap()) clipboard.SetBitmap(*picture);
  std::ostringstream file;
  SaveToStream(file);
  const std::string bytes = std::move(file).str();
  if (!clipboard.SetData(kGIFClipboardFormat,
                         std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())))
    RaiseGIFError("Failed to store GIF on clipboard");
}

void TGIFImage::LoadFromClipboardFormat(const TGIFClipboard& clipboard, const std::string& format) {
  if (format == kGIFClipboardFormat) {
    const std::vector<std::uint8_t> bytes = clipboard.Data(format).value_or(std::vector<std::uint8_t>());
    std::istringstream file(std::string(bytes.begin(), bytes.end()));
    LoadFromStream(file);
  } else if (format == kBitmapClipboardFormat) {
    const std::optional<Bitmap> picture = clipboard.Picture();
    if (picture) {
      Assign(*picture);
    } else {
      Clear();
    }
  } else {
    RaiseGIFError("Unsupported clipboard format");
  }
}

}  // namespace kestrova
