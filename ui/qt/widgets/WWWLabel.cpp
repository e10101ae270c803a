#include "ui/qt/widgets/WWWLabel.h"

#include <QMouseEvent>

#include "ui/qt/widgets/WebLinks.h"

namespace kestrova::qt {

WWWLabel::WWWLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(p);
  setCursor(Qt::PointingHandCursor);
}

void WWWLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (OnClick) {
    OnClick();
  } else {
    OpenURL(URL.toStdString());
  }
}

}  // namespace kestrova::qt
