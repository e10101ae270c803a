#include "ui/qt/window/ToolBar.h"

#include <QStyle>
#include <QToolButton>
#include <optional>

#include "ui/model/language/Language.h"
#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/window/FlagIcons.h"
#include "ui/qt/window/ToolIcons.h"

namespace kestrova::qt {

namespace {

// A command's picture: the desktop theme's icon of that standard name, else
// Qt's standard icon, else our own drawing.
struct ToolButton {
  TButton TForm1::*button;
  const char* themeIcon;  // a standard freedesktop name, or nullptr when none fits
  // Exactly one of these two.
  std::optional<QStyle::StandardPixmap> standard;
  std::optional<ToolIcon> drawn;
};

const ToolButton kCommands[] = {
    {&TForm1::TBLoad, "document-open", QStyle::SP_DialogOpenButton, std::nullopt},
    {&TForm1::TBSave, "document-save", QStyle::SP_DialogSaveButton, std::nullopt},
    {&TForm1::TBLoadImg, "insert-image", std::nullopt, ToolIcon::OpenPicture},
    {&TForm1::TBSaveImg, nullptr, std::nullopt, ToolIcon::SavePicture},
    {&TForm1::TBLoadTxt, "insert-text", std::nullopt, ToolIcon::OpenText},
    {&TForm1::TBSaveTxt, nullptr, std::nullopt, ToolIcon::SaveText},
    {&TForm1::TBNew, "document-new", std::nullopt, ToolIcon::NewPicture},
    {&TForm1::TBPres, nullptr, std::nullopt, ToolIcon::Presets},
    {&TForm1::TBProcess, nullptr, std::nullopt, ToolIcon::ProcessImage},
    {&TForm1::TBFont, "preferences-desktop-font", std::nullopt, ToolIcon::Font},
    {&TForm1::TBColor, nullptr, std::nullopt, ToolIcon::TextColor},
    {&TForm1::TBGen, "system-run", QStyle::SP_MediaPlay, std::nullopt},
    {&TForm1::TBSaveBtns, nullptr, std::nullopt, ToolIcon::SaveButtons},
};

QIcon CommandIcon(const ToolButton& entry, const QStyle* style) {
  if (entry.themeIcon != nullptr && QIcon::hasThemeIcon(entry.themeIcon)) return QIcon::fromTheme(entry.themeIcon);
  if (entry.standard) return style->standardIcon(*entry.standard);
  return DrawnToolIcon(*entry.drawn);
}

struct FlagButton {
  TButton TForm1::*button;
  TLanguage language;
  const char* name;  // the language's own name for itself
};

// Left to right: English, Polish, Spanish, Italian, German.
constexpr FlagButton kFlags[] = {
    {&TForm1::BitBtnEN, lgEnglish, "English"},  {&TForm1::BitBtnPL, lgPolish, "Polski"},
    {&TForm1::BitBtnES, lgSpanish, "Español"}, {&TForm1::BitBtnIT, lgItalian, "Italiano"},
    {&TForm1::BitBtnDE, lgGerman, "Deutsch"},
};

constexpr int kFlagWidth = 32;
constexpr int kFlagHeight = 22;

QAction* AddButton(QToolBar* bar, TButton& button, const QIcon& icon) {
  QAction* action = bar->addAction(icon, QString());
  action->setObjectName(QString::fromStdString(button.Name()));
  new ActionView(button, action);
  bar->widgetForAction(action)->setObjectName(action->objectName());
  return action;
}

}  // namespace

void BuildToolBar(QToolBar* bar, TForm1& form) {
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const ToolButton& entry : kCommands) {
    AddButton(bar, form.*entry.button, CommandIcon(entry, bar->style()));
  }
  bar->addSeparator();
  for (const FlagButton& entry : kFlags) {
    QAction* action = AddButton(bar, form.*entry.button, FlagIcon(entry.language, kFlagWidth, kFlagHeight));
    QWidget* widget = bar->widgetForAction(action);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAccessibleName(QString::fromUtf8(entry.name));
    if (auto* tool = qobject_cast<QToolButton*>(widget)) tool->setIconSize(QSize(kFlagWidth, kFlagHeight));
  }
  NameToolBarExtension(bar);
}

void NameToolBarExtension(QToolBar* bar) {
  // Qt's own button, shown when the window is too narrow for every button.
  auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
  if (more != nullptr) more->setAccessibleName(ToQt(Lang(LangNames[lnMoreButtons])));
}

}  // namespace kestrova::qt
