#pragma once
// The frame (title bar and borders) that an X11 window manager puts round a
// window, as the manager itself tells it in the window's _NET_FRAME_EXTENTS
// property: it sets it only once it has taken the shown window into its care.
// Qt's own frame margins cannot stand in for it then: Qt works them out from
// the window's geometry as it last heard it, which at that moment may still be
// an earlier one, and keeps what it found.
//
// A FrameWatch reads the property as soon as it is set (at once when it is
// set already), hands the frame on once and goes. The frame told last is kept:
// the manager frames the program's other windows alike, so it tells what a
// window about to be shown will most likely get.

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

class QWindow;

namespace kestrova::qt {

class FrameWatch : public QObject, public QAbstractNativeEventFilter {
 public:
  // True on an X11 display, where the manager tells frames this way.
  static bool Available();
  // The frame told last to any watch, in screen pixels (none before the first).
  static std::optional<QMargins> LastTold();
  // Whether the manager holds `window` maximised now, as the display says.
  static bool MaximisedNow(const QWindow& window);

  // Hands on the frame the manager has told once, or each frame it tells
  // from now on (the one it has told already first) for as long as the watch
  // lives: the manager tells a window brought back from maximised its normal
  // frame some time around the window's hearing its new place.
  enum class TTelling { Once, Each };

  // Watches `window` (and goes with it); `known` gets the frame in screen
  // pixels when the manager has told it. Only where Available().
  FrameWatch(QWindow* window, std::function<void(const QMargins&)> known, TTelling telling = TTelling::Once);
  ~FrameWatch() override;
  FrameWatch(const FrameWatch&) = delete;
  FrameWatch& operator=(const FrameWatch&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  // Hands the frame on when the property holds one.
  void ReadFrame();

  QWindow* window_;
  std::uint32_t atom_ = 0;
  std::function<void(const QMargins&)> known_;
  TTelling telling_;
};

}  // namespace kestrova::qt
