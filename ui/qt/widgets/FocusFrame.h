#pragma once
// The focus mark of the widgets that draw none of their own (the box of the
// base image, the previews of the output panel, the icons of the palette, the
// web link): a frame in the palette's highlight colour, lined inside with its
// base colour, so that it shows on dark and light pictures alike.

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace kestrova::qt {

// Draws the mark along the inside of `rect`.
void DrawFocusMark(QPainter& painter, const QRect& rect, const QPalette& palette);

// The mark over the whole of `target` (above its children) while it has the
// keyboard focus.
class FocusFrame : public QWidget {
 public:
  explicit FocusFrame(QWidget* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* target_;
};

}  // namespace kestrova::qt
