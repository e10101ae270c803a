#pragma once
// A picture: a widget on a TImage that paints the image's bitmap at its top
// left (or scaled to the widget when the image stretches) and takes the
// image's bounds (an auto-sized image has its picture's size).

#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/model/controls/Image.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/DoubleClickWidget.h"

namespace kestrova::qt {

class ImageWidget : public DoubleClickWidget {
 public:
  ImageWidget(TImage& image, QWidget* parent = nullptr);

  void PictureChanged();
  QSize sizeHint() const override;

  // A mouse press (any button) at a point of the picture, in its pixels.
  std::function<void(int x, int y)> OnMouseDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TImage& image_;
  QImage picture_;
  bool stale_ = true;
};

// With Placement::Layout the widget keeps its position (a scroll area moves
// it) and takes only the image's size.
class ImageView : public ControlView {
 public:
  ImageView(TImage& image, ImageWidget* widget, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  ImageWidget* widget_;
  Placement placement_;
};

}  // namespace kestrova::qt
