#include "ui/qt/window/MenuBar.h"

#include <QMenu>
#include <vector>

#include "ui/qt/widgets/ButtonView.h"

namespace kestrova::qt {

namespace {

struct MenuItem {
  TButton TForm1::*item;
  QKeySequence shortcut;
  bool checkable = false;
};

struct Menu {
  TButton TForm1::*menu;
  std::vector<MenuItem> items;
};

std::vector<Menu> MenuTable() {
  return {
      {&TForm1::File1, {{&TForm1::Close1, QKeySequence(Qt::ALT | Qt::Key_F4)}}},
      {&TForm1::View1,
       {{&TForm1::Textpanelvisible1, {}, true},
        {&TForm1::Controlsvisible1, {}, true},
        {&TForm1::Outputvisible1, {}, true}}},
  };
}

}  // namespace

void BuildMenuBar(QMenuBar* bar, TForm1& form) {
  for (const Menu& entry : MenuTable()) {
    TButton& menuItem = form.*entry.menu;
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromStdString(menuItem.Name()));
    new ActionView(menuItem, menu->menuAction());
    for (const MenuItem& row : entry.items) {
      TButton& item = form.*row.item;
      QAction* action = menu->addAction(QString());
      action->setObjectName(QString::fromStdString(item.Name()));
      action->setShortcut(row.shortcut);
      action->setShortcutContext(Qt::WindowShortcut);
      new ActionView(item, action, row.checkable);
    }
  }
}

}  // namespace kestrova::qt
