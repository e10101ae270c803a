#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/dialogs/PresetGrid.h"
#include "ui/qt/dialogs/PresetsDialog.h"
#include "ui/qt/widgets/QtText.h"

using namespace kestrova;

namespace {

std::string PresetText(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += "[preset" + std::to_string(i) + "]\r\ngradient=1\r\ngc1=" + std::to_string(0x0000F0 + i) +
            "\r\ngc2=16777215\r\nFrameOn=1\r\nFrameWidth=" + std::to_string(i % 5 + 1) + "\r\n";
  }
  return text;
}

struct PresetsDialogTest : ::testing::Test {
  PresetsDialogTest() {
    std::filesystem::create_directories(sandbox.Shared(""));
    std::filesystem::create_directories(sandbox.Writable(""));
    test::WriteBytes(sandbox.Shared("presets-default.ini"), PresetText(6));
    w.emplace();
    dialog = std::make_unique<qt::PresetsDialog>(w->Form(), w->window->WindowDialogs(), w->window.get());
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get(), test::kNoTimeLimit));
  }
  qt::PresetGrid* Grid() { return dialog->Grid(); }
  QPushButton* Button(const char* name) { return dialog->findChild<QPushButton*>(name); }
  void ClickCell(int cell) {
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->CellRect(cell).center());
  }
  void DrawPreviews() { test::WaitUntil([this] { return Grid()->MissingPreviews() == 0; }); }

  test::ProgramFolderSandbox sandbox;
  std::optional<test::TestWindow> w;
  std::unique_ptr<qt::PresetsDialog> dialog;
};

}  // namespace

TEST_F(PresetsDialogTest, ShowsTheSetsPresetsAsPreviewButtons) {
  EXPECT_EQ(dialog->windowTitle(), "Presets");
  auto* sets = dialog->findChild<QComboBox*>("ComboPresets");
  EXPECT_EQ(sets->count(), 1);
  EXPECT_EQ(sets->currentText(), "default");
  EXPECT_EQ(sets->toolTip().toStdString(), sandbox.Shared("presets-default.ini"));
  ASSERT_EQ(dialog->Model().Cells().size(), 6u);
  EXPECT_EQ(Grid()->CellRect(5), QRect(131, 40, 128, 40));
  DrawPreviews();
  for (int cell = 0; cell < 6; ++cell) {
    QImage expected = qt::ToQImage(
        dialog->Model().Preview(sandbox.Shared("presets-default.ini"), "preset" + std::to_string(cell + 1), false));
    QImage shown = Grid()->Preview(cell).convertToFormat(expected.format());
    ASSERT_EQ(shown.size(), QSize(120, 32)) << cell;
    // The bottom-left pixel takes the button face's colour; the rest is the preset drawn.
    expected.setPixelColor(0, 31, shown.pixelColor(0, 31));
    EXPECT_TRUE(shown == expected) << cell;
  }
  QCheckBox* square = dialog->findChild<QCheckBox*>("cbSquare");
  QTest::mouseClick(square, Qt::LeftButton);
  EXPECT_EQ(Grid()->CellRect(5), QRect(131, 128, 128, 128));
  DrawPreviews();
  EXPECT_EQ(Grid()->Preview(0).size(), QSize(120, 120));
}

TEST_F(PresetsDialogTest, AFirstClickSelectsTheSecondAppliesAndCloses) {
  auto* frameWidth = w->Find<QSpinBox>("RxSpinEditFW");
  frameWidth->setValue(9);
  ClickCell(2);
  EXPECT_EQ(dialog->Model().SelectedPreset(), "preset3");
  EXPECT_EQ(frameWidth->value(), 9);
  EXPECT_TRUE(dialog->isVisible());
  ClickCell(2);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(frameWidth->value(), 4);
  EXPECT_EQ(w->Form().GradientImage1.ColorStart(), 0x0000F3u);
}

TEST_F(PresetsDialogTest, TheKeysMoveTheSelectionAndEnterApplies) {
  Grid()->setFocus();
  QTest::keyClick(Grid(), Qt::Key_Down);
  EXPECT_EQ(dialog->Model().SelectedPreset(), "preset1");
  QTest::keyClick(Grid(), Qt::Key_Down);
  QTest::keyClick(Grid(), Qt::Key_Right);
  EXPECT_EQ(dialog->Model().SelectedPreset(), "preset6");
  QTest::keyClick(Grid(), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(w->Find<QSpinBox>("RxSpinEditFW")->value(), 2);
}

TEST_F(PresetsDialogTest, EscapeClosesLikeClose) {
  ClickCell(0);
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(dialog->Model().ModalResult(), mrCancel);
  EXPECT_EQ(w->Find<QSpinBox>("RxSpinEditFW")->value(), 1);  // nothing applied
}

TEST_F(PresetsDialogTest, PresetsRoundTripThroughTheDialogIntoTheWritableFolder) {
  w->Find<QSpinBox>("RxSpinEditFW")->setValue(7);
  QTest::mouseClick(Button("BBAdd"), Qt::LeftButton);
  ASSERT_EQ(dialog->Model().Cells().size(), 7u);
  const std::string written = sandbox.Writable("presets-default.ini");
  EXPECT_EQ(TIniFile(written).ReadInteger("preset7", "FrameWidth", 0), 7);
  EXPECT_EQ(test::ReadBytes(sandbox.Shared("presets-default.ini")), PresetText(6));

  // Delete, answered No and then Yes.
  ClickCell(0);
  w->answers.messageAnswer = mrNo;
  QTest::mouseClick(Button("BBDel"), Qt::LeftButton);
  EXPECT_EQ(dialog->Model().Cells().size(), 7u);
  w->answers.messageAnswer = mrYes;
  QTest::mouseClick(Button("BBDel"), Qt::LeftButton);
  EXPECT_EQ(w->answers.messages, (std::vector<std::string>(2, "Delete preset?")));
  EXPECT_EQ(dialog->Model().Cells().size(), 6u);
  EXPECT_EQ(dialog->Model().Cells().front().section, "preset2");

  // The added preset applies in a new dialog.
  dialog->close();
  w->Find<QSpinBox>("RxSpinEditFW")->setValue(1);
  dialog = std::make_unique<qt::PresetsDialog>(w->Form(), w->window->WindowDialogs(), w->window.get());
  dialog->show();
  ASSERT_EQ(dialog->Model().Cells().back().section, "preset7");
  ClickCell(5);
  ClickCell(5);
  EXPECT_EQ(w->Find<QSpinBox>("RxSpinEditFW")->value(), 7);
}

TEST_F(PresetsDialogTest, SetsAreMadeAttachedAndRemovedThroughTheButtons) {
  w->answers.input = "Mine";
  QTest::mouseClick(Button("BitBtnSN"), Qt::LeftButton);
  EXPECT_EQ(w->answers.inputBoxes, (std::vector<std::string>{"Create new set of presets | Set name"}));
  auto* sets = dialog->findChild<QComboBox*>("ComboPresets");
  EXPECT_EQ(sets->count(), 2);
  EXPECT_EQ(sets->currentText(), "Mine");
  EXPECT_TRUE(dialog->Model().Cells().empty());

  test::WriteBytes(sandbox.Writable("theirs.ini"), PresetText(2));
  w->answers.files = {sandbox.Writable("theirs.ini")};
  w->answers.input = "Theirs";
  QTest::mouseClick(Button("BitBtnSI"), Qt::LeftButton);
  EXPECT_EQ(w->answers.fileDialogDetails, (std::vector<std::string>{"Attach presets file | INI files (*.ini)|*.ini|All files (*.*)|*.*"}));
  EXPECT_EQ(sets->currentText(), "Theirs");
  EXPECT_EQ(dialog->Model().Cells().size(), 2u);
  EXPECT_EQ(PresetSets.back(), "Theirs=theirs.ini");

  sets->setFocus();
  QTest::keyClick(sets, Qt::Key_Home);  // the user picks the first set
  EXPECT_EQ(CurrentPresetSet, "default");
  EXPECT_EQ(dialog->Model().Cells().size(), 6u);

  w->answers.messageAnswer = mrYes;
  QTest::mouseClick(Button("BitBtnSR"), Qt::LeftButton);
  EXPECT_EQ(w->answers.messages.back(), "Remove set \"default\" ?\r\nFile will not be deleted.");
  EXPECT_EQ(sets->count(), 2);
  EXPECT_EQ(sets->currentText(), "Mine");
  EXPECT_TRUE(std::filesystem::exists(sandbox.Shared("presets-default.ini")));
}

TEST_F(PresetsDialogTest, EveryCaptionFitsInEveryLanguage) {
  for (int language : {lgEnglish, lgPolish, lgGerman, lgSpanish, lgItalian}) {
    dialog->close();
    LangIndex = language;
    dialog->show();
    QCoreApplication::processEvents();
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
      EXPECT_TRUE(test::TextFits(*button)) << button->objectName().toStdString() << " " << language;
    }
    EXPECT_GE(dialog->findChild<QCheckBox*>("cbSquare")->width(),
              dialog->findChild<QCheckBox*>("cbSquare")->sizeHint().width()) << language;
    EXPECT_LE(dialog->findChild<QWidget*>("P1")->minimumSizeHint().width(), dialog->width()) << language;
    EXPECT_LE(dialog->findChild<QWidget*>("P2")->minimumSizeHint().width(), dialog->width()) << language;
  }
  LangIndex = lgEnglish;
}

TEST_F(PresetsDialogTest, RunPresetsDialogGivesWhetherAPresetWasApplied) {
  dialog->close();
  test::WhenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(qt::RunPresetsDialog(w->window.get(), w->Form(), w->window->WindowDialogs()), mrCancel);
  test::WhenModalShown([](QWidget* modal) {
    auto* shown = dynamic_cast<qt::PresetsDialog*>(modal);
    ASSERT_NE(shown, nullptr);
    QTest::keyClick(shown->Grid(), Qt::Key_Down);
    QTest::keyClick(shown->Grid(), Qt::Key_Space);
  });
  EXPECT_EQ(qt::RunPresetsDialog(w->window.get(), w->Form(), w->window->WindowDialogs()), mrOk);
}
