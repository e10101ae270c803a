#pragma once
// The main window as state: every control with its limits, start value and
// handler, the lists and values held beside the settings record, and the
// routines that copy the record into the controls and back, refresh dependent
// controls, handle option changes, keep the icon list and run start-up and
// shut-down. A window of a UI toolkit only mirrors this state: it shows each
// control (listening through TControl::SetViewListener) and passes the user's
// edits to the controls' setters, which run the handlers.
//
// Controls are public members named as the window names them, so the
// generation, saving and batch code can read them directly.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/files/PresetFiles.h"
#include "core/files/SettingsRecord.h"
#include "core/images/ImageFiles.h"
#include "core/support/Logger.h"
#include "core/support/Messages.h"
#include "rendering/Color.h"
#include "rendering/Font.h"
#include "rendering/Geometry.h"
#include "rendering/Settings.h"
#include "ui/model/controls/Button.h"
#include "ui/model/controls/CheckBox.h"
#include "ui/model/controls/ColorButton.h"
#include "ui/model/controls/Control.h"
#include "ui/model/controls/Edit.h"
#include "ui/model/controls/FileDialog.h"
#include "ui/model/controls/Image.h"
#include "ui/model/controls/ItemList.h"
#include "ui/model/controls/Label.h"
#include "ui/model/controls/Memo.h"
#include "ui/model/controls/PageControl.h"
#include "ui/model/controls/RendererControl.h"
#include "ui/model/controls/ScrollBox.h"
#include "ui/model/controls/Slider.h"
#include "ui/model/controls/SpeedButton.h"
#include "ui/model/controls/SpinEdit.h"
#include "ui/model/controls/Splitter.h"
#include "ui/model/controls/StatusBar.h"
#include "ui/model/controls/ZOrder.h"
#include "ui/model/form/FormStorage.h"
#include "ui/model/language/Language.h"
#include "ui/model/lists/Recent.h"

namespace kestrova {

// What a close request does to the window.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// A message-loop timer: the view runs the handler every Interval ms while Enabled.
struct TTimer {
  bool Enabled = false;
  int Interval = 50;
};

// Operations that the window's view or later parts of the program supply. Each
// may stay empty; the model then skips the call (a colour dialog then counts as
// cancelled).
struct TFormHooks {
  // The colour dialog: starts at the given colour; the chosen colour, or nothing on Cancel.
  std::function<std::optional<TColor>(TColor start)> ChooseColor;
  // The font dialog: starts at the given font; the chosen font, or nothing on Cancel.
  std::function<std::optional<TFont>(const TFont& start)> ChooseFont;
  // Shows a file dialog by its settings; the files chosen, none on Cancel.
  std::function<std::vector<std::string>(const TFileDialog& dialog)> ExecuteFileDialog;
  // Refreshes the output names list and its counters.
  std::function<void()> UpdateNamesList;
  // Loads the program settings and opens the command-line project (batch: runs the job).
  std::function<void(bool batch)> OpenFromCommandLine;
  // Shows a file or web address with the desktop's program for it (the web
  // browser) without waiting for it; when that program cannot be started or
  // fails at once, the view tells the user (ReportViewerFailure).
  std::function<void(const std::string& url)> OpenURL;
  // Shows the wait cursor (true) or the normal one again (false) around long operations.
  std::function<void(bool on)> ShowWaitCursor;
  // The interface language changed to `langIndex`: the toolkit's own texts
  // (standard buttons, its dialogs) follow it.
  std::function<void(int langIndex)> LanguageChanged;
};

// Shows the wait cursor through the window's hook for the lifetime of the object.
class TWaitCursor {
 public:
  explicit TWaitCursor(const TFormHooks& hooks) : hooks_(hooks) {
    if (hooks_.ShowWaitCursor) hooks_.ShowWaitCursor(true);
  }
  ~TWaitCursor() {
    if (hooks_.ShowWaitCursor) hooks_.ShowWaitCursor(false);
  }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  const TFormHooks& hooks_;
};

class TForm1 : public TControlOwner {
 public:
  // Creates the window's controls and runs FormCreate; the hooks are in place first.
  explicit TForm1(TFormHooks hooks = {});
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  TFormHooks Hooks;

  // ---- the program-wide record, logger and preset sets the window works with ----
  TSettings& CurrentSettings = kestrova::CurrentSettings;
  TLogger& Logger1 = kestrova::Logger1;
  std::vector<std::string>& PresetSets = kestrova::PresetSets;

  // ---- values held beside the settings record ----
  int& LangIndex = kestrova::LangIndex;
  TColor ShadowColor = 0xFFFFFF;
  TPoint ShadowOffset{1, 1};
  bool PickCutOrigin = false;
  bool PickCutSize = false;
  std::vector<std::string> BulletList;
  int BulletIndex = -1;
  std::vector<std::string> MapRects;
  TTimer Timer1{true, 50};
  TTimer Timer2{false, 50};
  // Set when the application is to end (after a critical error).
  bool TerminateRequested = false;

  // ---- left: captions; bottom: status bar; top: tool bar ----
  TMemo MemoTxt{this, "MemoTxt", "TForm1"};
  TStatusBar StatusBar1{this, "StatusBar1", "TForm1", 2};
  TButton TBLoad{this, "TBLoad", "ToolBar1"};
  TButton TBSave{this, "TBSave", "ToolBar1"};
  TButton TBSaveBtns{this, "TBSaveBtns", "ToolBar1"};
  TButton TBLoadImg{this, "TBLoadImg", "ToolBar1"};
  TButton TBSaveImg{this, "TBSaveImg", "ToolBar1"};
  TButton TBLoadTxt{this, "TBLoadTxt", "ToolBar1"};
  TButton TBSaveTxt{this, "TBSaveTxt", "ToolBar1"};
  TButton TBNew{this, "TBNew", "ToolBar1"};
  TButton TBPres{this, "TBPres", "ToolBar1"};
  TButton TBProcess{this, "TBProcess", "ToolBar1"};
  TButton TBFont{this, "TBFont", "ToolBar1"};
  TButton TBColor{this, "TBColor", "ToolBar1"};
  TButton TBGen{this, "TBGen", "ToolBar1"};
  TButton BitBtnEN{this, "BitBtnEN", "ToolBar1"};
  TButton BitBtnPL{this, "BitBtnPL", "ToolBar1"};
  TButton BitBtnES{this, "BitBtnES", "ToolBar1"};
  TButton BitBtnIT{this, "BitBtnIT", "ToolBar1"};
  TButton BitBtnDE{this, "BitBtnDE", "ToolBar1"};

  // ---- main panel: image information, base image, option pages ----
  TPanel PanelMain{this, "PanelMain", "TForm1"};
  TPanel PanelInfo{this, "PanelInfo", "PanelMain"};
  TLabel LabelInfo{this, "LabelInfo", "PanelInfo"};
  TPanel ScrollBox1{this, "ScrollBox1", "PanelMain"};
  TImage ImageBase{this, "ImageBase", "ScrollBox1"};
  TPanel PanelCtl{this, "PanelCtl", "PanelMain"};
  TButton BitBtnX{this, "BitBtnX", "PanelCtl"};
  TPageControl PageControl1{this, "PageControl1", "PanelCtl"};

  // New image page
  TTabSheet TabSheetNew{this, "TabSheetNew", "PageControl1"};
  TGroupBox GBButton{this, "GBButton", "TabSheetNew"};
  TButton BitBtnPreset{this, "BitBtnPreset", "GBButton"};
  TCheckBox cbRoundBtn{this, "cbRoundBtn", "GBButton"};
  TCheckBox cbRound3D{this, "cbRound3D", "GBButton"};
  TGroupBox GBFrame{this, "GBFrame", "TabSheetNew"};
  TCheckBox cbFrame{this, "cbFrame", "GBFrame"};
  TCheckBox cbFrameRound{this, "cbFrameRound", "GBFrame"};
  TGroupBox GBGradient{this, "GBGradient", "TabSheetNew"};
  TCheckBox cbGradient{this, "cbGradient", "GBGradient"};
  TCheckBox cbHorizon{this, "cbHorizon", "GBGradient"};
  TCheckBox cbTwo{this, "cbTwo", "GBGradient"};
  TCheckBox cbRadial{this, "cbRadial", "GBGradient"};
  TButton BitBtnCycle{this, "BitBtnCycle", "GBGradient"};
  TButton BitBtnRnd{this, "BitBtnRnd", "GBGradient"};

  // Icon page
  TTabSheet TabSheetIcn{this, "TabSheetIcn", "PageControl1"};
  TGroupBox GroupBox1{this, "GroupBox1", "TabSheetIcn"};
  TButton BitBtnNoIco{this, "BitBtnNoIco", "GroupBox1"};
  TButton BitBtnBullet{this, "BitBtnBullet", "GroupBox1"};
  TButton BitBtnClrIcn{this, "BitBtnClrIcn", "GroupBox1"};
  TButton BitBtnIcnAdj{this, "BitBtnIcnAdj", "GroupBox1"};
  TCheckBox cbIcoTRans{this, "cbIcoTRans", "GroupBox1"};
  TGroupBox GBIcnPreview{this, "GBIcnPreview", "GroupBox1"};
  TImage ImageIcnPrev{this, "ImageIcnPrev", "GBIcnPreview"};
  TPanel PanelBulets{this, "PanelBulets", "TabSheetIcn"};
  TRadioGroup RGBullets{this, "RGBullets", "PanelBulets"};
  TButton BitBtn1{this, "BitBtn1", "PanelBulets"};
  TButton BitBtn2{this, "BitBtn2", "PanelBulets"};
  TScrollBox SB1{this, "SB1", "PanelBulets"};

  // Settings page
  TTabSheet TabSheetSet{this, "TabSheetSet", "PageControl1"};
  TGroupBox GBText{this, "GBText", "TabSheetSet"};
  TButton BitBtnFont{this, "BitBtnFont", "GBText"};
  TButton BitBtnCenterV{this, "BitBtnCenterV", "GBText"};
  TCheckBox cbIgnBlank{this, "cbIgnBlank", "GBText"};
  TCheckBox cbAnitAlias{this, "cbAnitAlias", "GBText"};
  TSpeedButton SpeedBtnLeft{this, "SpeedBtnLeft", "GBText"};
  TSpeedButton SpeedBtnCen{this, "SpeedBtnCen", "GBText"};
  TSpeedButton SpeedBtnRight{this, "SpeedBtnRight", "GBText"};
  TSpeedButton SpeedBtnUp{this, "SpeedBtnUp", "GBText"};
  TSpeedButton SpeedBtnMid{this, "SpeedBtnMid", "GBText"};
  TSpeedButton SpeedBtnBottom{this, "SpeedBtnBottom", "GBText"};
  TSpeedButton SpeedBtnB{this, "SpeedBtnB", "GBText"};
  TSpeedButton SpeedBtnI{this, "SpeedBtnI", "GBText"};
  TSpeedButton SpeedBtnU{this, "SpeedBtnU", "GBText"};
  TGroupBox GBFont{this, "GBFont", "GBText"};
  TLabel LabelABC{this, "LabelABC", "GBFont"};
  TGroupBox GBOneImg{this, "GBOneImg", "TabSheetSet"};
  TGroupBox GBCut{this, "GBCut", "TabSheetSet"};
  TCheckBox cbCut{this, "cbCut", "GBCut"};
  TRadioGroup RGCutMode{this, "RGCutMode", "GBCut"};
  TButton BitBtnX0Y0{this, "BitBtnX0Y0", "GBCut"};
  TButton BitBtnXEYE{this, "BitBtnXEYE", "GBCut"};
  TGroupBox GBBnEffect{this, "GBBnEffect", "TabSheetSet"};

  // Shadow page
  TTabSheet TabSheetSha{this, "TabSheetSha", "PageControl1"};
  TCheckBox cbShadow{this, "cbShadow", "TabSheetSha"};
  TCheckBox cbDouble{this, "cbDouble", "TabSheetSha"};
  TGroupBox GBShadow{this, "GBShadow", "TabSheetSha"};
  TLabel LabelSh1{this, "LabelSh1", "GBShadow"};
  TLabel LabelSh2{this, "LabelSh2", "GBShadow"};
  TLabel LabelSh3{this, "LabelSh3", "GBShadow"};
  // Stacking of the three sample labels, back to front.
  TZOrder GBShadowZOrder{&LabelSh1, &LabelSh2, &LabelSh3};

  // Output page
  TTabSheet TabSheetOut{this, "TabSheetOut", "PageControl1"};
  TEdit EditPrefix{this, "EditPrefix", "TabSheetOut"};
  TEdit EditPostfix{this, "EditPostfix", "TabSheetOut"};
  TCheckBox cbLower{this, "cbLower", "TabSheetOut"};
  TCheckBox cbNumber{this, "cbNumber", "TabSheetOut"};
  TCheckBox cbNoCapts{this, "cbNoCapts", "TabSheetOut"};
  TCheckBox cbHTML{this, "cbHTML", "TabSheetOut"};
  TCheckBox cbHTMLMap{this, "cbHTMLMap", "TabSheetOut"};
  TCheckBox cbForceDir{this, "cbForceDir", "TabSheetOut"};
  TRadioGroup RG1{this, "RG1", "TabSheetOut"};
  TMemo MemoNames{this, "MemoNames", "TabSheetOut"};
  TLabel LCNT{this, "LCNT", "TabSheetOut"};
  TPageControl PageControl2{this, "PageControl2", "TabSheetOut"};
  TTabSheet TabSheet1{this, "TabSheet1", "PageControl2"};
  TGroupBox GBjpg{this, "GBjpg", "TabSheet1"};
  TTabSheet TabSheet2{this, "TabSheet2", "PageControl2"};
  TComboBox ComboGIFRC{this, "ComboGIFRC", "TabSheet2"};
  TComboBox ComboGIFDTR{this, "ComboGIFDTR", "TabSheet2"};
  TComboBox ComboGIFCompr{this, "ComboGIFCompr", "TabSheet2"};
  TTabSheet TabSheet3{this, "TabSheet3", "PageControl2"};
  TCheckBox cbPNGTransp{this, "cbPNGTransp", "TabSheet3"};

  // Display page
  TTabSheet TabSheetDisp{this, "TabSheetDisp", "PageControl1"};
  TRadioGroup RGDisplay{this, "RGDisplay", "TabSheetDisp"};
  TRadioGroup RGDisplay0{this, "RGDisplay0", "TabSheetDisp"};
  TRadioGroup RGImgPerBtn{this, "RGImgPerBtn", "TabSheetDisp"};
  TCheckBox CBSpacing{this, "CBSpacing", "TabSheetDisp"};

  // Captions of the option pages' fields
  TLabel Label1{this, "Label1", "GBText"};
  TLabel Label2{this, "Label2", "GBText"};
  TLabel Label3{this, "Label3", "TabSheetOut"};
  TLabel Label4{this, "Label4", "TabSheetOut"};
  TLabel Label5{this, "Label5", "GBButton"};
  TLabel Label6{this, "Label6", "GBButton"};
  TLabel Label7{this, "Label7", "GBCut"};
  TLabel Label8{this, "Label8", "GBCut"};
  TLabel Label11{this, "Label11", "TabSheetSha"};
  TLabel Label12{this, "Label12", "TabSheetSha"};
  TLabel Label13{this, "Label13", "GBFrame"};
  TLabel Label14{this, "Label14", "GBButton"};
  TLabel Label15{this, "Label15", "GBButton"};
  TLabel Label16{this, "Label16", "GBCut"};
  TLabel Label17{this, "Label17", "TabSheetOut"};
  TLabel Label18{this, "Label18", "TabSheetOut"};
  TLabel Label19{this, "Label19", "TabSheetDisp"};
  TLabel Label22{this, "Label22", "GBBnEffect"};
  TLabel Label23{this, "Label23", "GBBnEffect"};
  TLabel Label24{this, "Label24", "GroupBox1"};
  TLabel Label25{this, "Label25", "GroupBox1"};
  TLabel Label26{this, "Label26", "GBButton"};
  TLabel Label27{this, "Label27", "GBText"};
  TLabel Label28{this, "Label28", "TabSheet2"};
  TLabel Label30{this, "Label30", "TabSheet3"};
  TLabel Label31{this, "Label31", "GBOneImg"};
  TLabel Label32{this, "Label32", "GBOneImg"};
  TLabel Label33{this, "Label33", "GBFrame"};
  TLabel Label35{this, "Label35", "TabSheet2"};
  TLabel Label36{this, "Label36", "TabSheetDisp"};
  TLabel Label37{this, "Label37", "GBButton"};
  TLabel Label38{this, "Label38", "GBButton"};
  TLabel Label39{this, "Label39", "GBButton"};
  TLabel Label40{this, "Label40", "GBButton"};
  TLabel Label41{this, "Label41", "GBText"};
  TLabel Label42{this, "Label42", "GBText"};

  // ---- right: the output panel with the previews ----
  TPanel PanelRight{this, "PanelRight", "TForm1"};
  TScrollBox ScrollBox2{this, "ScrollBox2", "PanelRight"};

  // ---- menus ----
  TButton File1{this, "File1", "MainMenu1"};
  TButton Loadsettings1{this, "Loadsettings1", "File1"};
  TButton Savesettings1{this, "Savesettings1", "File1"};
  TButton Loadrecent1{this, "Loadrecent1", "File1"};
  TButton Savegeneratedbuttons1{this, "Savegeneratedbuttons1", "File1"};
  TButton Openbaseimage1{this, "Openbaseimage1", "File1"};
  TButton Savebaseimage1{this, "Savebaseimage1", "File1"};
  TButton Openbuttoncaptionstextfile1{this, "Openbuttoncaptionstextfile1", "File1"};
  TButton Savecaptions1{this, "Savecaptions1", "File1"};
  TButton Close1{this, "Close1", "File1"};
  TButton Button1{this, "Button1", "MainMenu1"};
  TButton Recreateimage1{this, "Recreateimage1", "Button1"};
  TButton Presets1{this, "Presets1", "Button1"};
  TButton Processimage1{this, "Processimage1", "Button1"};
  TButton Font1{this, "Font1", "Button1"};
  TButton Adjustcolor1{this, "Adjustcolor1", "Button1"};
  TButton Generateimages1{this, "Generateimages1", "Button1"};
  TButton View1{this, "View1", "MainMenu1"};
  TButton Textpanelvisible1{this, "Textpanelvisible1", "View1"};
  TButton Controlsvisible1{this, "Controlsvisible1", "View1"};
  TButton Outputvisible1{this, "Outputvisible1", "View1"};
  TButton Help1{this, "Help1", "MainMenu1"};
  TButton HelpMenuItem{this, "HelpMenuItem", "Help1"};
  TButton PayPaldonation1{this, "PayPaldonation1", "Help1"};
  TButton Zandrelkocom1{this, "Zandrelkocom1", "Help1"};
  TButton About1{this, "About1", "Help1"};
  TButton OpenImgPop{this, "OpenImgPop", "PopupMenuImg"};
  TButton SaveImgPop{this, "SaveImgPop", "PopupMenuImg"};
  TButton Copytoclipboard1{this, "Copytoclipboard1", "PopupMenuImg"};
  TButton Copytoclipboard2{this, "Copytoclipboard2", "BtnOnPopup"};

  // ---- file dialogs ----
  TFileDialog OpenDialog1{this, "OpenDialog1", TFileDialogKind::Open, ".txt", ofPathMustExist | ofFileMustExist};
  TFileDialog SaveDialog1{this, "SaveDialog1", TFileDialogKind::Save, ".txt", ofPathMustExist | ofOverwritePrompt};
  TFileDialog OpenDialog2{this, "OpenDialog2", TFileDialogKind::Open, ".btn", ofPathMustExist | ofFileMustExist};
  TFileDialog SaveDialog2{this, "SaveDialog2", TFileDialogKind::Save, ".btn", ofPathMustExist | ofOverwritePrompt};
  TFileDialog OpenPictureDialog1{this, "OpenPictureDialog1", TFileDialogKind::Open, "",
                                 ofPathMustExist | ofFileMustExist | ofPicturePreview};
  TFileDialog SavePictureDialog1{this, "SavePictureDialog1", TFileDialogKind::Save, ".bmp", ofPathMustExist};

  // ---- controls made at run time (BuildRuntimeControls), in creation order ----
  TColorBitBtn BitBtnGC1{this, "BitBtnGC1", "GBGradient"};
  TColorBitBtn BitBtnGC2{this, "BitBtnGC2", "GBGradient"};
  TColorBitBtn BitBtnGC3{this, "BitBtnGC3", "GBGradient"};
  TColorBitBtn BitBtnFrameColor{this, "BitBtnFrameColor", "GBFrame"};
  TColorBitBtn BitBtnBGColor{this, "BitBtnBGColor", "GBButton"};
  TColorBitBtn BitBtnTRColor{this, "BitBtnTRColor", "GBButton"};
  TColorBitBtn BitBtnBN1Color{this, "BitBtnBN1Color", "GBButton"};
  TColorBitBtn BitBtnBN2Color{this, "BitBtnBN2Color", "GBButton"};
  TColorBitBtn BitBtnBNBlack{this, "BitBtnBNBlack", "GBButton"};
  TColorBitBtn BitBtnBNWhite{this, "BitBtnBNWhite", "GBButton"};
  TColorBitBtn ColorBitBtnIcoTrans{this, "ColorBitBtnIcoTrans", "GroupBox1"};
  TColorBitBtn BitBtnAdjColor{this, "BitBtnAdjColor", "GBText"};
  TColorBitBtn ColorBitBtnPBN1Color{this, "ColorBitBtnPBN1Color", "GBBnEffect"};
  TColorBitBtn ColorBitBtnPBN2Color{this, "ColorBitBtnPBN2Color", "GBBnEffect"};
  TColorBitBtn ColorBitBtnBK{this, "ColorBitBtnBK", "GBOneImg"};
  TColorBitBtn BitBtnShadowColor{this, "BitBtnShadowColor", "TabSheetSha"};
  TColorBitBtn ColorBitBtnPNGTr{this, "ColorBitBtnPNGTr", "TabSheet3"};

  TRxSpinEdit RxSpinEditFW{this, "RxSpinEditFW", "GBFrame"};
  TRxSpinEdit RxSpinEditFrameMargin{this, "RxSpinEditFrameMargin", "GBFrame"};
  TRxSpinEdit RxSpinEditFrameRX{this, "RxSpinEditFrameRX", "GBFrame"};
  TRxSpinEdit RxSpinEditFrameRY{this, "RxSpinEditFrameRY", "GBFrame"};
  TRxSpinEdit RxSpinEditNewX{this, "RxSpinEditNewX", "GBButton"};
  TRxSpinEdit RxSpinEditNewY{this, "RxSpinEditNewY", "GBButton"};
  TRxSpinEdit RxSpinEditBX{this, "RxSpinEditBX", "GBButton"};
  TRxSpinEdit RxSpinEditBY{this, "RxSpinEditBY", "GBButton"};
  TRxSpinEdit RxSpinEditAngle{this, "RxSpinEditAngle", "GBButton"};
  TRxSpinEdit RxSpinEditExtRadius{this, "RxSpinEditExtRadius", "GBButton"};
  TRxSpinEdit RxSpinEditSmooth{this, "RxSpinEditSmooth", "GBButton"};
  TRxSpinEdit RxSpinEditRMargin{this, "RxSpinEditRMargin", "GBButton"};
  TRxSpinEdit RxSpinEditGlyphX{this, "RxSpinEditGlyphX", "GroupBox1"};
  TRxSpinEdit RxSpinEditGlyphY{this, "RxSpinEditGlyphY", "GroupBox1"};
  TRxSpinEdit RxSpinEditGlyphW{this, "RxSpinEditGlyphW", "GroupBox1"};
  TRxSpinEdit RxSpinEditGlyphH{this, "RxSpinEditGlyphH", "GroupBox1"};
  TRxSpinEdit RxSpinEditGlyphMargin{this, "RxSpinEditGlyphMargin", "GroupBox1"};
  TRxSpinEdit RxSpinEditCutX{this, "RxSpinEditCutX", "GBCut"};
  TRxSpinEdit RxSpinEditCutY{this, "RxSpinEditCutY", "GBCut"};
  TRxSpinEdit RxSpinEditCutX0{this, "RxSpinEditCutX0", "GBCut"};
  TRxSpinEdit RxSpinEditCutY0{this, "RxSpinEditCutY0", "GBCut"};
  TRxSpinEdit RxSpinEditRPB{this, "RxSpinEditRPB", "GBText"};
  TRxSpinEdit RxSpinEditRowOffset{this, "RxSpinEditRowOffset", "GBText"};
  TRxSpinEdit RxSpinEditTextX{this, "RxSpinEditTextX", "GBText"};
  TRxSpinEdit RxSpinEditTextY{this, "RxSpinEditTextY", "GBText"};
  TRxSpinEdit RxSpinEditFontSize{this, "RxSpinEditFontSize", "GBText"};
  TRxSpinEdit RxSpinEditPBNX{this, "RxSpinEditPBNX", "GBBnEffect"};
  TRxSpinEdit RxSpinEditPBNY{this, "RxSpinEditPBNY", "GBBnEffect"};
  TRxSpinEdit RxSpinEditGapSize{this, "RxSpinEditGapSize", "GBOneImg"};
  TRxSpinEdit RxSpinEditMarSize{this, "RxSpinEditMarSize", "GBOneImg"};
  TRxSpinEdit RxSpinEditSX{this, "RxSpinEditSX", "TabSheetSha"};
  TRxSpinEdit RxSpinEditSY{this, "RxSpinEditSY", "TabSheetSha"};
  TRxSpinEdit RxSpinEditPNGLevel{this, "RxSpinEditPNGLevel", "TabSheet3"};
  TRxSpinEdit RxSpinEditMX{this, "RxSpinEditMX", "TabSheetDisp"};
  TRxSpinEdit RxSpinEditMX0{this, "RxSpinEditMX0", "TabSheetDisp"};
  TRxSpinEdit RxSpinEditBtnPerImg{this, "RxSpinEditBtnPerImg", "TabSheetDisp"};

  TRxSlider RxSlider1{this, "RxSlider1", "GBButton"};
  TRxSlider RxSliderPBNOpacity{this, "RxSliderPBNOpacity", "GBBnEffect"};
  TRxSlider RxSliderJPG{this, "RxSliderJPG", "GBjpg"};

  TEdit DirectoryEdit1{this, "DirectoryEdit1", "TabSheetOut"};
  TSplitter RxSplitter1{this, "RxSplitter1", "TForm1"};
  TButtonizerControl Buttonizer1{this, "Buttonizer1", "GBButton"};
  TGradientImageControl GradientImage1{this, "GradientImage1", "GBGradient"};
  TFormStorage FormStorage1;
  // The recent project files, listed under Loadrecent1 once the window shows.
  TRecent Recent1{"Recent1"};

  // ---- start-up, shut-down and timers ----
  void FormCreate();
  void FormShow();
  void Timer1Timer();
  void Timer2Timer();
  // Asks before the window closes (not in a batch run); on Yes saves the window
  // placement, the icon list and the program settings. The close action to take.
  TCloseAction FormClose(TCloseAction action);
  void ApplicationHint(const std::string& hint);
  // An error no operation caught: reported, then the application is to end.
  void ApplicationException(const std::string& message);
  // The window store's handlers: the interface language is kept beside the placement.
  void FormStorage1RestorePlacement();
  void FormStorage1SavePlacement();

  // ---- run-time controls ----
  void BuildRuntimeControls();
  void CreateColorButton(TColorBitBtn& button, const TBounds& bounds, std::function<void()> onClick, int tabOrder);
  // Limits first, then the value through the setter, the tab order, and the handler last.
  void CreateSpinEdit(TRxSpinEdit& edit, const TBounds& bounds, std::function<void()> onChange, int value,
                      int maxValue, int minValue, int tabOrder);

  // ---- what the image readers and writers need of the window ----
  // The base image (ImageBase's bitmap, CurrentSettings, the information label).
  BaseImageHost BaseImage();
  // The output options as the controls hold them.
  ImageWriteOptions WriteOptions() const;

  // ---- settings to controls and back ----
  // Reads every control into CurrentSettings; changes nothing in the window.
  void ControlsToSettings();
  // Copies CurrentSettings into the controls through their setters, then
  // refreshes every dependent control; draws a new base image when the record
  // names no base-image file.
  void SettingsToControls();
  // Brings the 29 preset fields of a record into the limits of the controls
  // that show them, as SettingsToControls brings them (an angle to whole
  // degrees first): a preset read from a file, before it is drawn or stored.
  void BringPresetIntoRanges(TSettings& s) const;

  // ---- previews and state refreshers ----
  void ClearPreviews();
  void ClearPreviewsNamed(const std::string& prefix);
  // Refreshes the output names list (supplied through Hooks).
  void UpdateNamesList();
  void ArrangePreviews();
  void UpdateImageInfo();
  void UpdateShadowPreview();
  void UpdateFrameControls();
  void UpdateGradientControls();
  void ApplyButtonEffect();
  void UpdateMemoColor();
  // sender: the control that caused the call (the font-size spin edit passes itself), or none.
  void SyncFontSample(const TControl* sender, const TFont* font);
  void UpdateRowControls();
  void UpdateHtmlMapState();
  void ApplyPanelLayout();
  void Textpanelvisible1Click();
  void Outputvisible1Click();
  void Controlsvisible1Click();
  void BitBtnXClick();
  void PanelCtlResize();

  // ---- icon palette ----
  // Loads the icon list file into BulletList; a missing or unreadable file leaves the list.
  void LoadBulletList();
  // Writes BulletList to the icon list file; false when it cannot be written,
  // with the reason in `reason` when given.
  bool SaveBulletList(std::string* reason = nullptr);
  void AddBullet(const std::string& fileName);
  void RemoveBullet(int index);
  // The palette image whose tag is `tag` (the last one), or nullptr.
  TImage* FindBulletImage(int tag);
  void BulletImageClick(const TImage& image);
  // The preview shows the selected icon, read from its file at full size.
  void ShowSelectedBullet();
  // Draws the icon of the preview onto the base image.
  void UseSelectedBullet();
  void BitBtnClrIcnClick();
  // Rebuilds the thumbnails in SB1 from BulletList at the size RGBullets selects.
  // The view calls BulletImageClick when a thumbnail is clicked.
  void BuildBulletPalette();
  // Adds the files the user chose in the picture-open dialog, then rebuilds the palette.
  void BitBtn1Click(const std::vector<std::string>& chosenFiles);
  // Asks, then removes the selected icon from the list.
  void BitBtn2Click();
  // Draws the icon onto the target at the placement of the icon spin edits,
  // opaque or, with cbIcoTRans, keying out the colour of ColorBitBtnIcoTrans.
  void DrawBullet(const Bitmap& icon, Bitmap& target);

  // ---- option and colour handlers ----
  void RG1Click();
  void cbCutClick();
  void cbNumberClick();
  void cbNoCaptsClick();
  void SpeedBtnBClick();
  void SpeedBtnIClick();
  void SpeedBtnUClick();
  void RxSpinEditFontSizeChange();
  void RxSpinEditRPBChange();
  void RxSpinEditBtnPerImgChange();
  void RGImgPerBtnClick();
  // The caption-font colour (the Adjust colour command).
  void BitBtnAdjColorClick();
  // The folder the output-folder browser opens at.
  std::string DirectoryEdit1BeforeDialog() const;
  // The key filter of the name prefix and suffix edits: false for a typed
  // character that a file name cannot hold: blank, " * / : < > ? backslash and |.
  static bool EditPrefixKeyPress(char32_t key);
  void BitBtnIcnAdjClick();
  void BitBtnFrameColorClick();
  void ColorBitBtnPBN1ColorClick();
  void ColorBitBtnPBN2ColorClick();
  void BitBtnShadowColorClick();
  void ColorBitBtnBKClick();
  void ColorBitBtnPNGTrClick();
  void ColorBitBtnIcoTransClick();
  void BitBtnGC1Click();
  void BitBtnGC2Click();
  void BitBtnGC3Click();
  void BitBtnBGColorClick();
  void BitBtnBN1ColorClick();
  void BitBtnBN2ColorClick();
  void BitBtnTRColorClick();
  void BitBtnBNBlackClick();
  void BitBtnBNWhiteClick();
  void BitBtnNoIcoClick();

  // Draws a new base image from the controls (the Recreate image command).
  void Createempty1Click();

  // ---- text, gradient-colour and cut-rectangle commands ----
  // The font dialog on the memo font; on OK the captions, the sample, the
  // size, the colour button and the shadow samples follow the chosen font.
  void Font1Click();
  // Puts the text block's top (RxSpinEditTextY) where the caption lines sit
  // centred on the base image, or on the cut height in cut mode.
  void BitBtnCenterVClick();
  // Three random gradient colours (each channel 0..254), seeded from the clock.
  void BitBtnRndClick();
  // The gradient colours move one place: (1, 2, 3) := (2, 3, 1).
  void BitBtnCycleClick();
  // The next press on the base image picks the cut origin, or the cut size.
  void BitBtnX0Y0Click();
  void BitBtnXEYEClick();
  // A press on the base image at (x, y) in its pixels: sets what is being picked.
  void ImageBaseMouseDown(int x, int y);

  // Shows the file dialog; the files chosen (none on Cancel). On OK the
  // dialog's file name becomes the first file chosen.
  std::vector<std::string> Execute(TFileDialog& dialog);
  // Reports a file that could not be written ("Error saving: <file>"), with
  // the reason on a line of its own.
  void ReportSaveError(const std::string& fileName, const std::string& reason);

 private:
  void SetLayoutDefaults();
  void CreateSliders();
  // The button group's tab orders, set last, in their sequence.
  void SetButtonGroupTabOrders();
  void RecordToTextAndImageControls(const TSettings& s);
  void RecordToFontControls(const TSettings& s);
  void RecordToOutputControls(const TSettings& s);
  void RecordToRoundButtonControls(const TSettings& s);
  void SelectBulletNamed(const std::string& fileName);
  // The selected icon read at full size; empty when it cannot be (after
  // saying so when it has grown too large to use).
  Bitmap SelectedBulletPicture();
  void RefreshAfterRecordCopy();
  void CreatePreviewRenderers();
  void ConnectLayoutHandlers();
  // Opens the colour dialog at `start`; the chosen colour, or nothing on Cancel.
  std::optional<TColor> ChooseColor(TColor start) const;
  void ToggleMemoFontStyle(const TSpeedButton& button, TFontStyles style);
  // Opens the colour dialog at the button's colour; on OK the button shows the new colour.
  void ChooseButtonColor(TColorBitBtn& button);
};

}  // namespace kestrova
