#pragma once
// A multi-line edit: QPlainTextEdit on a TMemo (text, font, background colour,
// read-only), without word wrap and without tabs (Tab moves to the next
// control). The text typed goes to the memo whole.

#include <QPlainTextEdit>
#include <string>

#include "ui/model/controls/Memo.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class MemoView : public ControlView {
 public:
  MemoView(TMemo& memo, QPlainTextEdit* edit, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TMemo& memo_;
  QPlainTextEdit* edit_;
  // The model text the widget shows (compared instead of the widget's whole text).
  std::string shownText_;
  TFont shownFont_;
  TColor shownColor_ = 0xFFFFFFFF;
};

}  // namespace kestrova::qt
