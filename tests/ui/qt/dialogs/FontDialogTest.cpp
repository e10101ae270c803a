// The real font dialog: OK on what it opened with gives back the caption font
// in every language, and a family that two foundries make, chosen in it, is
// stored as fontconfig names it and drawn in that family.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "rendering/Canvas.h"
#include "rendering/FontMatch.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/language/Language.h"
#include "ui/qt/dialogs/FontDialog.h"
#include "ui/qt/widgets/QtLanguage.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// Opens the font dialog on `start` in the language, picks `family` in its list
// (its own widgets are the family, style and size edits and lists, in this
// order) unless empty, and presses OK. `shownStyle` gets the style it opened on.
std::optional<TFont> ChooseInDialog(int language, const TFont& start, const QString& family = {},
                                    QString* shownStyle = nullptr) {
  qt::UseQtLanguage(language);
  WhenModalShown([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFontDialog*>(modal);
    if (dialog == nullptr) return;
    if (shownStyle) *shownStyle = dialog->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)[1]->text();
    if (!family.isEmpty()) {
      QListView* families = dialog->findChildren<QListView*>(QString(), Qt::FindDirectChildrenOnly)[0];
      const QModelIndexList found =
          families->model()->match(families->model()->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchExactly);
      if (!found.isEmpty()) families->setCurrentIndex(found[0]);
    }
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  std::optional<TFont> chosen = qt::ChooseFont(start, nullptr);
  qt::UseQtLanguage(lgEnglish);
  return chosen;
}

Bitmap Drawn(const TFont& font) {
  Bitmap b(90, 24);
  b.Fill(clWhite);
  TCanvas canvas(b);
  canvas.Font = font;
  canvas.TextOut(2, 2, "Home");
  return b;
}

}  // namespace

TEST(FontDialog, OkOnWhatItOpenedWithGivesTheSameFontInEveryLanguage) {
  std::vector<TFont> fonts{
      {"DejaVu Sans", 10, fsBold, 1, 0x0000C0, fqAntialiased},
      {"DejaVu Sans", 13, fsBold | fsItalic | fsUnderline | fsStrikeOut, 1, 0, 0},
      {"DejaVu Serif", 9, fsItalic, 1, 0, 0},
      {"MS Sans Serif", 8, 0, 1, 0, 0},  // a family fontconfig does not know
  };
  if (HasFontFamily("URW Gothic")) fonts.push_back({"URW Gothic", 11, fsBold, 1, 0, 0});
  for (int language : {lgEnglish, lgPolish, lgGerman, lgSpanish, lgItalian}) {
    for (const TFont& font : fonts) {
      const std::optional<TFont> chosen = ChooseInDialog(language, font);
      EXPECT_TRUE(chosen && *chosen == font) << language << " " << font.name << " " << int(font.style) << " gave "
                                             << (chosen ? chosen->name + " " + std::to_string(chosen->style) : "");
    }
  }
  QString style;  // a bold caption font opens on the face's bold style, in German too
  ChooseInDialog(lgGerman, fonts[0], {}, &style);
  EXPECT_EQ(style.toStdString(), "Bold");
}

TEST(FontDialog, AFamilyOfTwoFoundriesChosenInItIsDrawnInThatFamily) {
  if (!HasFontFamily("URW Gothic", "UKWN") || !HasFontFamily("URW Gothic", "urw"))
    GTEST_SKIP() << "fontconfig has URW Gothic from fewer than two foundries (fonts-urw-base35)";
  const TFont start{"DejaVu Sans", 12, fsBold, 1, 0, fqAntialiased};
  const std::optional<TFont> chosen = ChooseInDialog(lgGerman, start, "URW Gothic [UKWN]");
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->name, "URW Gothic");  // as fontconfig names it
  TFont other = *chosen;
  other.name = "DejaVu Sans";
  EXPECT_NE(Drawn(*chosen), Drawn(other));
}
