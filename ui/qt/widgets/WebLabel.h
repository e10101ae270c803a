#pragma once
// A web link: a label in blue, underlined, with the hand cursor; a click runs OnClick.

#include <QLabel>
#include <functional>

namespace kestrova::qt {

class WebLabel : public QLabel {
 public:
  explicit WebLabel(QWidget* parent = nullptr);

  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kestrova::qt
