#pragma once
// The stacking of overlapping widgets in one parent, mirrored from a TZOrder:
// after every change the widgets (found among the parent's children by their
// controls' names) are raised from the back one to the front one.

#include <QObject>
#include <QWidget>

#include "ui/model/controls/ZOrder.h"

namespace kestrova::qt {

class ZOrderView : public QObject {
 public:
  // Lives as long as `parent` and stops listening when it goes.
  ZOrderView(TZOrder& order, QWidget* parent);
  ~ZOrderView() override;

  void Mirror();

 private:
  TZOrder& order_;
  QWidget* parent_;
};

}  // namespace kestrova::qt
