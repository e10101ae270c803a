#pragma once
// A widget that shows what a renderer paints at the widget's size (the effect
// and gradient samples, and their enlarged copies). The picture is painted
// again after Invalidate or a change of size, and kept in between.

#include <QImage>
#include <QWidget>
#include <functional>

#include "rendering/Canvas.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/DoubleClickWidget.h"

namespace kestrova::qt {

class RendererWidget : public DoubleClickWidget {
 public:
  using Painter = std::function<void(TCanvas& canvas, int w, int h)>;

  RendererWidget(Painter painter, QWidget* parent = nullptr);

  // Paints the picture again at the next repaint.
  void Invalidate();

  // The picture as last painted (empty before the first paint).
  const QImage& Picture() const { return picture_; }
  // Paints the picture now if it is out of date.
  void Render();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter painter_;
  QImage picture_;
  bool stale_ = true;
};

// Binds a renderer control (bounds, enabled state, hint) to its widget; every
// change of the control paints the sample again.
class RendererView : public ControlView {
 public:
  RendererView(TControl& control, RendererWidget* widget, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  RendererWidget* widget_;
};

}  // namespace kestrova::qt
