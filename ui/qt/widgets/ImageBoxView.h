#pragma once
// A scroll box of pictures (the output panel with the previews, the icon
// palette): a scroll area that draws the box's images at their bounds, only
// those in view, straight from their bitmaps. One widget for all images keeps
// ten thousand previews as quick to lay out and scroll as ten.
//
// Each image's hint is its tool tip and goes to OnHint when the mouse moves
// onto it (the box's own hint between images); a click on an image goes to
// OnImageClick, a request for a context menu on an image to OnImageContextMenu.

#include <QImage>
#include <functional>
#include <string>
#include <unordered_map>

#include "ui/model/controls/ScrollBox.h"
#include "ui/qt/widgets/ContentScrollArea.h"

namespace kestrova::qt {

class ImageBoxView : public ContentScrollArea {
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

  std::function<void(const std::string& hint)> OnHint;
  std::function<void(TImage& image)> OnImageClick;
  std::function<void(TImage& image, const QPoint& globalPos)> OnImageContextMenu;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class ScrollBoxBinding;
  // The box or one of its images changed; sync after the current event.
  void ScheduleSync(bool imagesChanged);
  const QImage& PictureOf(const TImage& image);
  std::string HintAt(const QPoint& viewportPoint) const;

  TScrollBox& box_;
  bool syncPending_ = false;
  bool imagesChanged_ = true;
  // Pictures of the images drawn last; rebuilt on every paint, so that only
  // what is in view is kept.
  std::unordered_map<const TImage*, QImage> pictures_;
  std::string lastHint_;
};

}  // namespace kestrova::qt
