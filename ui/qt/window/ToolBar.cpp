#include "ui/qt/window/ToolBar.h"

#include <QStyle>
#include <QToolButton>

#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/window/FlagIcons.h"

namespace kestrova::qt {

namespace {

struct ToolButton {
  TButton TForm1::*button;
  const char* themeIcon;  // the desktop theme's standard name
  QStyle::StandardPixmap fallback;
};

constexpr ToolButton kCommands[] = {
    {&TForm1::TBLoad, "document-open", QStyle::SP_DialogOpenButton},
    {&TForm1::TBSave, "document-save", QStyle::SP_DialogSaveButton},
    {&TForm1::TBLoadImg, "insert-image", QStyle::SP_FileDialogContentsView},
    {&TForm1::TBSaveImg, "document-save-as", QStyle::SP_DriveFDIcon},
    {&TForm1::TBLoadTxt, "text-x-generic", QStyle::SP_FileIcon},
    {&TForm1::TBSaveTxt, "document-save-as", QStyle::SP_DriveHDIcon},
    {&TForm1::TBNew, "document-new", QStyle::SP_FileDialogNewFolder},
    {&TForm1::TBPres, "view-list-icons", QStyle::SP_FileDialogDetailedView},
    {&TForm1::TBProcess, "image-x-generic", QStyle::SP_DesktopIcon},
    {&TForm1::TBFont, "preferences-desktop-font", QStyle::SP_FileDialogInfoView},
    {&TForm1::TBColor, "preferences-desktop-color", QStyle::SP_DialogHelpButton},
    {&TForm1::TBGen, "system-run", QStyle::SP_MediaPlay},
    {&TForm1::TBSaveBtns, "document-save-all", QStyle::SP_DialogApplyButton},
};

struct FlagButton {
  TButton TForm1::*button;
  TLanguage language;
};

// Left to right: English, Polish, Spanish, Italian, German.
constexpr FlagButton kFlags[] = {
    {&TForm1::BitBtnEN, lgEnglish}, {&TForm1::BitBtnPL, lgPolish}, {&TForm1::BitBtnES, lgSpanish},
    {&TForm1::BitBtnIT, lgItalian}, {&TForm1::BitBtnDE, lgGerman},
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
    const QIcon icon = QIcon::fromTheme(entry.themeIcon, bar->style()->standardIcon(entry.fallback));
    AddButton(bar, form.*entry.button, icon);
  }
  bar->addSeparator();
  for (const FlagButton& entry : kFlags) {
    QAction* action = AddButton(bar, form.*entry.button, FlagIcon(entry.language, kFlagWidth, kFlagHeight));
    QWidget* widget = bar->widgetForAction(action);
    widget->setFocusPolicy(Qt::NoFocus);
    if (auto* tool = qobject_cast<QToolButton*>(widget)) tool->setIconSize(QSize(kFlagWidth, kFlagHeight));
  }
}

}  // namespace kestrova::qt
