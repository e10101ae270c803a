#pragma once
// Captions: a QLabel on a TLabel (text, and the label's own font and font
// colour where the window gives it one), a QGroupBox's title, and a page's
// tab text.

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "ui/model/controls/Label.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class LabelView : public ControlView {
 public:
  // With `ownFont`, the label shows the model's font and font colour; otherwise the window's font.
  LabelView(TLabel& label, QLabel* widget, bool ownFont, Placement placement = Placement::Position);

  // The caption stands right-aligned in the label's bounds (before the field it
  // names). A caption too long for one line there is wrapped onto two lines
  // centred on the bounds, and set in a smaller font if it still does not fit.
  void FitRightAligned();

 protected:
  void MirrorValue() override;
  void MirrorBounds() override;

 private:
  bool fit_ = false;
  TLabel& label_;
  QLabel* widget_;
  bool ownFont_;
  TFont shownFont_;
};

class GroupBoxView : public ControlView {
 public:
  GroupBoxView(TGroupBox& group, QGroupBox* box, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TGroupBox& group_;
  QGroupBox* box_;
};

// A page of a page control: its caption is the tab's text.
class TabSheetView : public ControlView {
 public:
  TabSheetView(TTabSheet& sheet, QTabWidget* tabs, QWidget* page);

 protected:
  void MirrorValue() override;

 private:
  TTabSheet& sheet_;
  QTabWidget* tabs_;
  QWidget* page_;
};

}  // namespace kestrova::qt
