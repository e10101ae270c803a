#include "ui/qt/widgets/QtText.h"

#include <cstring>

#include "rendering/FontFamilyName.h"

namespace kestrova::qt {

QString ToQt(const std::string& text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

std::string FromQt(const QString& text) {
  QString s = text;
  s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  s.replace(QLatin1String("\n"), QLatin1String("\r\n"));
  return s.toStdString();
}

QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

TColor FromQColor(const QColor& c) {
  return RGBColor(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()), static_cast<unsigned>(c.blue()));
}

QFont ToQFont(const TFont& font) {
  QFont f(QString::fromStdString(font.name));
  f.setPointSize(font.size > 0 ? font.size : 1);
  f.setBold((font.style & fsBold) != 0);
  f.setItalic((font.style & fsItalic) != 0);
  f.setUnderline((font.style & fsUnderline) != 0);
  f.setStrikeOut((font.style & fsStrikeOut) != 0);
  return f;
}

TFont FromQFont(const QFont& font, TFont base) {
  // A family that two foundries make is "Family [Foundry]" in Qt; fontconfig
  // names it without the foundry.
  base.name = SplitFoundry(font.family().toStdString()).family;
  const int points = font.pointSize() > 0 ? font.pointSize() : (font.pixelSize() * 72 + 48) / 96;
  base.size = points > 0 ? points : 1;
  base.style = static_cast<TFontStyles>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                                        (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
  return base;
}

QImage ToQImage(const Bitmap& bitmap) {
  if (bitmap.Empty()) return QImage();
  if (bitmap.Format() != PixelFormat::pf24bit) return ToQImage(bitmap.Converted(PixelFormat::pf24bit));
  // Rows of both are padded to 4 bytes, so the rows can be taken as they are.
  const QImage view(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_BGR888);
  return view.convertToFormat(QImage::Format_RGB32);
}

Bitmap FromQImage(const QImage& image) {
  if (image.isNull()) return Bitmap();
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  Bitmap bitmap(bgr.width(), bgr.height());
  const std::size_t rowBytes = static_cast<std::size_t>(bgr.width()) * 3;
  for (int y = 0; y < bgr.height(); ++y) std::memcpy(bitmap.ScanLine(y), bgr.constScanLine(y), rowBytes);
  return bitmap;
}

}  // namespace kestrova::qt
