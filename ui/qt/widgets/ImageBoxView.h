#pragma once
// A scroll box of pictures (the output panel with the previews, the icon
// palette): a scroll area that draws the box's images at their bounds, only
// those in view, straight from their bitmaps. One widget for all images keeps
// ten thousand previews as quick to lay out and scroll as ten.
//
// Each image's hint is its tool tip and goes to OnHint when the mouse moves
// onto it (the box's own hint between images); a click on an image goes to
// OnImageClick, a request for a context menu on an image to OnImageContextMenu.
//
// From the keyboard: the box is one Tab stop; one of its images is the
// current one (the first in view when the box takes the focus, then the one
// clicked or walked to), framed by the focus mark while the box has the focus
// (the whole box is framed when it holds no image). The arrow keys, Home and
// End make another one current and bring it into view, Space and Enter click
// it, and the context-menu keys ask for its context menu, at its place.
//
// To screen readers the box is a list of its images (AccessibleItemList):
// each named by ItemName (its hint when that is not set), the current one
// focused, the chosen one (IsChosen, else the current one) selected; pressing
// one makes it current and clicks it.

#include <QImage>
#include <QVariant>
#include <functional>
#include <string>
#include <unordered_map>

#include "ui/model/controls/ScrollBox.h"
#include "ui/qt/widgets/AccessibleItemList.h"
#include "ui/qt/widgets/ContentScrollArea.h"

namespace kestrova::qt {

class ImageBoxView : public ContentScrollArea, public AccessibleItemSource {
 public:
  ImageBoxView(TScrollBox& box, QWidget* parent = nullptr);
  ~ImageBoxView() override;

  // The topmost image at a point of the viewport, or nullptr.
  TImage* ImageAt(const QPoint& viewportPoint) const;
  // The size of the area the images take (their right and bottom edges).
  QSize ContentSize();
  // Brings the drawing up to date with the box's images now (it happens by
  // itself once the current event is handled).
  void Sync();

  // The cursor rectangle is the current image's place in view.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  std::function<void(const std::string& hint)> OnHint;
  std::function<void(TImage& image)> OnImageClick;
  std::function<void(TImage& image, const QPoint& globalPos)> OnImageContextMenu;
  std::function<std::string(const TImage& image, int index)> ItemName;
  std::function<bool(const TImage& image)> IsChosen;

  int AccessibleItemCount() const override { return box_.ImageCount(); }
  QString AccessibleItemName(int item) const override;
  bool AccessibleItemSelected(int item) const override;
  int AccessibleCurrentItem() const override;
  QRect AccessibleItemRect(int item) const override;
  void PressAccessibleItem(int item) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class ScrollBoxBinding;
  // The box or one of its images changed; sync after the current event.
  void ScheduleSync(bool imagesChanged);
  const QImage& PictureOf(const TImage& image);
  std::string HintAt(const QPoint& viewportPoint) const;
  // The current image (see above), or nullptr.
  TImage* CurrentImage() const;
  int IndexAt(const QPoint& viewportPoint) const;
  // The first shown image from `from` on in the box's order (`step` 1) or
  // back (`step` -1); -1 when there is none.
  int FirstShown(int from, int step) const;
  // The first shown image in view, else the first shown one.
  int FirstInView() const;
  // Makes the image current, scrolled into view.
  void MakeCurrent(int index);
  // The part of the viewport the focus mark frames: the current image's place
  // (the part in view), the whole viewport when there is none.
  QRect CurrentInView() const;

  TScrollBox& box_;
  int current_ = -1;
  bool syncPending_ = false;
  bool imagesChanged_ = true;
  // Pictures of the images drawn last; rebuilt on every paint, so that only
  // what is in view is kept.
  std::unordered_map<const TImage*, QImage> pictures_;
  std::string lastHint_;
};

}  // namespace kestrova::qt
