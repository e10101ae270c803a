#pragma once
// Bringing the window onto a screen: the stored placement (or, without one, a
// window of the preferred size) fitted into the available area of a screen,
// the part its panels leave free. The stored numbers may be anything the
// window store holds, so every sum is taken in 64 bits.

#include <optional>
#include <span>

#include "ui/model/controls/Control.h"
#include "ui/model/form/FormStorage.h"

namespace kestrova {

// The index of the area that holds the largest part of the stored placement's
// rectangle; 0 (the primary screen's area) when it lies on none, or when there
// is no placement of positive size.
std::size_t ScreenOfPlacement(const std::optional<TWindowPlacement>& stored, std::span<const TBounds> areas);

// The window's normal rectangle in `available`: the stored one when it has a
// positive size, else one of the preferred size centred on the area; no wider
// or taller than the area and moved only as far as needed to lie inside it.
// An empty area counts as one of the preferred size at 0,0.
TBounds FitOnScreen(const std::optional<TWindowPlacement>& stored, const TBounds& available, int preferredWidth,
                    int preferredHeight);

}  // namespace kestrova
