#pragma once
// A plain widget that runs OnDoubleClick on a double click (the samples and
// pictures of the window).

#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace kestrova::qt {

class DoubleClickWidget : public QWidget {
 public:
  using QWidget::QWidget;

  std::function<void()> OnDoubleClick;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (OnDoubleClick) {
      OnDoubleClick();
    } else {
      QWidget::mouseDoubleClickEvent(event);
    }
  }
};

}  // namespace kestrova::qt
