#include "ui/qt/widgets/WebLabel.h"

#include <QMouseEvent>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

WebLabel::WebLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, ToQColor(0xFF0000));
  setPalette(blue);
  setCursor(Qt::PointingHandCursor);
}

void WebLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) {
    OnClick();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace kestrova::qt
