// The caption font command and centring the caption lines vertically.

#include "rendering/Canvas.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/form/TextCentering.h"

namespace kestrova {

void TForm1::Font1Click() {
  if (!Hooks.ChooseFont) return;
  const std::optional<TFont> chosen = Hooks.ChooseFont(MemoTxt.Font());
  if (!chosen) return;
  MemoTxt.SetFont(*chosen);
  SyncFontSample(nullptr, &MemoTxt.Font());
  BitBtnAdjColor.SetGlyphColor(MemoTxt.Font().color);
  UpdateMemoColor();
  UpdateShadowPreview();
}

void TForm1::BitBtnCenterVClick() {
  // The line height is measured in the memo font as the base image's canvas draws it.
  Bitmap scratch(1, 1);
  TCanvas canvas(scratch);
  canvas.Font = MemoTxt.Font();
  const int lineHeight = canvas.TextHeight(kLineHeightSample);
  const int lines = RxSpinEditRPB.Value();
  const int gap = RxSpinEditRowOffset.Enabled() ? RxSpinEditRowOffset.Value() : 0;
  // In cut mode the block is centred on the cut height, without the gaps.
  const int top = cbCut.Checked() ? CenteredTextTop(RxSpinEditCutY.Value(), lines, lineHeight, 0)
                                  : CenteredTextTop(ImageBase.Picture().Height(), lines, lineHeight, gap);
  RxSpinEditTextY.SetValue(top);
}

}  // namespace kestrova
