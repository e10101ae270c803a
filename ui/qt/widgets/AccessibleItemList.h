#pragma once
// A widget that draws a list of items itself (the presets grid, the icon
// palette, the output previews) shown to screen readers as a list whose
// children are its items: each named, the current one focused, the chosen one
// selected, and pressing one through the accessibility interface doing what a
// click on it does.
//
// Such a widget derives from AccessibleItemSource as well; the accessibility
// factory (AccessibleFactory.h) gives it an AccessibleItemList.

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QRect>
#include <QString>
#include <unordered_map>

namespace kestrova::qt {

class AccessibleItemSource {
 public:
  virtual ~AccessibleItemSource() = default;
  virtual int AccessibleItemCount() const = 0;
  virtual QString AccessibleItemName(int item) const = 0;
  virtual bool AccessibleItemSelected(int item) const = 0;
  // The item the keyboard is on; -1 for none.
  virtual int AccessibleCurrentItem() const = 0;
  // The item's place on the screen (empty when it is not shown).
  virtual QRect AccessibleItemRect(int item) const = 0;
  // Does what a click on the item does.
  virtual void PressAccessibleItem(int item) = 0;
};

// Tells screen readers that `item` of the widget (an AccessibleItemSource)
// is the current one now, when the widget has the keyboard focus.
void NotifyCurrentItem(QWidget* widget, int item);

class AccessibleItemList : public QAccessibleWidget {
 public:
  AccessibleItemList(QWidget* widget, AccessibleItemSource* source);
  ~AccessibleItemList() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  AccessibleItemSource* Source() const { return source_; }

 private:
  AccessibleItemSource* source_;
  // The items asked for so far, registered with QAccessible.
  mutable std::unordered_map<int, QAccessible::Id> items_;
};

class AccessibleListItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleListItem(QWidget* list, AccessibleItemSource* source, int index);

  int Index() const { return index_; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QWidget> list_;
  AccessibleItemSource* source_;
  int index_;
};

}  // namespace kestrova::qt
