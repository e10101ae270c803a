#include "ui/qt/window/MenuBar.h"

#include <QMenu>
#include <vector>

#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

enum class Row { Item, Toggle, Recent, Separator };

struct MenuItem {
  TButton TForm1::*item;
  QKeySequence shortcut;
  Row kind = Row::Item;
};

struct Menu {
  TButton TForm1::*menu;
  std::vector<MenuItem> items;
};

const MenuItem kSeparator{nullptr, {}, Row::Separator};

std::vector<Menu> MenuTable() {
  return {
      {&TForm1::File1,
       {{&TForm1::Loadsettings1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {&TForm1::Savesettings1, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {&TForm1::Loadrecent1, {}, Row::Recent},
        kSeparator,
        {&TForm1::Savegeneratedbuttons1, QKeySequence(Qt::Key_F12)},
        kSeparator,
        {&TForm1::Openbaseimage1, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {&TForm1::Savebaseimage1, {}},
        kSeparator,
        {&TForm1::Openbuttoncaptionstextfile1, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {&TForm1::Savecaptions1, {}},
        kSeparator,
        {&TForm1::Close1, QKeySequence(Qt::ALT | Qt::Key_F4)}}},
      {&TForm1::Button1,
       {{&TForm1::Recreateimage1, QKeySequence(Qt::Key_F5)},
        {&TForm1::Presets1, QKeySequence(Qt::Key_F4)},
        {&TForm1::Processimage1, QKeySequence(Qt::Key_F3)},
        kSeparator,
        {&TForm1::Font1, QKeySequence(Qt::CTRL | Qt::Key_F)},
        {&TForm1::Adjustcolor1, QKeySequence(Qt::CTRL | Qt::Key_G)},
        kSeparator,
        {&TForm1::Generateimages1, QKeySequence(Qt::Key_F9)}}},
      {&TForm1::View1,
       {{&TForm1::Textpanelvisible1, {}, Row::Toggle},
        {&TForm1::Controlsvisible1, {}, Row::Toggle},
        {&TForm1::Outputvisible1, {}, Row::Toggle}}},
      {&TForm1::Help1,
       {{&TForm1::HelpMenuItem, QKeySequence(Qt::Key_F1)},
        kSeparator,
        {&TForm1::PayPaldonation1, {}},
        {&TForm1::Zandrelkocom1, {}},
        kSeparator,
        {&TForm1::About1, {}}}},
  };
}

// The recent-files sub-menu: rebuilt from the list's items whenever they change.
class RecentMenuView : public QObject {
 public:
  RecentMenuView(TRecent& recent, QMenu* menu) : QObject(menu), recent_(recent), menu_(menu) {
    recent_.SetViewListener([this] { Rebuild(); });
    Rebuild();
  }
  ~RecentMenuView() override { recent_.SetViewListener(nullptr); }

 private:
  void Rebuild() {
    menu_->clear();
    const std::vector<TRecentItem>& items = recent_.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      QAction* action = menu_->addAction(ToQt(items[i].Caption));
      action->setObjectName(ToQt(items[i].Name));
      action->setEnabled(items[i].Enabled);
      connect(action, &QAction::triggered, this, [this, i] { recent_.ClickItem(i); });
    }
  }

  TRecent& recent_;
  QMenu* menu_;
};

}  // namespace

void BuildMenuBar(QMenuBar* bar, TForm1& form) {
  for (const Menu& entry : MenuTable()) {
    TButton& menuItem = form.*entry.menu;
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(ToQt(menuItem.Name()));
    new ActionView(menuItem, menu->menuAction());
    for (const MenuItem& row : entry.items) {
      if (row.kind == Row::Separator) {
        menu->addSeparator();
        continue;
      }
      TButton& item = form.*row.item;
      if (row.kind == Row::Recent) {
        QMenu* recent = menu->addMenu(QString());
        recent->setObjectName(ToQt(item.Name()));
        new ActionView(item, recent->menuAction());
        new RecentMenuView(form.Recent1, recent);
        continue;
      }
      QAction* action = menu->addAction(QString());
      action->setObjectName(ToQt(item.Name()));
      action->setShortcut(row.shortcut);
      action->setShortcutContext(Qt::WindowShortcut);
      new ActionView(item, action, row.kind == Row::Toggle);
    }
  }
}

}  // namespace kestrova::qt
