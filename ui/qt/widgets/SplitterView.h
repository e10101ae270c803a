#pragma once
// A splitter's handle in the splitter's own colour, drawn over the whole
// handle in place of the style's. The splitter that holds the handle shows
// and places it.

#include <QSplitterHandle>

#include "ui/model/controls/Splitter.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class SplitterView : public ControlView {
 public:
  SplitterView(TSplitter& splitter, QSplitterHandle* handle);

 protected:
  void MirrorValue() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TSplitter& splitter_;
};

}  // namespace kestrova::qt
