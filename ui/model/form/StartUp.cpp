// The window's life: creation, first show, the two timers, closing, and the
// application-wide hint and error handlers.

#include "core/files/IniFile.h"
#include "core/files/ProgramSettings.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/form/SetLanguage.h"
#include "ui/model/lists/IconList.h"

namespace kestrova {

void TForm1::FormCreate() {
  LangIndex = 0;
  LabelInfo.SetCaption("");
  BuildRuntimeControls();

  PickCutOrigin = false;
  PickCutSize = false;
  ShadowColor = 0xFFFFFF;
  CurrentSettings.FrameColor = 0;
  CurrentSettings.postBNColorBG = 0xC0C0C0;
  CurrentSettings.postBNColorBL = 0;
  ColorBitBtnPBN1Color.SetGlyphColor(CurrentSettings.postBNColorBG);
  ColorBitBtnPBN2Color.SetGlyphColor(CurrentSettings.postBNColorBL);
  BitBtnShadowColor.SetGlyphColor(ShadowColor);

  TFont font = MemoTxt.Font();
  font.color = 0;
  MemoTxt.SetFont(font);
  SyncFontSample(nullptr, &MemoTxt.Font());
  BitBtnAdjColor.SetGlyphColor(MemoTxt.Font().color);

  BitBtnFrameColor.SetGlyphColor(CurrentSettings.FrameColor);
  BitBtnGC1.SetGlyphColor(GradientImage1.ColorStart());
  BitBtnGC2.SetGlyphColor(GradientImage1.ColorMid());
  BitBtnGC3.SetGlyphColor(GradientImage1.ColorEnd());
  BitBtnBGColor.SetGlyphColor(Buttonizer1.ColorFG());
  BitBtnBN1Color.SetGlyphColor(Buttonizer1.ColorBG());
  BitBtnBN2Color.SetGlyphColor(Buttonizer1.ColorBL());
  ColorBitBtnBK.SetGlyphColor(0xFFFFFF);
  BitBtnTRColor.SetGlyphColor(0x0000FF);
  BitBtnBNBlack.SetGlyphColor(0x303030);
  BitBtnBNWhite.SetGlyphColor(0xEFEFEF);
  ColorBitBtnIcoTrans.SetGlyphColor(0xFFFFFF);

  ShadowOffset = TPoint{1, 1};
  CurrentSettings.GlyphX = 2;
  CurrentSettings.GlyphY = 2;
  CurrentSettings.GlyphWidth = 16;
  CurrentSettings.GlyphHeight = 16;
  CurrentSettings.GlyphFile.clear();
  CurrentSettings.notitles = false;

  BulletList.clear();
  MapRects.clear();
  PresetSets.clear();

  ComboGIFRC.SetItemIndex(7);
  ComboGIFDTR.SetItemIndex(0);
  ComboGIFCompr.SetItemIndex(0);
}

void TForm1::FormShow() {
  PageControl1.SetActivePage(TabSheetNew.Name());
  RG1Click();
  cbCutClick();
  UpdateGradientControls();
  UpdateShadowPreview();
  UpdateFrameControls();
  ApplyButtonEffect();
  UpdateImageInfo();
  UpdateHtmlMapState();
  UpdateRowControls();
  BulletIndex = -1;
  LoadBulletList();
  BuildBulletPalette();
  Recent1.SetMenu(&Loadrecent1);
  if (Hooks.OpenFromCommandLine) Hooks.OpenFromCommandLine(false);
}

void TForm1::Timer1Timer() {
  const bool hasButtons = !ScrollBox2.Empty();
  const bool hasImage = ImageBase.Picture().Width() != 0;
  const bool hasCaptions = MemoTxt.LineCount() > 0;
  TBSaveBtns.SetEnabled(hasButtons);
  Savegeneratedbuttons1.SetEnabled(hasButtons);
  TBGen.SetEnabled(hasCaptions && hasImage);
  Generateimages1.SetEnabled(hasCaptions && hasImage);
  TBProcess.SetEnabled(hasImage);
  Processimage1.SetEnabled(hasImage);
  BitBtnBullet.SetEnabled(BulletIndex != -1 && hasImage);
}

void TForm1::Timer2Timer() {
  Timer2.Enabled = false;
  if (Hooks.OpenFromCommandLine) Hooks.OpenFromCommandLine(true);
}

void TForm1::FormStorage1RestorePlacement() { SetLanguage(*this, FormStorage1.ReadInteger("Language", 0)); }

void TForm1::FormStorage1SavePlacement() { FormStorage1.WriteInteger("Language", LangIndex); }

TCloseAction TForm1::FormClose(TCloseAction action) {
  if (ShellMode) return action;
  if (ShowMessageOrLog(Lang(LangMessages[lmExitQuestion]), mtConfirmation, mbYes | mbNo) != mrYes) return TCloseAction::caNone;
  std::string reason;
  if (!FormStorage1.SavePlacement(&reason)) ReportSaveError(FormStorage1.FileName(), reason);
  if (!SaveBulletList(&reason)) ReportSaveError(IconListFileName(), reason);
  try {
    SaveProgramSettings(Recent1.Files());
  } catch (const EIniFileError& e) {
    ReportSaveError(kProgramSettingsFile, e.what());
  }
  return action;
}

void TForm1::ReportSaveError(const std::string& fileName, const std::string& reason) {
  std::string text = Lang(LangMessages[lmSaveError]) + ": " + fileName;
  if (!reason.empty()) text += "\r\n" + reason;
  ShowMessageOrLog(text, mtError, mbOK);
}

void TForm1::ApplicationException(const std::string& message) {
  ShowMessageOrLog(Lang(LangMessages[lmCriticalError]) + "\r\n" + message, mtError, mbOK);
  TerminateRequested = true;
}

void TForm1::ApplicationHint(const std::string& hint) { StatusBar1.SetPanelText(0, hint); }

}  // namespace kestrova
