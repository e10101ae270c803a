// Qt's own words follow the interface language: the standard buttons of the
// exit question and of button boxes.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/widgets/QtLanguage.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

QString YesText(const QDialogButtonBox& box) { return box.button(QDialogButtonBox::Yes)->text().remove('&'); }

}  // namespace

TEST(QtLanguage, TheGermanFlagGivesQtsButtonsTheirGermanWords) {
  TestWindow w;
  QDialogButtonBox before(QDialogButtonBox::Yes | QDialogButtonBox::No);
  EXPECT_EQ(YesText(before), "Yes");

  w.Find<QToolButton>("BitBtnDE")->click();
  QCoreApplication::processEvents();
  QDialogButtonBox after(QDialogButtonBox::Yes | QDialogButtonBox::No);
  EXPECT_EQ(YesText(after), "Ja");
  EXPECT_EQ(after.button(QDialogButtonBox::No)->text().remove('&'), "Nein");
  EXPECT_EQ(YesText(before), "Ja");  // a box already shown changes with the language

  // The exit question as the window asks it, with its standard buttons.
  w.window->WindowDialogs().MessageBox = qt::DefaultDialogs(w.window.get()).MessageBox;
  QString yes;
  QString question;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    question = box->text();
    yes = box->button(QMessageBox::Yes)->text().remove('&');
    box->button(QMessageBox::No)->click();
  });
  w.window->close();
  EXPECT_TRUE(w.window->isVisible());
  EXPECT_EQ(question, "Anwendung beenden (ungesicherte Arbeit wird nicht gesichert)?");
  EXPECT_EQ(yes, "Ja");

  w.Find<QToolButton>("BitBtnPL")->click();
  EXPECT_EQ(YesText(QDialogButtonBox(QDialogButtonBox::Yes)), "Tak");
  w.Find<QToolButton>("BitBtnEN")->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(YesText(before), "Yes");
}

TEST(QtLanguage, EveryLanguageButEnglishHasQtsTranslation) {
  EXPECT_EQ(qt::QtLanguageCode(lgEnglish), "");
  for (int lang : {lgPolish, lgGerman, lgSpanish, lgItalian}) {
    qt::UseQtLanguage(lang);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_NE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancel") << lang;
  }
  qt::UseQtLanguage(lgEnglish);
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancel");
}
