#pragma once
// A label that looks like a link (underlined, blue, a pointing hand over it)
// and shows its URL with OpenURL when clicked. The URL is kept as given.

#include <QLabel>
#include <QString>

namespace kestrova::qt {

class WWWLabel : public QLabel {
 public:
  explicit WWWLabel(QWidget* parent = nullptr);

  QString URL;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kestrova::qt
