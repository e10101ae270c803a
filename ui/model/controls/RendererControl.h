#pragma once
// A renderer shown as a control of the window (the effect and gradient
// samples): the renderer's properties plus the control's name, bounds and
// texts. Every property change of the renderer tells the view to repaint.

#include "rendering/Buttonizer.h"
#include "rendering/GradientImage.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

template <class Renderer>
class TRendererControl : public TControl, public Renderer {
 public:
  TRendererControl(TControlOwner* owner, std::string name, std::string parent)
      : TControl(owner, std::move(name), std::move(parent)) {
    Renderer::OnChange = [this] { TControl::Changed(); };
  }

  // Asks the view to repaint the sample.
  void Invalidate() { TControl::Changed(); }
};

using TButtonizerControl = TRendererControl<TButtonizer>;
using TGradientImageControl = TRendererControl<TGradientImage>;

}  // namespace kestrova
