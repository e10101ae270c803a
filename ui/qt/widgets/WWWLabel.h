#pragma once
// A label that looks like a link (underlined, blue, a pointing hand over it).
// A click runs OnClick when it is set, else shows URL (kept as given) with
// OpenURL. The link is a Tab stop with a focus mark; Enter and Space open it
// as a click does, and so does a screen reader's press (AccessibleLink).

#include <QLabel>
#include <QString>
#include <functional>

namespace kestrova::qt {

class WWWLabel : public QLabel {
 public:
  explicit WWWLabel(QWidget* parent = nullptr);

  QString URL;
  std::function<void()> OnClick;

  // What a click does.
  void Open();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrova::qt
