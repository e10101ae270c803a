// Which of the window's three parts are shown, and the collapsible option pages.

#include "ui/model/form/MainForm.h"

namespace kestrova {

namespace {

constexpr int kOpenPagesHeight = 425;
constexpr int kCollapsedPagesHeight = 10;

}  // namespace

void TForm1::ApplyPanelLayout() {
  MemoTxt.SetVisible(Textpanelvisible1.Checked());
  RxSplitter1.SetVisible(Controlsvisible1.Checked());
  PanelMain.SetVisible(Controlsvisible1.Checked());
  PanelRight.SetVisible(Outputvisible1.Checked());
  RxSplitter1.SetLeft(PanelMain.Left() + PanelMain.Width());
}

void TForm1::Textpanelvisible1Click() {
  Textpanelvisible1.SetChecked(!Textpanelvisible1.Checked());
  ApplyPanelLayout();
}

void TForm1::Outputvisible1Click() {
  Outputvisible1.SetChecked(!Outputvisible1.Checked());
  ApplyPanelLayout();
}

void TForm1::Controlsvisible1Click() {
  Controlsvisible1.SetChecked(!Controlsvisible1.Checked());
  ApplyPanelLayout();
}

void TForm1::BitBtnXClick() {
  if (PanelCtl.Height() != kOpenPagesHeight) {
    PanelCtl.SetHeight(kOpenPagesHeight);
    PageControl1.SetVisible(true);
  } else {
    PageControl1.SetVisible(false);
    PanelCtl.SetHeight(kCollapsedPagesHeight);
  }
}

void TForm1::PanelCtlResize() { BitBtnX.SetWidth(PanelCtl.Width() - 2 * BitBtnX.Left()); }

}  // namespace kestrova
