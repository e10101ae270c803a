#include "ui/qt/widgets/SpokenText.h"

namespace kestrova::qt {

namespace {

constexpr QChar kSoftHyphen(0x00AD);

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// True when the hyphen at `at` ends a line in the middle of a word.
bool BreaksAWord(const QString& text, qsizetype at) {
  return at > 0 && text[at - 1].isLetter() && at + 2 < text.size() && text[at + 1] == QLatin1Char('\n') &&
         text[at + 2].isLetter();
}

}  // namespace

QString SpokenText(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QString spoken;
  spoken.reserve(lines.size());
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QChar c = lines[i];
    if (c == QLatin1Char('-') && BreaksAWord(lines, i)) {
      ++i;  // the line break after it goes too
    } else if (IsLineBreak(c)) {
      if (!spoken.endsWith(QLatin1Char(' '))) spoken += QLatin1Char(' ');
    } else if (c == QLatin1Char('&')) {
      if (i + 1 < lines.size() && lines[i + 1] == QLatin1Char('&')) spoken += lines[++i];
    } else if (c != kSoftHyphen) {
      spoken += c;
    }
  }
  return spoken.trimmed();
}

}  // namespace kestrova::qt
