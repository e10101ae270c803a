#pragma once
// The scroll area around the option pages: it asks for the whole panel (its
// height as the model sets it, its width as the pages need) and, in a window
// too small for that, shows the part that fits with scroll bars instead of
// cutting the pages off.

#include <QScrollArea>

namespace kestrova::qt {

class PagesScrollArea : public QScrollArea {
 public:
  // `panel` becomes the area's content.
  PagesScrollArea(QWidget* panel, QWidget* parent);

  // The width that shows the pages' whole width at the area's present height
  // (with the vertical scroll bar when the height is too small for them).
  int WholeWidth() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrova::qt
