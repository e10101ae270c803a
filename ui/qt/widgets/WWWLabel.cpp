#include "ui/qt/widgets/WWWLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "ui/qt/widgets/AccessibleFactory.h"
#include "ui/qt/widgets/FocusFrame.h"
#include "ui/qt/widgets/WebLinks.h"

namespace kestrova::qt {

WWWLabel::WWWLabel(QWidget* parent) : QLabel(parent) {
  InstallAccessibleFactory();
  setTextFormat(Qt::PlainText);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(p);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void WWWLabel::Open() {
  if (OnClick) {
    OnClick();
  } else {
    OpenURL(URL.toStdString());
  }
}

void WWWLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Open();
}

void WWWLabel::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int key = event->key();
  if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    Open();
    return;
  }
  QLabel::keyPressEvent(event);
}

void WWWLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // Around the text, a little clear of it.
  const QRect text = style()->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), this->text());
  QPainter painter(this);
  DrawFocusMark(painter, text.adjusted(-4, -2, 4, 2).intersected(rect()), palette());
}

}  // namespace kestrova::qt
