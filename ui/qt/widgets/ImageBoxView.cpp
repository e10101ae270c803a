#include "ui/qt/widgets/ImageBoxView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/PlainTexts.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

// The box's own state (enabled, hint, visible) and its list of images.
class ScrollBoxBinding : public ControlView {
 public:
  ScrollBoxBinding(TScrollBox& box, ImageBoxView* view)
      : ControlView(box, view, Placement::Managed), view_(view) {
    Mirror();
  }

 protected:
  void MirrorValue() override { view_->ScheduleSync(true); }

 private:
  ImageBoxView* view_;
};

namespace {

QRect BoundsOf(const TImage& image) { return QRect(image.Left(), image.Top(), image.Width(), image.Height()); }

}  // namespace

ImageBoxView::ImageBoxView(TScrollBox& box, QWidget* parent) : ContentScrollArea(parent), box_(box) {
  new ScrollBoxBinding(box, this);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(true);
  Sync();
}

ImageBoxView::~ImageBoxView() {
  for (int i = 0; i < box_.ImageCount(); ++i) box_.Image(i).SetViewListener(nullptr);
}

void ImageBoxView::ScheduleSync(bool imagesChanged) {
  imagesChanged_ = imagesChanged_ || imagesChanged;
  if (syncPending_) return;
  syncPending_ = true;
  QTimer::singleShot(0, this, [this] { Sync(); });
}

void ImageBoxView::Sync() {
  syncPending_ = false;
  if (imagesChanged_) {
    imagesChanged_ = false;
    pictures_.clear();
    for (int i = 0; i < box_.ImageCount(); ++i) {
      TImage* image = &box_.Image(i);
      image->SetViewListener([this, image] {
        pictures_.erase(image);
        ScheduleSync(false);
      });
    }
  }
  QSize content;
  for (int i = 0; i < box_.ImageCount(); ++i) {
    const TImage& image = box_.Image(i);
    if (!image.Visible()) continue;
    content = content.expandedTo(QSize(image.Left() + image.Width(), image.Top() + image.Height()));
  }
  SetContentSize(content);
}

QSize ImageBoxView::ContentSize() {
  if (syncPending_) Sync();
  return ContentArea();
}

const QImage& ImageBoxView::PictureOf(const TImage& image) {
  auto found = pictures_.find(&image);
  if (found == pictures_.end()) found = pictures_.emplace(&image, ToQImage(image.Picture())).first;
  return found->second;
}

void ImageBoxView::paintEvent(QPaintEvent* event) {
  if (syncPending_) Sync();
  QPainter p(viewport());
  const QPoint offset = Offset();
  const QRect visible = event->rect().translated(offset);
  std::unordered_map<const TImage*, QImage> drawn;
  for (int i = 0; i < box_.ImageCount(); ++i) {
    const TImage& image = box_.Image(i);
    const QRect bounds = BoundsOf(image);
    if (!image.Visible() || !bounds.intersects(visible)) continue;
    const QImage& picture = PictureOf(image);
    const QRect target = bounds.translated(-offset);
    if (image.Stretch()) {
      p.drawImage(target, picture);
    } else {
      p.drawImage(target.topLeft(), picture, QRect(0, 0, bounds.width(), bounds.height()));
    }
    drawn.emplace(&image, picture);
  }
  pictures_.swap(drawn);
}

TImage* ImageBoxView::ImageAt(const QPoint& viewportPoint) const {
  const QPoint point = viewportPoint + Offset();
  for (int i = box_.ImageCount() - 1; i >= 0; --i) {
    TImage& image = box_.Image(i);
    if (image.Visible() && BoundsOf(image).contains(point)) return &image;
  }
  return nullptr;
}

std::string ImageBoxView::HintAt(const QPoint& viewportPoint) const {
  const TImage* image = ImageAt(viewportPoint);
  return image != nullptr ? image->Hint() : box_.Hint();
}

bool ImageBoxView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = ToQt(HintAt(help->pos()));
    if (hint.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), PlainToolTip(hint), viewport());
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void ImageBoxView::mousePressEvent(QMouseEvent* event) {
  TImage* image = ImageAt(event->position().toPoint());
  if (image != nullptr && event->button() == Qt::LeftButton && OnImageClick) {
    OnImageClick(*image);
    return;
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void ImageBoxView::mouseMoveEvent(QMouseEvent* event) {
  const std::string hint = HintAt(event->position().toPoint());
  if (hint != lastHint_) {
    lastHint_ = hint;
    if (OnHint) OnHint(hint);
  }
  QAbstractScrollArea::mouseMoveEvent(event);
}

void ImageBoxView::contextMenuEvent(QContextMenuEvent* event) {
  TImage* image = ImageAt(event->pos());
  if (image != nullptr && OnImageContextMenu) {
    OnImageContextMenu(*image, event->globalPos());
    event->accept();
    return;
  }
  QAbstractScrollArea::contextMenuEvent(event);
}

}  // namespace kestrova::qt
