#pragma once
// A page control: QTabWidget on a TPageControl (which page is shown). The
// pages are added by the window, each under its tab sheet's name.

#include <QTabWidget>

#include "ui/model/controls/PageControl.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class PageControlView : public ControlView {
 public:
  PageControlView(TPageControl& pages, QTabWidget* tabs, Placement placement = Placement::Bounds);

  // Adds a page shown when the control's active page is `name`.
  void AddPage(QWidget* page, const std::string& name);

 protected:
  void MirrorValue() override;

 private:
  TPageControl& pages_;
  QTabWidget* tabs_;
};

}  // namespace kestrova::qt
