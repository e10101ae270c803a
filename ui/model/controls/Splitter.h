#pragma once
// A splitter between two panels, drawn in a colour of its own.

#include "rendering/Color.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

class TSplitter : public TControl {
 public:
  using TControl::TControl;

  TColor Color() const { return color_; }
  void SetColor(TColor c) { Store(color_, c); }

 private:
  TColor color_ = 0;
};

}  // namespace kestrova
