#pragma once
// A plain widget that runs OnDoubleClick on a double click (the samples and
// pictures of the window), and a filter that gives any widget a double-click
// handler of its own.

#include <QEvent>
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

// Runs the handler, instead of the widget's own reaction, on a double click
// on the widget. Lives as long as the widget.
class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QWidget* widget, std::function<void()> handler) : QObject(widget), handler_(std::move(handler)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return QObject::eventFilter(watched, event);
    handler_();
    return true;
  }

 private:
  std::function<void()> handler_;
};

}  // namespace kestrova::qt
