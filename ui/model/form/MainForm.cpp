// The window's stored layout: the start values of the controls it defines and
// the handlers they are connected to. The layout's values are in place before
// any handler is connected, so loading the layout runs no handler.

#include "ui/model/form/MainForm.h"

#include "ui/model/form/SetLanguage.h"

namespace kestrova {

namespace {

const std::vector<std::string> kLayoutItems{"Vertical", "Horizontal", "Matrix"};

}  // namespace

TForm1::TForm1(TFormHooks hooks) : Hooks(std::move(hooks)) {
  CurrentSettings = TSettings{};  // the record starts empty with the window
  SetLayoutDefaults();
  ConnectLayoutHandlers();
  FormCreate();
}

void TForm1::SetLayoutDefaults() {
  StatusBar1.SetBounds({0, 594, 0, 19});
  ImageBase.SetAutoSize(true);
  PanelCtl.SetBounds({0, 0, 545, 425});
  BitBtnX.SetBounds({2, 0, 541, 10});
  PageControl1.SetActivePage(TabSheetNew.Name());

  RGBullets.SetItems({"1:1", "64x64", "32x32"});
  RGBullets.SetItemIndex(2);
  BitBtn1.SetHint("Add to list");
  BitBtn2.SetHint("Remove from list");
  BitBtnBullet.SetCaption("Use");
  SB1.SetBounds({0, 0, 221, 200});
  ImageIcnPrev.SetBounds({8, 16, 80, 80});
  ImageIcnPrev.SetStretch(true);

  TSpeedButton::JoinGroup({&SpeedBtnLeft, &SpeedBtnCen, &SpeedBtnRight}, false);
  TSpeedButton::JoinGroup({&SpeedBtnUp, &SpeedBtnMid, &SpeedBtnBottom}, false);
  TSpeedButton::JoinGroup({&SpeedBtnB}, true);
  TSpeedButton::JoinGroup({&SpeedBtnI}, true);
  TSpeedButton::JoinGroup({&SpeedBtnU}, true);
  SpeedBtnUp.SetDown(true);
  TFont sample;
  sample.size = 12;  // 16 pixels
  LabelABC.SetFont(sample);
  LabelABC.SetCaption("ABCabc 123 @#$");
  RGCutMode.SetItems(kLayoutItems);
  RGCutMode.SetItemIndex(0);

  for (TLabel* label : {&LabelSh1, &LabelSh2, &LabelSh3}) label->SetCaption("SHADOW");
  LabelSh1.SetBounds({24, 24, 0, 0});
  LabelSh2.SetBounds({25, 25, 0, 0});
  LabelSh3.SetBounds({23, 23, 0, 0});

  EditPrefix.SetText("b_");
  cbLower.SetChecked(true);
  cbNumber.SetChecked(true);
  RG1.SetItems({"BMP", "GIF", "JPG", "PNG"});
  RG1.SetItemIndex(1);
  MemoNames.SetReadOnly(true);
  TabSheet1.SetCaption("JPG");
  TabSheet2.SetCaption("GIF");
  TabSheet3.SetCaption("PNG");
  PageControl2.SetActivePage(TabSheet2.Name());
  ComboGIFRC.SetItems({"None", "Windows20", "Windows256", "WindowsGray", "Monochrome", "GrayScale", "Netscape",
                       "Quantize", "QuantizeWindows"});
  ComboGIFDTR.SetItems({"Nearest", "FloydSteinberg", "Stucki", "Sierra", "JaJuNI", "SteveArche", "Burkes"});
  ComboGIFCompr.SetItems({"LZW", "RLE"});

  RGDisplay.SetItems(kLayoutItems);
  RGDisplay0.SetItems(kLayoutItems);
  RGImgPerBtn.SetItems({"1 button = 1 image", "All buttons on single image", "Set to buttons/image:"});
  for (TRadioGroup* rg : {&RGDisplay, &RGDisplay0, &RGImgPerBtn}) rg->SetItemIndex(0);

  for (TButton* item : {&Textpanelvisible1, &Controlsvisible1, &Outputvisible1}) item->SetChecked(true);

  OpenDialog1.SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
  OpenDialog1.SetTitle("Open captions...");
  SaveDialog1.SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
  SaveDialog1.SetTitle("Save captions...");
  OpenDialog2.SetFilter("Kestrova files (*.btn)|*.btn|All files (*.*)|*.*");
  OpenDialog2.SetTitle("Open project...");
  SaveDialog2.SetFilter("Kestrova files (*.btn)|*.btn|All files (*.*)|*.*");
  SaveDialog2.SetTitle("Save project...");
  OpenPictureDialog1.SetFilter(
      "Image Files (*.jpg, *.gif, *.bmp, *.png, *.emf, *.wmf)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png;*.emf;*.wmf|"
      "PNG images (*.png)|*.png|GIF images (*.gif)|*.gif|JPG images (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|"
      "Bitmaps (*.bmp)|*.bmp|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
  OpenPictureDialog1.SetTitle("Open base button image...");
  SavePictureDialog1.SetFilter(
      "Image Files (*.jpg, *.gif, *.bmp, *.png)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png|PNG images (*.png)|*.png|"
      "GIF images (*.gif)|*.gif|JPG images (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP images (*.bmp)|*.bmp");
  SavePictureDialog1.SetTitle("Save base image...");
}

void TForm1::ConnectLayoutHandlers() {
  for (TCheckBox* cb : {&cbGradient, &cbHorizon, &cbTwo, &cbRadial}) {
    cb->SetOnClick([this] { UpdateGradientControls(); });
  }
  for (TCheckBox* cb : {&cbFrame, &cbFrameRound}) cb->SetOnClick([this] { UpdateFrameControls(); });
  for (TCheckBox* cb : {&cbShadow, &cbDouble}) cb->SetOnClick([this] { UpdateShadowPreview(); });
  for (TCheckBox* cb : {&cbRoundBtn, &cbRound3D}) cb->SetOnClick([this] { ApplyButtonEffect(); });
  RGDisplay.SetOnClick([this] { ArrangePreviews(); });
  RGDisplay0.SetOnClick([this] { ArrangePreviews(); });
  CBSpacing.SetOnClick([this] { ArrangePreviews(); });
  EditPrefix.SetOnChange([this] { UpdateNamesList(); });
  EditPostfix.SetOnChange([this] { UpdateNamesList(); });
  cbLower.SetOnClick([this] { UpdateNamesList(); });
  MemoTxt.SetOnChange([this] { UpdateNamesList(); });
  RGImgPerBtn.SetOnClick([this] { RGImgPerBtnClick(); });
  cbHTML.SetOnClick([this] { UpdateHtmlMapState(); });
  RG1.SetOnClick([this] { RG1Click(); });
  cbCut.SetOnClick([this] { cbCutClick(); });
  cbNumber.SetOnClick([this] { cbNumberClick(); });
  cbNoCapts.SetOnClick([this] { cbNoCaptsClick(); });
  SpeedBtnB.SetOnClick([this] { SpeedBtnBClick(); });
  SpeedBtnI.SetOnClick([this] { SpeedBtnIClick(); });
  SpeedBtnU.SetOnClick([this] { SpeedBtnUClick(); });

  BitBtnIcnAdj.SetOnClick([this] { BitBtnIcnAdjClick(); });
  BitBtnClrIcn.SetOnClick([this] { BitBtnClrIcnClick(); });
  BitBtn2.SetOnClick([this] { BitBtn2Click(); });
  RGBullets.SetOnClick([this] { BuildBulletPalette(); });
  BitBtnBullet.SetOnClick([this] { UseSelectedBullet(); });
  BitBtnNoIco.SetOnClick([this] { BitBtnNoIcoClick(); });
  for (TButton* command : {&Recreateimage1, &TBNew}) command->SetOnClick([this] { Createempty1Click(); });

  Textpanelvisible1.SetOnClick([this] { Textpanelvisible1Click(); });
  Outputvisible1.SetOnClick([this] { Outputvisible1Click(); });
  Controlsvisible1.SetOnClick([this] { Controlsvisible1Click(); });
  BitBtnX.SetOnClick([this] { BitBtnXClick(); });

  BitBtnEN.SetOnClick([this] { SetLanguage(*this, lgEnglish); });
  BitBtnPL.SetOnClick([this] { SetLanguage(*this, lgPolish); });
  BitBtnDE.SetOnClick([this] { SetLanguage(*this, lgGerman); });
  BitBtnES.SetOnClick([this] { SetLanguage(*this, lgSpanish); });
  BitBtnIT.SetOnClick([this] { SetLanguage(*this, lgItalian); });
}

void TForm1::UpdateNamesList() {
  if (Hooks.UpdateNamesList) Hooks.UpdateNamesList();
}

std::optional<TColor> TForm1::ChooseColor(TColor start) const {
  if (!Hooks.ChooseColor) return std::nullopt;
  return Hooks.ChooseColor(start);
}

}  // namespace kestrova
