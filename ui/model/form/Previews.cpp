// The output panel's previews: removing them and laying them out, and the
// base-image information line.

#include "ui/model/form/Previews.h"

#include <algorithm>
#include <climits>

#include "core/support/StrLib.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/language/FormatText.h"

namespace kestrova {

int PreviewIndex(std::string_view name) {
  return name.size() > 9 ? StrToIntDef(name.substr(9), 0) : 0;
}

namespace {

// Product of a pixel step and a preview number, kept within the int range.
int Offset(int step, int n) {
  const long long v = static_cast<long long>(step) * n;
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

std::string DepthText(PixelFormat format) {
  switch (format) {
    case PixelFormat::pf1bit: return "1 bit";
    case PixelFormat::pf4bit: return "4 bit";
    case PixelFormat::pf8bit: return "8 bit";
    case PixelFormat::pf15bit: return "15 bit";
    case PixelFormat::pf16bit: return "16 bit";
    case PixelFormat::pf24bit: return "24 bit";
    case PixelFormat::pf32bit: return "32 bit";
  }
  return "???";
}

}  // namespace

std::string ImageInfoText(const Bitmap* bitmap, const std::string& fileName) {
  if (bitmap == nullptr || bitmap->Width() == 0) return Lang(LangMessages[lmEmptyImage]);
  const std::string size = std::to_string(bitmap->Width()) + "x" + std::to_string(bitmap->Height()) + " x " +
                           DepthText(bitmap->Format());
  return FormatText(Lang(LangMessages[lmImageInfo]), {size, fileName});
}

void TForm1::UpdateImageInfo() {
  LabelInfo.SetCaption(ImageInfoText(&ImageBase.Picture(), CurrentSettings.image_file));
}

void TForm1::ClearPreviews() {
  ScrollBox2.RemoveImagesIf([](const TImage&) { return true; });
}

void TForm1::ClearPreviewsNamed(const std::string& prefix) {
  ScrollBox2.RemoveImagesIf([&prefix](const TImage& image) { return image.Name().starts_with(prefix); });
}

void TForm1::ArrangePreviews() {
  const int gap = CBSpacing.Checked() ? 2 : 0;
  const bool perImage = RGImgPerBtn.ItemIndex() == 2;
  const int mode = perImage ? RGDisplay0.ItemIndex() : RGDisplay.ItemIndex();
  const int columns = perImage ? RxSpinEditMX0.Value() : RxSpinEditMX.Value();
  int row = 0;
  for (int i = 0; i < ScrollBox2.ImageCount(); ++i) {
    TImage& image = ScrollBox2.Image(i);
    const int n = PreviewIndex(image.Name());
    const int w = image.Width(), h = image.Height();
    switch (mode) {
      case 0:
        image.SetBounds(0, Offset(h + gap, n), w, h);
        break;
      case 1:
        image.SetBounds(Offset(w + gap, n), 0, w, h);
        break;
      case 2: {
        const int c = columns > 0 ? n % columns : 0;
        if (c == 0) ++row;
        image.SetBounds(Offset(w + gap, c), Offset(h + gap, row - 1), w, h);
        break;
      }
      default:
        break;
    }
  }
}

}  // namespace kestrova
