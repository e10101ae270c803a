#include "ui/qt/window/FlagIcons.h"

#include <QPainter>
#include <QPixmap>

namespace kestrova::qt {

namespace {

// Horizontal (or vertical) bands of the given colours and relative sizes.
void Bands(QPainter& p, const QRect& r, std::initializer_list<std::pair<QColor, int>> bands, bool vertical) {
  int total = 0;
  for (const auto& band : bands) total += band.second;
  int done = 0;
  for (const auto& [colour, share] : bands) {
    const int length = vertical ? r.width() : r.height();
    const int from = length * done / total, to = length * (done + share) / total;
    const QRect part = vertical ? QRect(r.left() + from, r.top(), to - from, r.height())
                                : QRect(r.left(), r.top() + from, r.width(), to - from);
    p.fillRect(part, colour);
    done += share;
  }
}

void UnionFlag(QPainter& p, const QRect& r) {
  const QColor blue(1, 33, 105), red(200, 16, 46);
  p.fillRect(r, blue);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, r.height() / 5.0));
  p.drawLine(r.topLeft(), r.bottomRight() + QPoint(1, 1));
  p.drawLine(r.bottomLeft() + QPoint(0, 1), r.topRight() + QPoint(1, 0));
  p.setPen(QPen(red, r.height() / 12.0));
  p.drawLine(r.topLeft(), r.bottomRight() + QPoint(1, 1));
  p.drawLine(r.bottomLeft() + QPoint(0, 1), r.topRight() + QPoint(1, 0));
  p.setRenderHint(QPainter::Antialiasing, false);
  const QPoint c = r.center();
  const int white = std::max(2, r.height() / 3), inner = std::max(1, r.height() / 5);
  p.fillRect(QRect(r.left(), c.y() - white / 2, r.width(), white), Qt::white);
  p.fillRect(QRect(c.x() - white / 2, r.top(), white, r.height()), Qt::white);
  p.fillRect(QRect(r.left(), c.y() - inner / 2, r.width(), inner), red);
  p.fillRect(QRect(c.x() - inner / 2, r.top(), inner, r.height()), red);
}

}  // namespace

QIcon FlagIcon(TLanguage language, int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  const QRect flag(1, 1, width - 2, height - 2);
  switch (language) {
    case lgEnglish: UnionFlag(p, flag); break;
    case lgPolish: Bands(p, flag, {{Qt::white, 1}, {QColor(220, 20, 60), 1}}, false); break;
    case lgGerman: Bands(p, flag, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}}, false); break;
    case lgSpanish:
      Bands(p, flag, {{QColor(170, 21, 27), 1}, {QColor(241, 191, 0), 2}, {QColor(170, 21, 27), 1}}, false);
      break;
    case lgItalian:
      Bands(p, flag, {{QColor(0, 146, 70), 1}, {Qt::white, 1}, {QColor(206, 43, 55), 1}}, true);
      break;
  }
  p.setPen(QColor(96, 96, 96));
  p.drawRect(flag.adjusted(-1, -1, 0, 0));
  return QIcon(pixmap);
}

}  // namespace kestrova::qt
