#include "ui/qt/window/FieldNames.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <initializer_list>
#include <string_view>

#include "ui/model/language/Language.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"

namespace kestrova::qt {

namespace {

// A field, the captions that name it (the first is the one it is labelled
// by; a group's title goes before it) and the word that tells it from the
// other field of the same caption.
struct FieldName {
  std::string_view field;
  std::string_view caption;
  std::string_view group = {};
  const TLangRow* word = nullptr;
};

const TLangRow* const kHorizontal = &LangNames[lnHorizontal];
const TLangRow* const kVertical = &LangNames[lnVertical];

const FieldName kFieldNames[] = {
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
    {"RxSpinEditFrameRX", "cbFrameRound", {}, kHorizontal},
    {"RxSpinEditFrameRY", "cbFrameRound", {}, kVertical},
    // Icon.
    {"RxSpinEditGlyphX", "Label24", {}, kHorizontal},
    {"RxSpinEditGlyphY", "Label24", {}, kVertical},
    {"RxSpinEditGlyphW", "Label25", {}, &LangControls[26]},
    {"RxSpinEditGlyphH", "Label25", {}, &LangControls[27]},
    {"RxSpinEditGlyphMargin", "BitBtnIcnAdj", {}, &LangControls[101]},
    // Settings.
    {"RxSpinEditRPB", "Label27"},
    {"RxSpinEditRowOffset", "Label41"},
    {"RxSpinEditFontSize", "Label42"},
    {"RxSpinEditTextX", "Label1"},
    {"RxSpinEditTextY", "Label2"},
    {"RxSpinEditCutX", "Label7"},
    {"RxSpinEditCutY", "Label8"},
    {"RxSpinEditCutX0", "Label16", {}, kHorizontal},
    {"RxSpinEditCutY0", "Label16", {}, kVertical},
    {"RxSpinEditGapSize", "Label31"},
    {"RxSpinEditMarSize", "Label32"},
    {"RxSpinEditPBNX", "Label22"},
    {"RxSpinEditPBNY", "Label23"},
    // Shadow.
    {"RxSpinEditSX", "Label11"},
    {"RxSpinEditSY", "Label12"},
    // Output.
    {"DirectoryEdit1", "Label3"},
    {"DirectoryEdit1Browse", "Label3", {}, &LangNames[lnBrowse]},
    {"EditPrefix", "Label4"},
    {"EditPostfix", "Label17"},
    {"MemoNames", "Label18"},
    {"ComboGIFRC", "Label28"},
    {"ComboGIFDTR", {}, {}, &LangNames[lnDithering]},
    {"ComboGIFCompr", "Label35"},
    {"RxSpinEditPNGLevel", "Label30"},
    // Display: the columns of each arrangement stand before "of columns".
    {"RxSpinEditMX", "Label19", "RGDisplay"},
    {"RxSpinEditMX0", "Label36", "RGDisplay0"},
    {"RxSpinEditBtnPerImg", "RGImgPerBtn"},
};

QWidget* Named(const QWidget* window, std::string_view name) {
  if (name.empty()) return nullptr;
  return window->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// The caption of the control a widget shows, as it is read.
QString CaptionOf(const QWidget* widget) {
  const ControlView* view = widget != nullptr ? ViewOf(widget) : nullptr;
  return view != nullptr ? SpokenText(ToQt(view->Control().Caption())) : QString();
}

// Parts joined by ", "; a caption that ends in a colon loses it when more follows.
QString Joined(std::initializer_list<QString> parts) {
  QStringList kept;
  for (const QString& part : parts) {
    if (!part.isEmpty()) kept << part;
  }
  for (qsizetype i = 0; i + 1 < kept.size(); ++i) {
    if (kept[i].endsWith(QLatin1Char(':'))) kept[i].chop(1);
  }
  return kept.join(QStringLiteral(", "));
}

// The label a field is labelled by: its caption's label beside it, else (a
// combo box without one) a hidden label of its own.
void Label(QWidget* field, QWidget* caption, const QString& name) {
  auto* label = qobject_cast<QLabel*>(caption);
  if (label != nullptr && label->parentWidget() == field->parentWidget()) {
    if (label->buddy() == nullptr) label->setBuddy(field);
    return;
  }
  if (qobject_cast<QComboBox*>(field) == nullptr) return;
  const QString hiddenName = field->objectName() + QStringLiteral("Name");
  auto* hidden = field->parentWidget()->findChild<QLabel*>(hiddenName, Qt::FindDirectChildrenOnly);
  if (hidden == nullptr) {
    hidden = new QLabel(field->parentWidget());
    hidden->setObjectName(hiddenName);
    hidden->setTextFormat(Qt::PlainText);
    hidden->hide();
    hidden->setBuddy(field);
  }
  hidden->setText(name);
}

}  // namespace

void NameFieldsByTheirCaptions(QWidget* window) {
  for (const FieldName& entry : kFieldNames) {
    QWidget* field = Named(window, entry.field);
    if (field == nullptr) continue;
    QWidget* caption = Named(window, entry.caption);
    const QString word = entry.word != nullptr ? ToQt(Lang(*entry.word)) : QString();
    const QString name = Joined({CaptionOf(Named(window, entry.group)), CaptionOf(caption), word});
    NameForScreenReaders(field, name);
    Label(field, caption, name);
  }
}

}  // namespace kestrova::qt
