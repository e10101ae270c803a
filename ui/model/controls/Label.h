#pragma once
// A text label (also a group box, panel or tab sheet, which show only a caption)
// with its own font.

#include "rendering/Font.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

class TLabel : public TControl {
 public:
  using TControl::TControl;

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { Store(font_, font); }

 private:
  TFont font_;
};

// Containers show only a caption (and, for a group box, a font).
using TGroupBox = TLabel;
using TPanel = TLabel;
using TTabSheet = TLabel;

}  // namespace kestrova
