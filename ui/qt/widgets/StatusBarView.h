#pragma once
// The status bar: one QLabel per panel of a TStatusBar, the first `firstWidth`
// pixels wide (0: as wide as the others), the last taking the rest.

#include <QLabel>
#include <QStatusBar>
#include <vector>

#include "ui/model/controls/StatusBar.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class StatusBarView : public ControlView {
 public:
  StatusBarView(TStatusBar& bar, QStatusBar* widget, int firstWidth);

  QLabel* Panel(int i) const { return panels_.at(static_cast<std::size_t>(i)); }

 protected:
  void MirrorValue() override;

 private:
  TStatusBar& bar_;
  std::vector<QLabel*> panels_;
};

}  // namespace kestrova::qt
