#include "ui/qt/widgets/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

ImageWidget::ImageWidget(TImage& image, QWidget* parent) : DoubleClickWidget(parent), image_(image) {}

void ImageWidget::PictureChanged() {
  stale_ = true;
  update();
}

QSize ImageWidget::sizeHint() const { return QSize(image_.Picture().Width(), image_.Picture().Height()); }

void ImageWidget::paintEvent(QPaintEvent*) {
  if (stale_) {
    picture_ = ToQImage(image_.Picture());
    stale_ = false;
  }
  if (picture_.isNull()) return;
  QPainter p(this);
  if (image_.Stretch()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
  } else {
    p.drawImage(0, 0, picture_);
  }
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) {
    QPoint at = event->position().toPoint();
    // A stretched picture is pressed in widget pixels: scale them to the picture's.
    const Bitmap& picture = image_.Picture();
    if (image_.Stretch() && width() > 0 && height() > 0) {
      at = QPoint(at.x() * picture.Width() / width(), at.y() * picture.Height() / height());
    }
    OnMouseDown(at.x(), at.y());
  }
  DoubleClickWidget::mousePressEvent(event);
}

ImageView::ImageView(TImage& image, ImageWidget* widget, Placement placement)
    : ControlView(image, widget, placement), widget_(widget), placement_(placement) {
  Mirror();
}

void ImageView::MirrorValue() {
  widget_->PictureChanged();
  const TControl& image = Control();
  if (placement_ == Placement::Layout && widget_->size() != QSize(image.Width(), image.Height())) {
    widget_->resize(image.Width(), image.Height());
  }
}

}  // namespace kestrova::qt
