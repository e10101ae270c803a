// The Generate command's work on the window: the buttons made from the
// controls, their previews, the joined images and the layout of the panel.

#include "ui/model/commands/Generate.h"

#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>
#include <unordered_map>

#include "core/generation/ButtonGeneration.h"
#include "core/generation/GenerationError.h"
#include "core/generation/JoinedImages.h"
#include "core/support/Messages.h"
#include "rendering/FontError.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/form/Previews.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

constexpr const char* kErrorGenerating = "Error generating buttons";
constexpr const char* kButtonPreview = "newbutton";
constexpr const char* kAllInOnePreview = "allinone0";
constexpr const char* kPerImagePreview = "muxbutton";
constexpr const char* kButtonPopup = "BtnOnPopup";

CaptionStyle CaptionStyleFromControls(const TForm1& f) {
  CaptionStyle style;
  style.font = f.MemoTxt.Font();
  style.antialias = f.cbAnitAlias.Checked();
  style.ignoreBlank = f.cbIgnBlank.Checked();
  style.layout = TextLayout{AlignmentOf(f.SpeedBtnLeft, f.SpeedBtnCen, f.SpeedBtnRight),
                            AlignmentOf(f.SpeedBtnUp, f.SpeedBtnMid, f.SpeedBtnBottom), f.RxSpinEditTextX.Value(),
                            f.RxSpinEditTextY.Value(), f.RxSpinEditRowOffset.Value()};
  style.shadow = TextShadow{f.cbShadow.Checked(), f.cbDouble.Checked(), f.ShadowColor, f.ShadowOffset};
  return style;
}

JoinLayout JoinLayoutFromControls(const TForm1& f) {
  return JoinLayout{f.RGDisplay.ItemIndex(), f.RxSpinEditMX.Value(), f.RxSpinEditMarSize.Value(),
                    f.RxSpinEditGapSize.Value(), f.ColorBitBtnBK.GlyphColor()};
}

int ClampedProduct(int a, int b) {
  return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) * b, INT_MIN, INT_MAX));
}

// A preview in the panel with the hint it shows and the bitmap it holds, sized to the bitmap.
TImage& AddPreview(TForm1& form, const std::string& name, const std::string& hint, Bitmap picture) {
  TImage& image = form.ScrollBox2.AddImage(name);
  image.SetHint(hint);
  image.SetShowHint(true);
  image.SetPopupMenu(kButtonPopup);
  image.SetStretch(false);
  image.SetBounds(0, 0, 0, 0);
  image.SetPicture(std::move(picture));
  image.SetAutoSize(true);
  image.SetAutoSize(false);
  return image;
}

void AddButtonPreviews(TForm1& form, std::vector<GeneratedButton>& buttons) {
  const int spacing = form.CBSpacing.Checked() ? 2 : 0;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    GeneratedButton& button = buttons[i];
    TImage& image = AddPreview(form, kButtonPreview + std::to_string(i), button.caption, std::move(button.bitmap));
    image.SetTop(ClampedProduct(image.Height() + spacing, static_cast<int>(i)));
  }
}

TSize PictureSize(const TImage& image) { return TSize{image.Picture().Width(), image.Picture().Height()}; }

void JoinAllInOne(TForm1& form, const JoinLayout& layout) {
  TScrollBox& panel = form.ScrollBox2;
  Bitmap joined;
  if (!panel.Empty()) joined = NewJoinedImage(layout, PictureSize(panel.Image(0)), panel.ImageCount());
  for (int i = 0; i < panel.ImageCount(); ++i) {
    const TImage& button = panel.Image(i);
    if (button.Name() == kAllInOnePreview) continue;
    form.MapRects.push_back(PlaceButton(joined, layout, PreviewIndex(button.Name()), button.Picture()));
  }
  form.ClearPreviews();
  AddPreview(form, kAllInOnePreview, Lang(LangControls[lcAllInOneHint]), std::move(joined));
}

void JoinPerImage(TForm1& form, const JoinLayout& layout, int perImage) {
  TScrollBox& panel = form.ScrollBox2;
  const int files = OutputFileCount(form);
  std::unordered_map<std::string, const TImage*> buttons;
  for (int i = panel.ImageCount() - 1; i >= 0; --i) buttons[panel.Image(i).Name()] = &panel.Image(i);
  const bool haveButtons = !panel.Empty();
  const TSize size = haveButtons ? PictureSize(panel.Image(0)) : TSize{};
  for (int k = 0; k < files; ++k) {
    Bitmap joined;
    if (haveButtons) joined = NewJoinedImage(layout, size, perImage);
    for (int j = 0; j < perImage; ++j) {
      const auto found = buttons.find(kButtonPreview + std::to_string(static_cast<long long>(perImage) * k + j));
      if (found == buttons.end()) continue;
      form.MapRects.push_back(PlaceButton(joined, layout, j, found->second->Picture()));
    }
    AddPreview(form, kPerImagePreview + std::to_string(k),
               Lang(LangControls[lcImage]) + " " + std::to_string(k + 1), std::move(joined));
  }
  form.ClearPreviewsNamed(kButtonPreview);
}

void MakePreviews(TForm1& form) {
  std::vector<GeneratedButton> buttons = GenerateButtonSet(ButtonInputFromControls(form));
  AddButtonPreviews(form, buttons);
  const JoinLayout layout = JoinLayoutFromControls(form);
  if (form.RGImgPerBtn.ItemIndex() == 1) JoinAllInOne(form, layout);
  if (form.RGImgPerBtn.ItemIndex() == 2) JoinPerImage(form, layout, form.RxSpinEditBtnPerImg.Value());
}

// Leaves nothing of a failed run behind and reports why it failed.
void ReportFailure(TForm1& form, const std::string& reason) {
  form.ClearPreviews();
  form.MapRects.clear();
  ShowMessageOrLog(std::string(kErrorGenerating) + ": " + reason, mtError, mbOK);
}

}  // namespace

ButtonSetInput ButtonInputFromControls(const TForm1& f) {
  ButtonSetInput input;
  input.lines = f.MemoTxt.Lines();
  input.linesPerButton = f.RxSpinEditRPB.Value();
  input.cut = CutSettings{f.cbCut.Checked(),           f.RGCutMode.ItemIndex(),     f.RxSpinEditCutX.Value(),
                          f.RxSpinEditCutY.Value(),    f.RxSpinEditCutX0.Value(),   f.RxSpinEditCutY0.Value(),
                          f.RxSpinEditMX.Value()};
  const TSettings& s = f.CurrentSettings;
  input.post = PostEffect{s.postBNopacity, s.postBNx, s.postBNy, s.postBNColorBG, s.postBNColorBL};
  input.caption = CaptionStyleFromControls(f);
  input.base = &f.ImageBase.Picture();
  return input;
}

int CaptionLineCount(const TForm1& form) { return form.MemoTxt.LineCount(); }

int ButtonCount(const TForm1& form) { return CountButtons(CaptionLineCount(form), form.RxSpinEditRPB.Value()); }

int OutputFileCount(const TForm1& form) {
  return CountOutputFiles(form.RGImgPerBtn.ItemIndex(), ButtonCount(form), form.RxSpinEditBtnPerImg.Value());
}

bool GenerateButtons(TForm1& form) {
  form.MapRects.clear();
  if (!ReportingGenerationErrors(form, [&form] { MakePreviews(form); })) return false;
  form.ArrangePreviews();
  return true;
}

bool ReportingGenerationErrors(TForm1& form, const std::function<void()>& step) {
  try {
    step();
  } catch (const FontError& e) {
    ReportFailure(form, "the caption font \"" + form.MemoTxt.Font().name + "\" cannot be used: " + e.what());
    return false;
  } catch (const std::bad_alloc&) {
    ReportFailure(form, "not enough memory");
    return false;
  } catch (const std::runtime_error& e) {  // GenerationError, BitmapError
    ReportFailure(form, e.what());
    return false;
  }
  return true;
}

}  // namespace kestrova
