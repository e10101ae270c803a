// What a screen reader reaches through the accessibility interface: the
// toggles of the check boxes, radio items and speed buttons, the edits' text,
// and the names of the fields.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/form/SetLanguage.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// Runs the action as an assistive technology does (AT-SPI's DoAction).
void DoAction(QWidget* widget, const QString& action) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  ASSERT_NE(accessible, nullptr);
  ASSERT_NE(accessible->actionInterface(), nullptr);
  ASSERT_TRUE(accessible->actionInterface()->actionNames().contains(action)) << action.toStdString();
  accessible->actionInterface()->doAction(action);
}

QRadioButton* Item(QGroupBox* group, const char* text) {
  for (QRadioButton* item : group->findChildren<QRadioButton*>()) {
    if (item->text() == text) return item;
  }
  return nullptr;
}

// The name a screen reader reads for a field: its accessible name or, for a
// combo box (named by its value on this platform), the label it is labelled by.
std::string FieldName(QWidget* widget) {
  if (widget == nullptr) return "(no such widget)";
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  if (accessible->role() != QAccessible::ComboBox) return accessible->text(QAccessible::Name).toStdString();
  const auto labels = accessible->relations(QAccessible::Label);
  return labels.empty() ? "" : labels.front().first->text(QAccessible::Name).toStdString();
}

}  // namespace

TEST(Accessibility, AToggleOrAnEditRunsTheSameHandlerAsTheUsersOwnOnce) {
  TestWindow w;
  TForm1& form = w.Form();
  form.MemoTxt.SetText("Home\r\n");
  ASSERT_EQ(form.MemoNames.Text(), "001_b_home.gif\r\n");

  auto* number = w.Find<QCheckBox>("cbNumber");
  DoAction(number, QAccessibleActionInterface::toggleAction());
  EXPECT_FALSE(form.cbNumber.Checked());
  EXPECT_FALSE(number->isChecked());
  EXPECT_EQ(form.MemoNames.Text(), "b_home.gif\r\n");
  DoAction(number, QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(form.cbNumber.Checked());
  EXPECT_EQ(form.MemoNames.Text(), "001_b_home.gif\r\n");

  QRadioButton* jpg = Item(w.Find<QGroupBox>("RG1"), "JPG");
  ASSERT_NE(jpg, nullptr);
  DoAction(jpg, QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(form.RG1.ItemIndex(), 2);
  EXPECT_EQ(form.MemoNames.Text(), "001_b_home.jpg\r\n");
  EXPECT_EQ(form.PageControl2.ActivePage(), "TabSheet1");

  // A screen reader's edit of the text (AT-SPI's SetTextContents).
  QAccessibleInterface* prefix = QAccessible::queryAccessibleInterface(w.Find<QWidget>("EditPrefix"));
  prefix->editableTextInterface()->replaceText(0, 2, "x_");
  EXPECT_EQ(form.EditPrefix.Text(), "x_");
  EXPECT_EQ(form.MemoNames.Text(), "001_x_home.jpg\r\n");

  // Run twice, the style's toggle would take itself back.
  const int bold = form.MemoTxt.Font().style & fsBold;
  DoAction(w.Find<QToolButton>("SpeedBtnB"), QAccessibleActionInterface::toggleAction());
  EXPECT_NE(form.MemoTxt.Font().style & fsBold, bold);
  EXPECT_EQ(form.SpeedBtnB.Down(), bold == 0);
}

// Fields, buttons that show a picture alone, boxes without a caption: each
// read by its caption, hint or the words of the language.
TEST(Accessibility, EachFieldIsNamedByTheCaptionThatStandsForItInTheInterfaceLanguage) {
  TestWindow w;
  struct Case {
    const char* field;
    const char* english;
    const char* german;
  };
  const Case cases[] = {
      {"RxSpinEditNewX", "Width", "Breite"},
      {"RxSpinEditNewY", "Height", "Höhe"},
      {"RxSlider1", "Opacity of button effect", "Deckkraft des Knopfeffekts"},
      {"RxSpinEditFrameRY", "Rounded, vertical", "Abgerundet, vertikal"},
      {"ComboGIFRC", "Color reduction", "Farbreduzierung"},
      {"EditPrefix", "Name prefix", "Namenspräfix"},
      {"DirectoryEdit1", "Output directory", "Ausgabeordner"},
      {"DirectoryEdit1Browse", "Output directory, browse", "Ausgabeordner, durchsuchen"},
      // The flags, each in its own language; the tool bar's button of the rest.
      {"BitBtnES", "Español", "Español"},
      {"BitBtnDE", "Deutsch", "Deutsch"},
      {"qt_toolbar_ext_button", "More buttons", "Weitere Knöpfe"},
      // Speed buttons and picture-only buttons by their hints.
      {"SpeedBtnB", "Bold", "Fett"},
      {"SpeedBtnBottom", "Align bottom", "Unten ausrichten"},
      {"BitBtnX0Y0", "Set start point", "Startpunkt setzen"},
      {"BitBtnXEYE", "Set end point (determines button size)", "Endpunkt setzen (bestimmt die Knopfgröße)"},
      {"BitBtnClrIcn", "Clear icon", "Symbol entfernen"},
      {"BitBtnRnd", "Generate random colors", "Zufällige Farben erzeugen"},
      {"BitBtnX", "Show or hide options", "Optionen ein- oder ausblenden"},
      // Unnamed boxes by their hints.
      {"MemoTxt", "Button captions - double click to load", "Knopf-Beschriftungen - zum Laden doppelklicken"},
      {"ScrollBox2", "Output preview", "Ausgabevorschau"},
      // One caption for two fields, and captions alike in two groups.
      {"RxSpinEditGlyphX", "Position, horizontal", "Position, horizontal"},
      {"RxSpinEditGlyphH", "Size, Height", "Größe, Höhe"},
      {"RxSpinEditCutY0", "Starting from offset, vertical", "Ab Versatz, vertikal"},
      {"RxSpinEditGlyphMargin", "Adjust to margin of, Margin", "An Rand anpassen, Rand"},
      {"RxSpinEditFrameRX", "Rounded, horizontal", "Abgerundet, horizontal"},
      {"RxSpinEditMX0", "Arrange images (for display/HTML), of columns", "Bilder anordnen (Anzeige/HTML), Spalten"},
      {"RxSliderPBNOpacity", "Opacity", "Deckkraft"},
      {"ComboGIFDTR", "Dithering", "Rasterung"},
  };
  for (const Case& c : cases) EXPECT_EQ(FieldName(w.Find<QWidget>(c.field)), c.english) << c.field;
  SetLanguage(w.Form(), lgGerman);
  for (const Case& c : cases) EXPECT_EQ(FieldName(w.Find<QWidget>(c.field)), c.german) << c.field;
  // A caption broken over two lines is read as the word it is.
  SetLanguage(w.Form(), lgSpanish);
  EXPECT_EQ(FieldName(w.Find<QWidget>("BitBtnPreset")), "Predeterminados");
  EXPECT_EQ(FieldName(w.Find<QWidget>("TBPres")), "Predeterminados");
  SetLanguage(w.Form(), lgItalian);
  EXPECT_EQ(FieldName(w.Find<QWidget>("BitBtnPreset")), "Preimpostazioni");
  SetLanguage(w.Form(), lgEnglish);
}
