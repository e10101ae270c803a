#pragma once
// A top-level window fitted onto a screen's available area with its frame
// (title bar and borders): at once with the frame the platform knows, and on
// X11, where the window manager tells the frame only after the window is
// shown, again once it has told it.

#include <QMargins>
#include <QRect>

class QWidget;

namespace kestrova::qt {

class FrameWatch;

// The frame round `window` as far as it is known now, in window pixels: on
// X11, where the manager tells it only once the window is shown, the frame it
// told last for another window (none before it told one).
QMargins KnownFrame(const QWidget& window);

// `rect` fitted with the frame known round `window` now.
QRect FittedWithKnownFrame(const QWidget& window, const QRect& rect);

// On X11: a watch (going with the window) that fits `rect` with the frame the
// manager tells and moves the window there when that differs from `rect`,
// unless the window is maximised by then. Elsewhere nullptr.
FrameWatch* FitWhenFrameTold(QWidget& window, const QRect& rect);

// The same for a window at `rect` that is to lie centred on `area` with the
// frame the manager tells.
FrameWatch* CentreWhenFrameTold(QWidget& window, const QRect& rect, const QRect& area);

}  // namespace kestrova::qt
