#include "ui/qt/widgets/ImageBoxView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "ui/qt/widgets/AccessibleFactory.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/FocusFrame.h"
#include "ui/qt/widgets/PlainTexts.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"

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

// The keys that move from image to image.
constexpr int kImageKeys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};

}  // namespace

ImageBoxView::ImageBoxView(TScrollBox& box, QWidget* parent) : ContentScrollArea(parent), box_(box) {
  InstallAccessibleFactory();  // before the binding names the box, which makes its interface
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
    if (current_ >= box_.ImageCount()) current_ = FirstShown(box_.ImageCount() - 1, -1);
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
  if (hasFocus()) DrawFocusMark(p, CurrentInView(), palette());
}

int ImageBoxView::IndexAt(const QPoint& viewportPoint) const {
  const QPoint point = viewportPoint + Offset();
  for (int i = box_.ImageCount() - 1; i >= 0; --i) {
    const TImage& image = box_.Image(i);
    if (image.Visible() && BoundsOf(image).contains(point)) return i;
  }
  return -1;
}

TImage* ImageBoxView::ImageAt(const QPoint& viewportPoint) const {
  const int index = IndexAt(viewportPoint);
  return index >= 0 ? &box_.Image(index) : nullptr;
}

TImage* ImageBoxView::CurrentImage() const {
  if (current_ < 0 || current_ >= box_.ImageCount() || !box_.Image(current_).Visible()) return nullptr;
  return &box_.Image(current_);
}

int ImageBoxView::FirstShown(int from, int step) const {
  for (int i = from; i >= 0 && i < box_.ImageCount(); i += step) {
    if (box_.Image(i).Visible()) return i;
  }
  return -1;
}

int ImageBoxView::FirstInView() const {
  const QRect view = viewport()->rect().translated(Offset());
  for (int i = 0; i < box_.ImageCount(); ++i) {
    const TImage& image = box_.Image(i);
    if (image.Visible() && BoundsOf(image).intersects(view)) return i;
  }
  return FirstShown(0, 1);
}

void ImageBoxView::MakeCurrent(int index) {
  if (index < 0) return;
  current_ = index;
  const QRect bounds = BoundsOf(box_.Image(index));
  const QSize view = viewport()->size();
  // The least scrolling that shows the image (its top left when it is larger than the view).
  const auto scroll = [](QScrollBar* bar, int low, int high, int length) {
    if (high > bar->value() + length) bar->setValue(high - length);
    if (low < bar->value()) bar->setValue(low);
  };
  scroll(horizontalScrollBar(), bounds.left(), bounds.left() + bounds.width(), view.width());
  scroll(verticalScrollBar(), bounds.top(), bounds.top() + bounds.height(), view.height());
  viewport()->update();
  NotifyCurrentItem(this, index);
}

QRect ImageBoxView::CurrentInView() const {
  const QRect view = viewport()->rect();
  const TImage* image = CurrentImage();
  if (image == nullptr) return view;
  const QRect shown = BoundsOf(*image).translated(-Offset()).intersected(view);
  return shown.isEmpty() ? view : shown;
}

QVariant ImageBoxView::inputMethodQuery(Qt::InputMethodQuery query) const {
  // Where a context menu asked for by a key opens.
  if (query == Qt::ImCursorRectangle) return CurrentInView().translated(viewport()->pos());
  return ContentScrollArea::inputMethodQuery(query);
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
  const int index = IndexAt(event->position().toPoint());
  if (index >= 0) MakeCurrent(index);
  if (index >= 0 && event->button() == Qt::LeftButton && OnImageClick) {
    OnImageClick(box_.Image(index));
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
  // Asked for by a key: on the current image, at its place (the event's point
  // is the box's then, not the viewport's).
  const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
  TImage* image = byKey ? CurrentImage() : ImageAt(event->pos());
  if (image != nullptr && OnImageContextMenu) {
    OnImageContextMenu(*image, byKey ? viewport()->mapToGlobal(CurrentInView().center()) : event->globalPos());
    event->accept();
    return;
  }
  QAbstractScrollArea::contextMenuEvent(event);
}

void ImageBoxView::keyPressEvent(QKeyEvent* event) {
  if (syncPending_) Sync();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int last = box_.ImageCount() - 1;
  int to = -1;
  switch (plain ? event->key() : 0) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      to = CurrentImage() != nullptr ? FirstShown(current_ - 1, -1) : FirstInView();
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      to = CurrentImage() != nullptr ? FirstShown(current_ + 1, 1) : FirstInView();
      break;
    case Qt::Key_Home:
      to = FirstShown(0, 1);
      break;
    case Qt::Key_End:
      to = FirstShown(last, -1);
      break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (TImage* image = CurrentImage(); image != nullptr && OnImageClick) {
        OnImageClick(*image);
        return;
      }
      break;
    default:
      break;
  }
  if (to >= 0) {
    MakeCurrent(to);
    return;
  }
  // Past the first or the last image the arrows stay put (they scroll a box without images).
  if (CurrentImage() != nullptr && std::ranges::find(kImageKeys, event->key()) != std::end(kImageKeys)) return;
  QAbstractScrollArea::keyPressEvent(event);
}

void ImageBoxView::focusInEvent(QFocusEvent* event) {
  if (syncPending_) Sync();
  if (CurrentImage() == nullptr) current_ = FirstInView();
  viewport()->update();
  QAbstractScrollArea::focusInEvent(event);
  NotifyCurrentItem(this, current_);
}

QString ImageBoxView::AccessibleItemName(int item) const {
  const TImage& image = box_.Image(item);
  return SpokenText(ToQt(ItemName ? ItemName(image, item) : image.Hint()));
}

bool ImageBoxView::AccessibleItemSelected(int item) const {
  return IsChosen ? IsChosen(box_.Image(item)) : item == AccessibleCurrentItem();
}

int ImageBoxView::AccessibleCurrentItem() const { return CurrentImage() != nullptr ? current_ : -1; }

QRect ImageBoxView::AccessibleItemRect(int item) const {
  const TImage& image = box_.Image(item);
  if (!image.Visible()) return {};
  const QRect shown = BoundsOf(image).translated(-Offset()).intersected(viewport()->rect());
  return shown.isEmpty() ? QRect() : QRect(viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

void ImageBoxView::PressAccessibleItem(int item) {
  if (!box_.Image(item).Visible()) return;
  MakeCurrent(item);
  if (OnImageClick) OnImageClick(box_.Image(item));
}

void ImageBoxView::focusOutEvent(QFocusEvent* event) {
  viewport()->update();
  QAbstractScrollArea::focusOutEvent(event);
}

}  // namespace kestrova::qt
