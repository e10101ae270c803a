#pragma once
// The clipboard as a GIF image sees it, on the data the window's clipboard
// holds: the GIF file under its media type, the picture as the clipboard's image.

#include <QMimeData>

#include "gif/GIFClipboard.h"

namespace kestrova::qt {

class MimeDataClipboard : public TGIFClipboard {
 public:
  // Data to fill (for a copy).
  explicit MimeDataClipboard(QMimeData& data) : read_(data), write_(&data) {}
  // Data to read only (what the clipboard holds): it refuses what is put on it.
  explicit MimeDataClipboard(const QMimeData& data) : read_(data), write_(nullptr) {}

  bool SetData(const std::string& format, std::span<const std::uint8_t> bytes) override;
  void SetBitmap(const Bitmap& picture) override;
  std::optional<std::vector<std::uint8_t>> Data(const std::string& format) const override;
  std::optional<Bitmap> Picture() const override;

 private:
  const QMimeData& read_;
  QMimeData* write_;
};

}  // namespace kestrova::qt
