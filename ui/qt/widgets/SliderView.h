#pragma once
// A slider: QSlider on a TRxSlider (range, value, step, orientation).

#include <QSlider>

#include "ui/model/controls/Slider.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class SliderView : public ControlView {
 public:
  SliderView(TRxSlider& slider, QSlider* widget, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TRxSlider& slider_;
  QSlider* widget_;
};

}  // namespace kestrova::qt
