// Applying an interface language to the main window. The texts go in five
// groups: the window's own controls, the file dialogs, the menus (with the
// recent-files placeholder), the controls that came later, and the texts that
// are built from the language (output names and image information). Each
// group is guarded on its own: a failure in one leaves its remaining texts as
// they were and the next group still runs. Last the window's toolkit is told,
// so that its own texts follow the language.

#include "ui/model/form/SetLanguage.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/support/StrLib.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

enum class TTextTarget { Caption, Hint, Items };

// A row of LangControls and the control text it sets.
struct TTextBinding {
  std::size_t row;
  std::string_view control;
  TTextTarget target;
};

constexpr TTextBinding kWindowTexts[] = {
    {0, "MemoTxt", TTextTarget::Hint},
    {1, "ImageBase", TTextTarget::Hint},
    {1, "ScrollBox1", TTextTarget::Hint},
    {2, "TBGen", TTextTarget::Hint},
    {3, "TBSaveBtns", TTextTarget::Hint},
    {4, "TBSave", TTextTarget::Hint},
    {5, "TBLoad", TTextTarget::Hint},
    {6, "TBNew", TTextTarget::Hint},
    {6, "BitBtnNoIco", TTextTarget::Hint},
    {7, "RGDisplay", TTextTarget::Caption},
    {8, "RGDisplay", TTextTarget::Items},
    {8, "RGDisplay0", TTextTarget::Items},
    {9, "ScrollBox2", TTextTarget::Hint},
    {10, "TabSheetNew", TTextTarget::Caption},
    {11, "TabSheetSet", TTextTarget::Caption},
    {12, "TabSheetSha", TTextTarget::Caption},
    {13, "TabSheetOut", TTextTarget::Caption},
    {14, "GradientImage1", TTextTarget::Hint},
    {15, "cbGradient", TTextTarget::Caption},
    {16, "cbHorizon", TTextTarget::Caption},
    {17, "BitBtnGC1", TTextTarget::Caption},
    {18, "BitBtnGC2", TTextTarget::Caption},
    {19, "BitBtnGC3", TTextTarget::Caption},
    {20, "cbTwo", TTextTarget::Caption},
    {21, "GBFrame", TTextTarget::Caption},
    {22, "Label13", TTextTarget::Caption},
    {23, "cbFrame", TTextTarget::Caption},
    {24, "BitBtnFrameColor", TTextTarget::Caption},
    {25, "GBButton", TTextTarget::Caption},
    {26, "Label5", TTextTarget::Caption},
    {27, "Label6", TTextTarget::Caption},
    {28, "Label14", TTextTarget::Caption},
    {29, "Label15", TTextTarget::Caption},
    {31, "Buttonizer1", TTextTarget::Hint},
    {32, "RxSlider1", TTextTarget::Hint},
    {32, "Label26", TTextTarget::Caption},
    {33, "ColorBitBtnPBN1Color", TTextTarget::Caption},
    {34, "ColorBitBtnPBN2Color", TTextTarget::Caption},
    {35, "GBCut", TTextTarget::Caption},
    {36, "Label7", TTextTarget::Caption},
    {37, "Label8", TTextTarget::Caption},
    {38, "Label16", TTextTarget::Caption},
    {39, "cbCut", TTextTarget::Caption},
    {40, "RGCutMode", TTextTarget::Items},
    {41, "GBText", TTextTarget::Caption},
    {42, "Label1", TTextTarget::Caption},
    {43, "Label2", TTextTarget::Caption},
    {44, "BitBtnCenterV", TTextTarget::Caption},
    {45, "BitBtnFont", TTextTarget::Caption},
    {46, "BitBtnAdjColor", TTextTarget::Caption},
    {47, "GBOneImg", TTextTarget::Caption},
    {48, "Label31", TTextTarget::Caption},
    {49, "Label11", TTextTarget::Caption},
    {50, "Label12", TTextTarget::Caption},
    {51, "BitBtnShadowColor", TTextTarget::Caption},
    {52, "cbShadow", TTextTarget::Caption},
    {53, "cbDouble", TTextTarget::Caption},
    {54, "GBShadow", TTextTarget::Caption},
    {55, "LabelSh1", TTextTarget::Caption},
    {55, "LabelSh2", TTextTarget::Caption},
    {55, "LabelSh3", TTextTarget::Caption},
    {56, "Label4", TTextTarget::Caption},
    {57, "Label3", TTextTarget::Caption},
    {58, "cbLower", TTextTarget::Caption},
    {59, "RG1", TTextTarget::Caption},
    {60, "RGCutMode", TTextTarget::Caption},
    {61, "cbHTML", TTextTarget::Caption},
    {62, "CBSpacing", TTextTarget::Caption},
    {63, "Label17", TTextTarget::Caption},
    {64, "Label18", TTextTarget::Caption},
    {65, "Label19", TTextTarget::Caption},
    {65, "Label36", TTextTarget::Caption},
    {66, "TBLoadImg", TTextTarget::Hint},
    {67, "TBSaveImg", TTextTarget::Hint},
    {68, "TBLoadTxt", TTextTarget::Hint},
    {69, "TBSaveTxt", TTextTarget::Hint},
    {70, "BitBtnPreset", TTextTarget::Caption},
    {71, "GBjpg", TTextTarget::Caption},
    {72, "GBBnEffect", TTextTarget::Caption},
    {73, "Label22", TTextTarget::Caption},
    {74, "Label23", TTextTarget::Caption},
    {75, "RxSliderPBNOpacity", TTextTarget::Hint},
    {76, "cbNumber", TTextTarget::Caption},
    {77, "BitBtnCycle", TTextTarget::Caption},
    {78, "BitBtnX0Y0", TTextTarget::Hint},
    {79, "TabSheetIcn", TTextTarget::Caption},
    {85, "TBProcess", TTextTarget::Hint},
    {86, "cbNoCapts", TTextTarget::Caption},
    {87, "BitBtnIcnAdj", TTextTarget::Caption},
    {88, "Copytoclipboard1", TTextTarget::Caption},
    {88, "Copytoclipboard2", TTextTarget::Caption},
    {89, "GBIcnPreview", TTextTarget::Caption},
    {90, "BitBtnClrIcn", TTextTarget::Hint},
    {91, "SB1", TTextTarget::Hint},
    {94, "TabSheetDisp", TTextTarget::Caption},
    {108, "RGDisplay0", TTextTarget::Caption},
    {111, "BitBtnBGColor", TTextTarget::Caption},
    {118, "BitBtnBN1Color", TTextTarget::Caption},
    {119, "BitBtnBN2Color", TTextTarget::Caption},
};

constexpr TTextBinding kLaterTexts[] = {
    {30, "BitBtnTRColor", TTextTarget::Caption},
    {80, "Label24", TTextTarget::Caption},
    {81, "Label25", TTextTarget::Caption},
    {82, "BitBtn1", TTextTarget::Hint},
    {83, "BitBtn2", TTextTarget::Hint},
    {84, "BitBtnBullet", TTextTarget::Caption},
    {92, "Label27", TTextTarget::Caption},
    {93, "cbForceDir", TTextTarget::Caption},
    {95, "cbIgnBlank", TTextTarget::Caption},
    {96, "Label28", TTextTarget::Caption},
    {97, "cbPNGTransp", TTextTarget::Caption},
    {98, "ColorBitBtnPNGTr", TTextTarget::Caption},
    {99, "Label30", TTextTarget::Caption},
    {100, "ColorBitBtnBK", TTextTarget::Caption},
    {101, "Label32", TTextTarget::Caption},
    {102, "cbFrameRound", TTextTarget::Caption},
    {103, "Label33", TTextTarget::Caption},
    {104, "Label35", TTextTarget::Caption},
    {105, "RGImgPerBtn", TTextTarget::Caption},
    {106, "RGImgPerBtn", TTextTarget::Items},
    {107, "cbHTMLMap", TTextTarget::Caption},
    {109, "BitBtnCenterV", TTextTarget::Hint},
    {110, "cbRadial", TTextTarget::Caption},
    {112, "cbRoundBtn", TTextTarget::Caption},
    {113, "cbRound3D", TTextTarget::Caption},
    {114, "Label37", TTextTarget::Caption},
    {115, "Label38", TTextTarget::Caption},
    {116, "BitBtnBNBlack", TTextTarget::Caption},
    {117, "BitBtnBNWhite", TTextTarget::Caption},
    {120, "Label39", TTextTarget::Caption},
    {121, "Label40", TTextTarget::Caption},
    {124, "cbAnitAlias", TTextTarget::Caption},
    {125, "Label41", TTextTarget::Caption},
    {126, "cbIcoTRans", TTextTarget::Caption},
    {127, "ColorBitBtnIcoTrans", TTextTarget::Caption},
    {128, "BitBtnXEYE", TTextTarget::Hint},
    {129, "Label42", TTextTarget::Caption},
    {130, "BitBtnRnd", TTextTarget::Hint},
};

// Tool buttons whose hint repeats the caption of the button doing the same.
struct TCopiedHint {
  std::string_view toolButton;
  std::string_view source;
};

constexpr TCopiedHint kCopiedHints[] = {
    {"TBFont", "BitBtnFont"},
    {"TBColor", "BitBtnAdjColor"},
    {"TBPres", "BitBtnPreset"},
};

struct TDialogTexts {
  std::string_view dialog;
  std::size_t filterRow;
  std::size_t titleRow;
};

constexpr TDialogTexts kDialogTexts[] = {
    {"OpenDialog1", ldCaptionsFilter, ldOpenCaptionsTitle},
    {"SaveDialog1", ldCaptionsFilter, ldSaveCaptionsTitle},
    {"OpenPictureDialog1", ldOpenImageFilter, ldOpenImageTitle},
    {"OpenDialog2", ldProjectFilter, ldOpenProjectTitle},
    {"SaveDialog2", ldProjectFilter, ldSaveProjectTitle},
    {"SavePictureDialog1", ldSaveImageFilter, ldSaveImageTitle},
};

// The hints of the controls that show a picture alone (rows of LangNames):
// tool tips, and what screen readers name them by.
struct TNamedHint {
  std::size_t row;
  std::string_view control;
};

constexpr TNamedHint kNamedHints[] = {
    {lnBold, "SpeedBtnB"},         {lnItalic, "SpeedBtnI"},          {lnUnderline, "SpeedBtnU"},
    {lnAlignLeft, "SpeedBtnLeft"}, {lnAlignCenter, "SpeedBtnCen"},   {lnAlignRight, "SpeedBtnRight"},
    {lnAlignTop, "SpeedBtnUp"},    {lnAlignMiddle, "SpeedBtnMid"},   {lnAlignBottom, "SpeedBtnBottom"},
    {lnShowOptions, "BitBtnX"},
};

// A row of LangMenus and the menu item it names.
struct TMenuText {
  std::size_t row;
  std::string_view item;
};

constexpr TMenuText kMenuTexts[] = {
    {0, "File1"},
    {1, "Loadsettings1"},
    {2, "Savesettings1"},
    {3, "Savegeneratedbuttons1"},
    {4, "Openbaseimage1"},
    {4, "OpenImgPop"},
    {5, "Savebaseimage1"},
    {5, "SaveImgPop"},
    {6, "Openbuttoncaptionstextfile1"},
    {7, "Savecaptions1"},
    {8, "Close1"},
    {9, "Button1"},
    {10, "Recreateimage1"},
    {11, "Font1"},
    {12, "Adjustcolor1"},
    {13, "Generateimages1"},
    {14, "Help1"},
    {15, "Zandrelkocom1"},
    {16, "About1"},
    {17, "Presets1"},
    {18, "Processimage1"},
    {19, "HelpMenuItem"},
    {20, "View1"},
    {21, "Textpanelvisible1"},
    {22, "Controlsvisible1"},
    {23, "Outputvisible1"},
    {24, "PayPaldonation1"},
};

TControl& Find(TForm1& form, std::string_view name) {
  TControl* control = form.FindComponent(name);
  if (control == nullptr) throw std::logic_error("No control named " + std::string(name));
  return *control;
}

template <typename T>
T& FindAs(TForm1& form, std::string_view name) {
  auto* control = dynamic_cast<T*>(&Find(form, name));
  if (control == nullptr) throw std::logic_error(std::string(name) + " has the wrong kind");
  return *control;
}

void Apply(TForm1& form, const TTextBinding& binding) {
  const std::string text = Lang(LangControls[binding.row]);
  switch (binding.target) {
    case TTextTarget::Caption:
      Find(form, binding.control).SetCaption(text);
      break;
    case TTextTarget::Hint:
      Find(form, binding.control).SetHint(text);
      break;
    case TTextTarget::Items:
      FindAs<TItemList>(form, binding.control).SetItems(SplitLines(text));
      break;
  }
}

template <typename Group>
void Guarded(Group&& group) {
  try {
    group();
  } catch (const std::exception&) {
    // the rest of this group keeps its texts
  }
}

void ApplyWindowTexts(TForm1& form) {
  for (const TTextBinding& binding : kWindowTexts) Apply(form, binding);
  for (const TCopiedHint& copy : kCopiedHints) Find(form, copy.toolButton).SetHint(Find(form, copy.source).Caption());
}

void ApplyDialogTexts(TForm1& form) {
  for (const TDialogTexts& texts : kDialogTexts) {
    TFileDialog& dialog = FindAs<TFileDialog>(form, texts.dialog);
    dialog.SetFilter(Lang(LangDialogs[texts.filterRow]));
    dialog.SetTitle(Lang(LangDialogs[texts.titleRow]));
  }
}

void ApplyMenuTexts(TForm1& form) {
  for (const TMenuText& menu : kMenuTexts) Find(form, menu.item).SetCaption(Lang(LangMenus[menu.row]));
  form.Loadrecent1.SetCaption(Lang(LangControls[lcLoadRecent]));
  form.Recent1.SetNoneCaption(Lang(LangControls[lcNoneCaption]));
}

void ApplyLaterTexts(TForm1& form) {
  for (const TTextBinding& binding : kLaterTexts) Apply(form, binding);
  for (const TNamedHint& hint : kNamedHints) Find(form, hint.control).SetHint(Lang(LangNames[hint.row]));
}

}  // namespace

void SetLanguage(TForm1& form, int index) {
  SetLangIndex(index);
  Guarded([&] { ApplyWindowTexts(form); });
  Guarded([&] { ApplyDialogTexts(form); });
  Guarded([&] { ApplyMenuTexts(form); });
  Guarded([&] { ApplyLaterTexts(form); });
  Guarded([&] {
    form.UpdateNamesList();
    form.UpdateImageInfo();
  });
  Guarded([&] {
    if (form.Hooks.LanguageChanged) form.Hooks.LanguageChanged(LangIndex);
  });
}

}  // namespace kestrova
