#pragma once
// A colour button: a QPushButton on a TColorBitBtn, its caption beside the
// colour swatch, redrawn whenever the colour, the glyph size or the button's
// face colour changes. A click runs the button's click handler (which asks
// for a colour).

#include <QPushButton>

#include "ui/model/controls/ColorButton.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class ColorButtonView : public ControlView {
 public:
  ColorButtonView(TColorBitBtn& button, QPushButton* push, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;
  void MirrorBounds() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateGlyph();

  TColorBitBtn& button_;
  QPushButton* push_;
  qint64 shownKey_ = -1;
};

}  // namespace kestrova::qt
