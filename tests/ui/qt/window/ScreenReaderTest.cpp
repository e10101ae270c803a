// What a screen reader meets through the accessibility interface: every
// control of the main window and of each dialog named in every language, the
// names telling neighbours apart, and the lists of presets, icons and
// previews read and chosen item by item.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <map>
#include <sstream>

#include "core/images/BmpWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/form/SetLanguage.h"
#include "ui/qt/dialogs/AboutBox.h"
#include "ui/qt/dialogs/PresetGrid.h"
#include "ui/qt/dialogs/PresetsDialog.h"
#include "ui/qt/dialogs/ProcessDialog.h"
#include "ui/qt/widgets/SpokenText.h"
#include "ui/qt/widgets/WWWLabel.h"

using namespace kestrova;

namespace {

constexpr TLanguage kLanguages[] = {lgEnglish, lgPolish, lgGerman, lgSpanish, lgItalian};

// The roles of what a user acts on (containers and plain texts are not).
bool IsControlRole(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Link:
    case QAccessible::PageTab:
      return true;
    default:
      return false;
  }
}

// The widget an interface stands for, or that of its nearest parent.
QWidget* WidgetOf(QAccessibleInterface* iface) {
  for (QAccessibleInterface* at = iface; at != nullptr; at = at->parent()) {
    if (auto* widget = qobject_cast<QWidget*>(at->object())) return widget;
  }
  return nullptr;
}

bool IsControl(QAccessibleInterface* iface) {
  if (IsControlRole(iface->role())) return true;
  // A box the keyboard reaches (the base image's, the picture of a dialog).
  auto* widget = qobject_cast<QWidget*>(iface->object());
  return qobject_cast<QAbstractScrollArea*>(widget) != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0;
}

// The group a control's name must be unique in: its group box, page, tool bar
// or window.
const QWidget* GroupOf(const QWidget* widget) {
  for (const QWidget* at = widget->parentWidget(); at != nullptr; at = at->parentWidget()) {
    if (qobject_cast<const QGroupBox*>(at) != nullptr || qobject_cast<const QToolBar*>(at) != nullptr || at->isWindow()) {
      return at;
    }
    if (qobject_cast<const QStackedWidget*>(at->parentWidget()) != nullptr) return at;  // a page
  }
  return nullptr;
}

// The name a screen reader reads: a combo box (named by its value on this
// platform) is read by the label it is labelled by.
QString NameOf(QAccessibleInterface* iface) {
  if (iface->role() != QAccessible::ComboBox) return iface->text(QAccessible::Name);
  const auto labels = iface->relations(QAccessible::Label);
  return labels.empty() ? QString() : labels.front().first->text(QAccessible::Name);
}

std::string PathOf(QAccessibleInterface* iface) {
  QWidget* widget = WidgetOf(iface);
  std::string path = widget != nullptr ? widget->objectName().toStdString() : "?";
  if (iface->object() == nullptr) path += " item";
  return path + " (role " + std::to_string(iface->role()) + ")";
}

// Every fault of the controls under `root`: an empty name, a name with a line
// break, two controls of one group with the same name.
std::vector<std::string> NameFaults(QWidget* root) {
  std::vector<std::string> faults;
  std::map<std::pair<const QWidget*, QString>, std::string> seen;
  std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(root)};
  while (!todo.empty()) {
    QAccessibleInterface* iface = todo.back();
    todo.pop_back();
    // (A combo box is read by its value: its list of values is not walked.)
    for (int i = 0; i < iface->childCount() && iface->role() != QAccessible::ComboBox; ++i) {
      if (QAccessibleInterface* child = iface->child(i)) todo.push_back(child);
    }
    if (!IsControl(iface)) continue;
    const QString name = NameOf(iface);
    const std::string path = PathOf(iface);
    if (name.trimmed().isEmpty()) faults.push_back(path + ": no name");
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')) || name.contains(QChar(0x00AD))) {
      faults.push_back(path + ": a line break in \"" + name.toStdString() + "\"");
    }
    // Items are told apart by their list; a tab by its tab bar.
    if (iface->object() == nullptr || iface->role() == QAccessible::PageTab || name.isEmpty()) continue;
    const auto [at, fresh] = seen.emplace(std::pair(GroupOf(WidgetOf(iface)), name), path);
    if (!fresh) faults.push_back(path + " and " + at->second + " share the name \"" + name.toStdString() + "\"");
  }
  return faults;
}

std::string Listed(const std::vector<std::string>& lines) {
  std::ostringstream out;
  for (const std::string& line : lines) out << "  " << line << "\n";
  return out.str();
}

void WriteIcon(const std::string& path, TColor colour) {
  Bitmap b(8, 8);
  b.Fill(colour);
  const std::vector<std::uint8_t> bytes = EncodeBmp(b);
  test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

QAccessibleInterface* Accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// Runs an action as an assistive technology does (AT-SPI's DoAction).
void Do(QAccessibleInterface* iface, const QString& action) {
  ASSERT_NE(iface, nullptr);
  ASSERT_NE(iface->actionInterface(), nullptr);
  ASSERT_TRUE(iface->actionInterface()->actionNames().contains(action)) << action.toStdString();
  iface->actionInterface()->doAction(action);
}

// The names of a list's items, and which of them are selected.
std::vector<std::string> ItemNames(QWidget* list) {
  std::vector<std::string> names;
  QAccessibleInterface* iface = Accessible(list);
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* item = iface->child(i);
    names.push_back(item->text(QAccessible::Name).toStdString() + (item->state().selected ? " [selected]" : ""));
  }
  return names;
}

// A window with what every list shows: six presets, two icons, two previews.
struct ScreenReader : ::testing::Test {
  ScreenReader() {
    std::filesystem::create_directories(sandbox.Shared(""));
    std::filesystem::create_directories(sandbox.Writable("icons"));
    std::string presets;
    for (int i = 1; i <= 6; ++i) presets += "[preset" + std::to_string(i) + "]\r\ngradient=1\r\nFrameOn=1\r\n";
    test::WriteBytes(sandbox.Shared("presets-default.ini"), presets);
    WriteIcon(sandbox.Writable("icons/red.bmp"), 0x0000FF);
    WriteIcon(sandbox.Writable("icons/blue.bmp"), 0xFF0000);
    w.emplace();
    w->answers.files = {sandbox.Writable("icons/red.bmp"), sandbox.Writable("icons/blue.bmp")};
    QTest::mouseClick(w->Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    test::GeneratePreviews(*w, "Home\r\nNews\r\n");
    w->window->OutputPanel()->Sync();
    Palette()->Sync();
  }
  ~ScreenReader() override { SetLanguage(w->Form(), lgEnglish); }
  TForm1& Form() { return w->Form(); }
  qt::ImageBoxView* Palette() { return w->Find<qt::ImageBoxView>("SB1"); }

  test::ProgramFolderSandbox sandbox;
  std::optional<test::TestWindow> w;
};

}  // namespace

TEST_F(ScreenReader, EveryControlOfTheWindowAndItsDialogsIsNamedApartFromItsNeighboursInEveryLanguage) {
  for (const TLanguage language : kLanguages) {
    SetLanguage(Form(), language);
    const std::string in = " in language " + std::to_string(language) + ":\n";
    EXPECT_EQ(NameFaults(w->window.get()), std::vector<std::string>{}) << "main window" << in
                                                                       << Listed(NameFaults(w->window.get()));
    {
      qt::PresetsDialog presets(Form(), w->window->WindowDialogs(), w->window.get());
      presets.show();
      EXPECT_EQ(NameFaults(&presets), std::vector<std::string>{}) << "presets" << in << Listed(NameFaults(&presets));
    }
    {
      qt::ProcessDialog process(Form(), w->window.get());
      process.show();
      EXPECT_EQ(NameFaults(&process), std::vector<std::string>{}) << "process" << in << Listed(NameFaults(&process));
    }
    {
      qt::AboutBox about(Form(), qt::AboutBox::DefaultAboutBoxSources(), w->window.get());
      about.show();
      EXPECT_EQ(NameFaults(&about), std::vector<std::string>{}) << "about" << in << Listed(NameFaults(&about));
    }
  }
}

TEST_F(ScreenReader, AFlagPressedThroughTheInterfaceSwitchesTheLanguageAndTheHintUnderTheMouseFollows) {
  QWidget* memo = w->Find<QWidget>("MemoTxt");
  QCursor::setPos(memo->mapToGlobal(memo->rect().center()));
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(memo, &enter);
  ASSERT_EQ(Form().StatusBar1.PanelText(0), "Button captions - double click to load");

  Do(Accessible(w->Find<QWidget>("BitBtnPL")), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(LangIndex, lgPolish);
  EXPECT_EQ(Form().StatusBar1.PanelText(0), Lang(LangControls[0]));
  EXPECT_EQ(w->window->statusBar()->findChildren<QLabel*>().front()->text().toStdString(), Lang(LangControls[0]));
}

TEST_F(ScreenReader, TheIconPaletteListsItsIconsAndAPressChoosesOneThatUseDraws) {
  QWidget* palette = Palette();
  EXPECT_EQ(Accessible(palette)->role(), QAccessible::List);
  EXPECT_EQ(ItemNames(palette), (std::vector<std::string>{"red.bmp", "blue.bmp"}));

  Do(Accessible(palette)->child(1), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Form().BulletIndex, 1);
  EXPECT_EQ(ItemNames(palette), (std::vector<std::string>{"red.bmp", "blue.bmp [selected]"}));
  // Clearing the icon clears the selection a screen reader reads (a push
  // button pressed through the interface clicks itself a moment later).
  Do(Accessible(w->Find<QWidget>("BitBtnClrIcn")), QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(QTest::qWaitFor([this] { return Form().BulletIndex == -1; }));
  EXPECT_EQ(ItemNames(palette), (std::vector<std::string>{"red.bmp", "blue.bmp"}));

  // The red icon chosen and used, all through the interface.
  Bitmap base(20, 20);
  base.Fill(0x00FF00);
  Form().ImageBase.SetPicture(base);
  Do(Accessible(palette)->child(0), QAccessibleActionInterface::pressAction());
  Form().Timer1Timer();
  Do(Accessible(w->Find<QWidget>("BitBtnBullet")), QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([this] { return Form().ImageBase.Picture().GetPixel(4, 4) == 0x0000FFu; }));
}

TEST_F(ScreenReader, TheOutputPanelListsEachPreviewByItsCaptionAndFileName) {
  qt::ImageBoxView* panel = w->window->OutputPanel();
  EXPECT_EQ(ItemNames(panel), (std::vector<std::string>{"Home, 001_b_home.gif", "News, 002_b_news.gif"}));
  Do(Accessible(panel)->child(1), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(ItemNames(panel), (std::vector<std::string>{"Home, 001_b_home.gif", "News, 002_b_news.gif [selected]"}));
  panel->setFocus();
  EXPECT_EQ(Accessible(panel)->focusChild(), Accessible(panel)->child(1));
  EXPECT_TRUE(Accessible(panel)->child(1)->state().focused);
  EXPECT_EQ(Accessible(panel)->childAt(panel->viewport()->mapToGlobal(QPoint(2, 2)).x(),
                                      panel->viewport()->mapToGlobal(QPoint(2, 2)).y()),
            Accessible(panel)->child(0));
}

TEST_F(ScreenReader, ThePresetsGridListsItsPresetsAndASecondPressAppliesOne) {
  qt::PresetsDialog dialog(Form(), w->window->WindowDialogs(), w->window.get());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  qt::PresetGrid* grid = dialog.Grid();
  EXPECT_EQ(Accessible(grid)->text(QAccessible::Name), "Presets");
  EXPECT_EQ(ItemNames(grid), (std::vector<std::string>{"preset1", "preset2", "preset3", "preset4", "preset5",
                                                       "preset6"}));
  // The focus is on the first preset before any key, none selected yet.
  EXPECT_TRUE(Accessible(grid)->child(0)->state().focused);

  Form().cbFrame.SetChecked(false);
  Do(Accessible(grid)->child(2), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(dialog.Model().SelectedPreset(), "preset3");
  EXPECT_TRUE(Accessible(grid)->child(2)->state().selected);
  EXPECT_FALSE(Form().cbFrame.Checked());
  EXPECT_TRUE(dialog.isVisible());
  Do(Accessible(grid)->child(2), QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(Form().cbFrame.Checked());
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ScreenReader, ThePresetsGridAndThePictureShowTheFocusBeforeAnyKey) {
  qt::PresetsDialog dialog(Form(), w->window->WindowDialogs(), w->window.get());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  qt::PresetGrid* grid = dialog.Grid();
  const QColor mark = grid->palette().color(QPalette::Highlight);
  const QRect first = grid->CellRect(0);
  const auto marked = [&] { return grid->viewport()->grab().toImage().pixelColor(first.left(), first.center().y()); };
  grid->clearFocus();
  ASSERT_NE(marked(), mark);
  grid->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(marked(), mark);
  // The first arrow selects the preset that carries the mark.
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(dialog.Model().SelectedPreset(), "preset1");

  Form().ImageBase.SetPicture(Bitmap(300, 300));
  qt::ProcessDialog process(Form(), w->window.get());
  process.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&process));
  auto* picture = process.findChild<QScrollArea*>("ScrollBox1");
  picture->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(picture->hasFocus());
  EXPECT_EQ(picture->grab().toImage().pixelColor(0, picture->height() / 2), mark);
  EXPECT_EQ(NameOf(Accessible(picture)), "Picture");
  EXPECT_EQ(NameOf(Accessible(process.findChild<QSpinBox*>("RxSpinEditRY"))), "New size, height");
}

TEST_F(ScreenReader, TheAboutLinkIsALinkThatAPressOpens) {
  qt::AboutBox about(Form(), qt::AboutBox::DefaultAboutBoxSources(), w->window.get());
  about.show();
  auto* link = about.findChild<qt::WWWLabel*>("LabelWeb");
  ASSERT_NE(link, nullptr);
  int opened = 0;
  link->OnClick = [&opened] { ++opened; };
  QAccessibleInterface* iface = Accessible(link);
  EXPECT_EQ(iface->role(), QAccessible::Link);
  EXPECT_EQ(iface->text(QAccessible::Name), link->text());
  Do(iface, QAccessibleActionInterface::pressAction());
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(NameOf(Accessible(about.findChild<QWidget*>("MemoSys"))), "System information");
}

TEST(SpokenText, ReadsACaptionAsItsWordsWithoutBreaksOrAccessMarks) {
  const std::pair<const char*, const char*> cases[] = {
      {"Predeter-\nminados", "Predeterminados"},
      {"Preimposta-\r\nzioni", "Preimpostazioni"},
      {"Note: this always centers for given\r\nrows per button", "Note: this always centers for given rows per button"},
      {"Vertical\n\nMatrix", "Vertical Matrix"},
      {"a -\nb", "a - b"},  // a dash between words stays
      {"x-\n", "x-"},
      {"Soft\u00ADhyphen", "Softhyphen"},
      {"&Add", "Add"},
      {"Fish && Chips", "Fish & Chips"},
      {"", ""},
  };
  for (const auto& [text, spoken] : cases) EXPECT_EQ(qt::SpokenText(QString::fromUtf8(text)), spoken) << text;
}
