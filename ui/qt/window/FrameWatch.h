#pragma once
// Waits for the window manager to tell the size of a window's frame (title bar
// and borders): it tells it only once it has taken the shown window into its
// care, after the first show. Runs a step then, once, and goes. Without a
// window manager the frame stays unknown and the step never runs.

#include <QObject>
#include <functional>

class QWindow;

namespace kestrova::qt {

class FrameWatch : public QObject {
 public:
  // Watches `window` (and goes with it); `known` runs once its frame is known.
  FrameWatch(QWindow* window, std::function<void()> known);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWindow* window_;
  std::function<void()> known_;
};

}  // namespace kestrova::qt
