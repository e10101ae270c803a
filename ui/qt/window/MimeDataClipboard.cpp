#include "ui/qt/window/MimeDataClipboard.h"

#include <QImage>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

bool MimeDataClipboard::SetData(const std::string& format, std::span<const std::uint8_t> bytes) {
  if (write_ == nullptr) return false;
  write_->setData(QString::fromStdString(format),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  return true;
}

void MimeDataClipboard::SetBitmap(const Bitmap& picture) {
  if (write_ != nullptr) write_->setImageData(ToQImage(picture));
}

std::optional<std::vector<std::uint8_t>> MimeDataClipboard::Data(const std::string& format) const {
  const QString name = QString::fromStdString(format);
  if (!read_.hasFormat(name)) return std::nullopt;
  const QByteArray bytes = read_.data(name);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::optional<Bitmap> MimeDataClipboard::Picture() const {
  if (!read_.hasImage()) return std::nullopt;
  return FromQImage(qvariant_cast<QImage>(read_.imageData()));
}

}  // namespace kestrova::qt
