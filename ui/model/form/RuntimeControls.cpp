// The controls the window makes at start: colour buttons, spin edits, sliders,
// the output-folder edit and the splitter, with their bounds, limits, start
// values and handlers. Each handler is set last, so making a control runs none.

#include <array>
#include <utility>

#include "ui/model/form/MainForm.h"

namespace kestrova {

namespace {

using Handler = void (TForm1::*)();

struct ColorButtonEntry {
  TColorBitBtn TForm1::*field;
  TBounds bounds;
  int tabOrder;
  Handler onClick;
};

struct SpinEditEntry {
  TRxSpinEdit TForm1::*field;
  TBounds bounds;
  int minValue;
  int maxValue;
  int value;
  int tabOrder;
  Handler onChange;  // nullptr: none
};

constexpr std::array<ColorButtonEntry, 17> kColorButtons{{
    {&TForm1::BitBtnGC1, {8, 40, 75, 25}, 4, &TForm1::BitBtnGC1Click},
    {&TForm1::BitBtnGC2, {88, 40, 75, 25}, 5, &TForm1::BitBtnGC2Click},
    {&TForm1::BitBtnGC3, {168, 40, 75, 25}, 6, &TForm1::BitBtnGC3Click},
    {&TForm1::BitBtnFrameColor, {248, 34, 101, 25}, 6, &TForm1::BitBtnFrameColorClick},
    {&TForm1::BitBtnBGColor, {6, 118, 113, 25}, 6, &TForm1::BitBtnBGColorClick},
    {&TForm1::BitBtnTRColor, {6, 144, 113, 25}, 7, &TForm1::BitBtnTRColorClick},
    {&TForm1::BitBtnBN1Color, {123, 118, 138, 25}, 8, &TForm1::BitBtnBN1ColorClick},
    {&TForm1::BitBtnBN2Color, {123, 144, 138, 25}, 9, &TForm1::BitBtnBN2ColorClick},
    {&TForm1::BitBtnBNBlack, {264, 118, 89, 25}, 10, &TForm1::BitBtnBNBlackClick},
    {&TForm1::BitBtnBNWhite, {264, 144, 89, 25}, 11, &TForm1::BitBtnBNWhiteClick},
    {&TForm1::ColorBitBtnIcoTrans, {8, 192, 124, 25}, 10, &TForm1::ColorBitBtnIcoTransClick},
    {&TForm1::BitBtnAdjColor, {276, 8, 73, 25}, 1, &TForm1::BitBtnAdjColorClick},
    {&TForm1::ColorBitBtnPBN1Color, {8, 104, 143, 25}, 3, &TForm1::ColorBitBtnPBN1ColorClick},
    {&TForm1::ColorBitBtnPBN2Color, {8, 136, 143, 25}, 4, &TForm1::ColorBitBtnPBN2ColorClick},
    {&TForm1::ColorBitBtnBK, {256, 15, 93, 25}, 2, &TForm1::ColorBitBtnBKClick},
    {&TForm1::BitBtnShadowColor, {230, 22, 113, 25}, 4, &TForm1::BitBtnShadowColorClick},
    {&TForm1::ColorBitBtnPNGTr, {1, 32, 95, 25}, 1, &TForm1::ColorBitBtnPNGTrClick},
}};

constexpr std::array<SpinEditEntry, 36> kSpinEdits{{
    {&TForm1::RxSpinEditFW, {176, 12, 49, 21}, 1, 99, 1, 1, &TForm1::UpdateFrameControls},
    {&TForm1::RxSpinEditFrameMargin, {296, 12, 49, 21}, 0, 999, 1, 2, &TForm1::UpdateFrameControls},
    {&TForm1::RxSpinEditFrameRX, {112, 37, 49, 21}, 0, 999, 1, 4, &TForm1::UpdateFrameControls},
    {&TForm1::RxSpinEditFrameRY, {176, 37, 49, 21}, 0, 999, 1, 5, &TForm1::UpdateFrameControls},
    {&TForm1::RxSpinEditNewX, {64, 16, 49, 21}, 1, 9999, 96, 1, nullptr},
    {&TForm1::RxSpinEditNewY, {64, 40, 49, 21}, 1, 9999, 32, 2, nullptr},
    {&TForm1::RxSpinEditBX, {92, 64, 49, 21}, 0, 99, 3, 3, &TForm1::ApplyButtonEffect},
    {&TForm1::RxSpinEditBY, {92, 88, 49, 21}, 0, 99, 3, 4, &TForm1::ApplyButtonEffect},
    {&TForm1::RxSpinEditAngle, {176, 174, 49, 21}, 0, 360, 0, 14, &TForm1::ApplyButtonEffect},
    {&TForm1::RxSpinEditExtRadius, {296, 174, 49, 21}, 0, 999, 0, 15, &TForm1::ApplyButtonEffect},
    {&TForm1::RxSpinEditSmooth, {176, 196, 49, 21}, 0, 99, 0, 16, &TForm1::ApplyButtonEffect},
    {&TForm1::RxSpinEditRMargin, {296, 196, 49, 21}, 0, 0, 0, 17, &TForm1::ApplyButtonEffect},
    {&TForm1::RxSpinEditGlyphX, {8, 56, 49, 21}, -999, 999, 2, 3, nullptr},
    {&TForm1::RxSpinEditGlyphY, {64, 56, 49, 21}, -999, 999, 2, 4, nullptr},
    {&TForm1::RxSpinEditGlyphW, {8, 96, 49, 21}, 0, 999, 16, 5, nullptr},
    {&TForm1::RxSpinEditGlyphH, {64, 96, 49, 21}, 0, 999, 16, 6, nullptr},
    {&TForm1::RxSpinEditGlyphMargin, {8, 151, 49, 21}, 0, 999, 3, 8, nullptr},
    {&TForm1::RxSpinEditCutX, {128, 32, 49, 21}, 0, 9999, 0, 1, nullptr},
    {&TForm1::RxSpinEditCutY, {128, 56, 49, 21}, 0, 9999, 0, 2, nullptr},
    {&TForm1::RxSpinEditCutX0, {128, 80, 49, 21}, 0, 9999, 0, 3, nullptr},
    {&TForm1::RxSpinEditCutY0, {128, 104, 49, 21}, 0, 9999, 0, 4, nullptr},
    {&TForm1::RxSpinEditRPB, {104, 10, 57, 21}, 1, 10, 1, 0, &TForm1::RxSpinEditRPBChange},
    {&TForm1::RxSpinEditRowOffset, {104, 38, 57, 21}, -99, 99, 0, 1, nullptr},
    {&TForm1::RxSpinEditTextX, {104, 72, 57, 21}, -9999, 9999, 0, 2, nullptr},
    {&TForm1::RxSpinEditTextY, {104, 96, 57, 21}, -9999, 9999, 0, 3, nullptr},
    {&TForm1::RxSpinEditFontSize, {221, 38, 49, 21}, 1, 999, 0, 6, &TForm1::RxSpinEditFontSizeChange},
    {&TForm1::RxSpinEditPBNX, {100, 20, 49, 21}, 0, 99, 1, 0, nullptr},
    {&TForm1::RxSpinEditPBNY, {100, 44, 49, 21}, 0, 99, 1, 1, nullptr},
    {&TForm1::RxSpinEditGapSize, {88, 17, 49, 21}, 0, 99, 0, 0, nullptr},
    {&TForm1::RxSpinEditMarSize, {200, 17, 49, 21}, 0, 99, 0, 1, nullptr},
    {&TForm1::RxSpinEditSX, {150, 3, 57, 21}, -999, 999, 1, 2, &TForm1::UpdateShadowPreview},
    {&TForm1::RxSpinEditSY, {150, 24, 57, 21}, -999, 999, 1, 3, &TForm1::UpdateShadowPreview},
    {&TForm1::RxSpinEditPNGLevel, {16, 80, 57, 21}, 0, 9, 0, 2, nullptr},
    {&TForm1::RxSpinEditMX, {255, 33, 66, 21}, 1, 999, 1, 1, &TForm1::ArrangePreviews},
    {&TForm1::RxSpinEditMX0, {255, 89, 66, 21}, 1, 999, 1, 3, &TForm1::ArrangePreviews},
    {&TForm1::RxSpinEditBtnPerImg, {196, 181, 57, 21}, 2, 999, 2, 5, &TForm1::RxSpinEditBtnPerImgChange},
}};

}  // namespace

void TForm1::CreateColorButton(TColorBitBtn& button, const TBounds& bounds, std::function<void()> onClick,
                               int tabOrder) {
  button.SetBounds(bounds);
  button.SetTabOrder(tabOrder);
  button.SetOnClick(std::move(onClick));
  button.SetGlyphSize(9, 14);
}

void TForm1::CreateSpinEdit(TRxSpinEdit& edit, const TBounds& bounds, std::function<void()> onChange, int value,
                            int maxValue, int minValue, int tabOrder) {
  edit.SetBounds(bounds);
  edit.SetMinValue(minValue);
  edit.SetMaxValue(maxValue);
  edit.SetValue(value);
  edit.SetTabOrder(tabOrder);
  edit.SetOnChange(std::move(onChange));
}

void TForm1::BuildRuntimeControls() {
  for (const ColorButtonEntry& entry : kColorButtons) {
    CreateColorButton(this->*entry.field, entry.bounds, [this, h = entry.onClick] { (this->*h)(); }, entry.tabOrder);
  }
  for (const SpinEditEntry& entry : kSpinEdits) {
    std::function<void()> onChange;
    if (entry.onChange != nullptr) onChange = [this, h = entry.onChange] { (this->*h)(); };
    CreateSpinEdit(this->*entry.field, entry.bounds, std::move(onChange), entry.value, entry.maxValue, entry.minValue,
                   entry.tabOrder);
  }
  CreateSliders();
  DirectoryEdit1.SetBounds({8, 16, 233, 21});
  DirectoryEdit1.SetTabOrder(0);
  RxSplitter1.SetBounds({545, 32, 3, 562});
  RxSplitter1.SetColor(0x00FFFF);  // yellow
  CreatePreviewRenderers();

  // The stored placement and language apply to every control made so far.
  FormStorage1.OnRestorePlacement = [this] { FormStorage1RestorePlacement(); };
  FormStorage1.OnSavePlacement = [this] { FormStorage1SavePlacement(); };
  FormStorage1.RestorePlacement();

  // The batch log: no file until a batch run names it.
  Logger1.UseDate = true;
  Logger1.UseTime = true;
  Logger1.LogPid = false;
  Logger1.CreateIfNoFile = true;
  Logger1.DateFormat = "yyyy-mm-dd";
  Logger1.TimeFormat = "hh:nn:ss";
  Logger1.CommaSep = true;

  SetButtonGroupTabOrders();
}

void TForm1::SetButtonGroupTabOrders() {
  // Each setting moves its control among its siblings: in this sequence every
  // control of the button group ends at the place it is given, the round-button
  // options among the run-time controls.
  const std::pair<TControl*, int> sequence[] = {
      {&BitBtnFrameColor, 6},    {&RxSpinEditNewX, 1},       {&RxSpinEditNewY, 2},   {&RxSpinEditBX, 3},
      {&RxSpinEditBY, 4},        {&RxSlider1, 5},            {&BitBtnBGColor, 6},    {&BitBtnTRColor, 7},
      {&BitBtnBN1Color, 8},      {&BitBtnBN2Color, 9},       {&BitBtnBNBlack, 10},   {&BitBtnBNWhite, 11},
      {&cbRoundBtn, 12},         {&cbRound3D, 13},           {&RxSpinEditAngle, 14}, {&RxSpinEditExtRadius, 15},
      {&RxSpinEditSmooth, 16},   {&RxSpinEditRMargin, 17},
  };
  for (const auto& [control, order] : sequence) control->SetTabOrder(order);
}

void TForm1::CreateSliders() {
  RxSlider1.SetBounds({144, 80, 201, 33});
  RxSlider1.SetIncrement(5);
  RxSlider1.SetShowHint(true);
  RxSlider1.SetTabOrder(5);
  RxSlider1.SetOnChange([this] { ApplyButtonEffect(); });
  RxSliderPBNOpacity.SetBounds({8, 68, 143, 33});
  RxSliderPBNOpacity.SetIncrement(5);
  RxSliderPBNOpacity.SetShowHint(true);
  RxSliderPBNOpacity.SetTabOrder(2);
  RxSliderJPG.SetBounds({5, 16, 40, 193});
  RxSliderJPG.SetVertical(true);
  RxSliderJPG.SetIncrement(2);
  RxSliderJPG.SetMinValue(1);
  RxSliderJPG.SetValue(100);
  RxSliderJPG.SetTabOrder(0);
}

void TForm1::CreatePreviewRenderers() {
  Buttonizer1.SetBounds({120, 16, 161, 41});
  Buttonizer1.SetShowHint(true);
  Buttonizer1.SetColorBG(0xC0C0C0);
  Buttonizer1.SetColorFG(0xFFFFFF);
  Buttonizer1.SetColorBL(0);
  Buttonizer1.SetColorTR(0);
  Buttonizer1.SetOpacity(0);
  Buttonizer1.SetX(15);
  Buttonizer1.SetY(5);
  Buttonizer1.SetFullMix(false);
  Buttonizer1.SetRoundBtn(false);
  Buttonizer1.SetRound3DLike(false);
  Buttonizer1.SetMyblack(0x303030);
  Buttonizer1.SetMywhite(0xEFEFEF);
  Buttonizer1.SetExtRadius(5);
  Buttonizer1.SetExtMargin(0);
  Buttonizer1.SetSmooth(0);
  GradientImage1.SetBounds({8, 70, 340, 24});
  GradientImage1.SetShowHint(true);
  GradientImage1.SetColorStart(0xC0C0C0);
  GradientImage1.SetColorMid(0xFFFFFF);
  GradientImage1.SetColorEnd(0xC0C0C0);
  GradientImage1.SetTwoOnly(false);
  GradientImage1.SetHorizontal(false);
  GradientImage1.SetAsColorMap(false);
  GradientImage1.SetIsRound(false);
}

}  // namespace kestrova
