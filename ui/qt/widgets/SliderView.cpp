#include "ui/qt/widgets/SliderView.h"

#include <algorithm>

namespace kestrova::qt {

SliderView::SliderView(TRxSlider& slider, QSlider* widget, Placement placement)
    : ControlView(slider, widget, placement), slider_(slider), widget_(widget) {
  widget_->setTickPosition(QSlider::TicksBelow);
  connect(widget_, &QSlider::valueChanged, this, [this](int value) { Edit([&] { slider_.SetValue(value); }); });
  Mirror();
}

void SliderView::MirrorValue() {
  const Qt::Orientation orientation = slider_.Vertical() ? Qt::Vertical : Qt::Horizontal;
  if (widget_->orientation() != orientation) widget_->setOrientation(orientation);
  // A vertical slider has its minimum at the top, as the model's does.
  widget_->setInvertedAppearance(slider_.Vertical());
  const int high = std::max(slider_.MinValue(), slider_.MaxValue());
  if (widget_->minimum() != slider_.MinValue() || widget_->maximum() != high) {
    widget_->setRange(slider_.MinValue(), high);
  }
  const int step = std::max(1, slider_.Increment());
  if (widget_->singleStep() != step) {
    widget_->setSingleStep(step);
    widget_->setPageStep(step);
    widget_->setTickInterval(step * 2);
  }
  if (widget_->value() != slider_.Value()) widget_->setValue(slider_.Value());
}

}  // namespace kestrova::qt
