#pragma once
// The screens' available areas (the parts their panels leave free) and a
// window's frame, in window pixels, for bringing the main window and the
// dialogs onto a screen.

#include <QMargins>
#include <QRect>
#include <optional>

#include "ui/model/form/FormStorage.h"

class QWindow;

namespace kestrova::qt {

// A window rectangle on the available area of the screen that holds most of
// `placed` (the primary screen's when none does); `preferred` is the size of a
// window without a placement.
QRect FitOnAScreen(const std::optional<TWindowPlacement>& placed, const QSize& preferred);

// The available area of the screen that holds most of `placed` (the primary
// screen's when none does), in window pixels.
QRect AvailableAreaOf(const QRect& placed);

// The window rectangle `client` moved and shrunk as far as needed for it with
// `frame` round it (both in window pixels) to lie on a screen's available area.
QRect FitWithFrame(const QRect& client, const QMargins& frame);

// The window rectangle of a window of `size` with `frame` round it (both in
// window pixels) centred on `area`: made no larger than the area leaves room
// for, and inside it.
QRect CentreWithFrame(const QSize& size, const QMargins& frame, const QRect& area);
// The same for a frame told in screen pixels, at the scale the window is
// drawn at: centred on its sides as they are, which may end within a window
// pixel, and inside the area with the whole window pixels they touch.
QRect CentreWithToldFrame(const QSize& size, const QMargins& told, qreal scale, const QRect& area);

// The frame the platform knows round `window` (none before the window manager
// told it), in window pixels, wide enough that a frame fitted into an area
// ends inside it in screen pixels.
QMargins FrameOf(const QWindow& window);
// The same for a frame told in screen pixels, at the scale the window is drawn at.
QMargins FrameInWindowPixels(const QMargins& screenPixels, qreal scale);

}  // namespace kestrova::qt
