#pragma once
// Conversions between the model's values and Qt's: texts (UTF-8 with CR LF
// line breaks), colours (0x00BBGGRR), fonts and bitmaps.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>

#include "rendering/Bitmap.h"
#include "rendering/Color.h"
#include "rendering/Font.h"

namespace kestrova::qt {

// A model text for a widget: UTF-8, each CR LF (or lone CR) as one line break.
QString ToQt(const std::string& text);
// A widget's text for the model: UTF-8 with CR LF line breaks.
std::string FromQt(const QString& text);

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);

// A Qt font with the family, point size and styles of the model's font.
QFont ToQFont(const TFont& font);
// The model's font with the family (as fontconfig names it, without Qt's
// " [Foundry]"), point size and styles of the Qt font; the rest (colour,
// character set, quality) as in `base`.
TFont FromQFont(const QFont& font, TFont base);

// A copy of the bitmap as a 24-bit image (indexed and 32-bit bitmaps converted).
QImage ToQImage(const Bitmap& bitmap);
// A 24-bit bitmap of the image (its alpha dropped).
Bitmap FromQImage(const QImage& image);

}  // namespace kestrova::qt
