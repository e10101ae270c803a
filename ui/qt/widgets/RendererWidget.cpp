#include "ui/qt/widgets/RendererWidget.h"

#include <QPainter>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

RendererWidget::RendererWidget(Painter painter, QWidget* parent) : DoubleClickWidget(parent), painter_(std::move(painter)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RendererWidget::Invalidate() {
  stale_ = true;
  update();
}

void RendererWidget::Render() {
  if (!stale_ && picture_.size() == size()) return;
  stale_ = false;
  if (width() <= 0 || height() <= 0) {
    picture_ = QImage();
    return;
  }
  Bitmap bitmap(width(), height(), PixelFormat::pf24bit);
  bitmap.Fill(FromQColor(palette().color(QPalette::Window)));
  TCanvas canvas(bitmap);
  painter_(canvas, width(), height());
  picture_ = ToQImage(bitmap);
}

void RendererWidget::paintEvent(QPaintEvent*) {
  Render();
  QPainter p(this);
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}


RendererView::RendererView(TControl& control, RendererWidget* widget, Placement placement)
    : ControlView(control, widget, placement), widget_(widget) {
  Mirror();
}

void RendererView::MirrorValue() { widget_->Invalidate(); }

}  // namespace kestrova::qt
