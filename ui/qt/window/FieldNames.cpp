#include "ui/qt/window/FieldNames.h"

#include <QLabel>
#include <string_view>

#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

namespace {

struct FieldCaption {
  std::string_view field;
  std::string_view caption;
};

constexpr FieldCaption kFieldCaptions[] = {
    // New image.
    {"RxSpinEditNewX", "Label5"},
    {"RxSpinEditNewY", "Label6"},
    {"RxSpinEditBX", "Label14"},
    {"RxSpinEditBY", "Label15"},
    {"RxSlider1", "Label26"},
    {"RxSpinEditAngle", "Label37"},
    {"RxSpinEditExtRadius", "Label38"},
    {"RxSpinEditSmooth", "Label39"},
    {"RxSpinEditRMargin", "Label40"},
    {"RxSpinEditFW", "Label13"},
    {"RxSpinEditFrameMargin", "Label33"},
    {"RxSpinEditFrameRX", "cbFrameRound"},
    {"RxSpinEditFrameRY", "cbFrameRound"},
    // Icon.
    {"RxSpinEditGlyphX", "Label24"},
    {"RxSpinEditGlyphY", "Label24"},
    {"RxSpinEditGlyphW", "Label25"},
    {"RxSpinEditGlyphH", "Label25"},
    {"RxSpinEditGlyphMargin", "BitBtnIcnAdj"},
    // Settings.
    {"RxSpinEditRPB", "Label27"},
    {"RxSpinEditRowOffset", "Label41"},
    {"RxSpinEditFontSize", "Label42"},
    {"RxSpinEditTextX", "Label1"},
    {"RxSpinEditTextY", "Label2"},
    {"RxSpinEditCutX", "Label7"},
    {"RxSpinEditCutY", "Label8"},
    {"RxSpinEditCutX0", "Label16"},
    {"RxSpinEditCutY0", "Label16"},
    {"RxSpinEditGapSize", "Label31"},
    {"RxSpinEditMarSize", "Label32"},
    {"RxSpinEditPBNX", "Label22"},
    {"RxSpinEditPBNY", "Label23"},
    // Shadow.
    {"RxSpinEditSX", "Label11"},
    {"RxSpinEditSY", "Label12"},
    // Output.
    {"DirectoryEdit1", "Label3"},
    {"DirectoryEdit1Browse", "Label3"},
    {"EditPrefix", "Label4"},
    {"EditPostfix", "Label17"},
    {"MemoNames", "Label18"},
    {"ComboGIFRC", "Label28"},
    {"ComboGIFCompr", "Label35"},
    {"RxSpinEditPNGLevel", "Label30"},
    // Display: the columns of the arrangement stand before "of columns".
    {"RxSpinEditMX", "Label19"},
    {"RxSpinEditMX0", "Label36"},
    {"RxSpinEditBtnPerImg", "RGImgPerBtn"},
};

QWidget* Named(QWidget* window, std::string_view name) {
  return window->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

void NameFieldsByTheirCaptions(QWidget* window) {
  for (const FieldCaption& pair : kFieldCaptions) {
    QWidget* field = Named(window, pair.field);
    QWidget* caption = Named(window, pair.caption);
    ControlView* view = caption != nullptr ? ViewOf(caption) : nullptr;
    if (field == nullptr || view == nullptr) continue;
    view->NameField(field);
    // A label is also what its first field is labelled by (a combo box is
    // named by its value on this platform: screen readers read the label).
    auto* label = qobject_cast<QLabel*>(caption);
    if (label != nullptr && label->buddy() == nullptr && label->parentWidget() == field->parentWidget()) {
      label->setBuddy(field);
    }
  }
}

}  // namespace kestrova::qt
