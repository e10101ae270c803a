#include "ui/model/dialogs/ProcessDialog.h"

#include "rendering/Canvas.h"
#include "ui/model/form/Previews.h"
#include "ui/model/language/FormatText.h"
#include "ui/model/language/Language.h"

namespace kestrova {

TProcessForm::TProcessForm(TForm1& form) : form_(form) {
  for (TRxSpinEdit* edit : {&RxSpinEditRX, &RxSpinEditRY}) {
    edit->SetMinValue(kProcessMinSize);
    edit->SetMaxValue(kProcessMaxSize);
    edit->SetValue(kProcessMinSize);
  }
  Img1.SetAutoSize(true);
  BitBtnResize.SetOnClick([this] { BitBtnResizeClick(); });
  BitBtnU.SetOnClick([this] { BitBtnUClick(); });
  BitBtnC.SetOnClick([this] { BitBtnCClick(); });
}

void TProcessForm::FormShow() {
  Reopen();
  BitBtnC.SetCaption(Lang(LangProcess[lprClose]));
  BitBtnU.SetCaption(Lang(LangProcess[lprUse]));
  BitBtnResize.SetCaption(Lang(LangProcess[lprResize]));
  Label2.SetCaption(Lang(LangProcess[lprNewSize]));
  SetCaption(Lang(LangProcess[lprCaption]));
  Img1.SetPicture(form_.ImageBase.Picture());
  RxSpinEditRX.SetValue(Img1.Width());
  RxSpinEditRY.SetValue(Img1.Height());
  UpdateProcessStatus();
}

void TProcessForm::UpdateProcessStatus() {
  StatusBar1.SetPanelText(0, ImageInfoText(&Img1.Picture(), form_.CurrentSettings.image_file));
}

void TProcessForm::BitBtnResizeClick() {
  const int width = RxSpinEditRX.Value(), height = RxSpinEditRY.Value();
  try {
    Img1.SetPicture(StretchedCopy(form_.ImageBase.Picture(), width, height));
  } catch (const BitmapError& e) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    ShowMessageOrLog(FormatText(Lang(LangProcess[lprResizeError]), {size, e.what()}), mtError, mbOK);
    return;
  }
  UpdateProcessStatus();
}

void TProcessForm::BitBtnUClick() {
  form_.ImageBase.SetPicture(Img1.Picture());
  Close(mrOk);
}

void TProcessForm::BitBtnCClick() { Close(mrCancel); }

Bitmap StretchedCopy(const Bitmap& source, int width, int height) {
  Bitmap copy(width, height, source.Format());
  if (source.Empty()) {
    copy.Fill(0xFFFFFF);
    return copy;
  }
  copy.SetPalette(source.Palette());
  TCanvas(copy).CopyRect(TRect{0, 0, width, height}, source, TRect{0, 0, source.Width(), source.Height()});
  return copy;
}

}  // namespace kestrova
