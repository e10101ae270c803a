#pragma once
// A label that looks like a link (underlined, blue, a pointing hand over it).
// A click runs OnClick when it is set, else shows URL (kept as given) with OpenURL.

#include <QLabel>
#include <QString>
#include <functional>

namespace kestrova::qt {

class WWWLabel : public QLabel {
 public:
  explicit WWWLabel(QWidget* parent = nullptr);

  QString URL;
  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kestrova::qt
