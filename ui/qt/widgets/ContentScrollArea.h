#pragma once
// A scroll area that draws its content itself (the preview panel, the icon
// palette, the presets grid): it knows the content's size, sets its scroll
// bars from it and repaints its view when scrolled or resized.

#include <QAbstractScrollArea>

namespace kestrova::qt {

class ContentScrollArea : public QAbstractScrollArea {
 public:
  explicit ContentScrollArea(QWidget* parent = nullptr);

 protected:
  // The size of what is drawn; the scroll bars follow it.
  void SetContentSize(const QSize& size);
  const QSize& ContentArea() const { return content_; }
  // The scrolled distance: content point = view point + Offset().
  QPoint Offset() const;

  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();

  QSize content_;
};

}  // namespace kestrova::qt
