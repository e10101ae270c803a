#pragma once
// The screens' available areas (the parts their panels leave free) and a
// window's frame, in window pixels, for bringing the main window onto a screen.

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

// The frame the window manager put round `window` (none before it told it),
// wide enough that a frame fitted into an area ends inside it in screen pixels.
QMargins FrameOf(const QWindow& window);

}  // namespace kestrova::qt
