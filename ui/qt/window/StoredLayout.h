#pragma once
// The window's stored layout: where each control that the window does not make
// at run time sits in its page, group box or panel, and what kind of widget a
// caption-only control (page, group box, panel, label) is. The run-time
// controls keep the bounds the model gives them; the layout is built around
// them. A width of 0 sizes a control to its caption.

#include <optional>
#include <span>
#include <string_view>

#include "ui/model/controls/Control.h"

namespace kestrova::qt {

enum class LayoutKind {
  Control,     // the control's own kind of widget
  Label,       // a caption
  RightLabel,  // a caption right-aligned in its bounds (before the field it names)
  Group,       // a group box
  Panel,       // a plain panel
  Page,        // a page of a page control
};

struct LayoutEntry {
  std::string_view name;
  LayoutKind kind;
  TBounds bounds;
  int columns = 1;  // radio groups: columns of items
};

std::span<const LayoutEntry> StoredLayout();
// The entry of the control of that name, if the layout has one.
std::optional<LayoutEntry> FindLayout(std::string_view name);

// Fixed sizes of the window's frame parts.
inline constexpr int kPanelMainWidth = 545;
inline constexpr int kCollapseBarHeight = 10;
inline constexpr int kStatusPanelWidth = 300;

}  // namespace kestrova::qt
