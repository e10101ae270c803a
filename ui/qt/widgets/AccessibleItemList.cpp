#include "ui/qt/widgets/AccessibleItemList.h"

#include <QWidget>

namespace kestrova::qt {

void NotifyCurrentItem(QWidget* widget, int item) {
  if (!QAccessible::isActive() || item < 0 || !widget->hasFocus()) return;
  QAccessibleEvent event(widget, QAccessible::Focus);
  event.setChild(item);
  QAccessible::updateAccessibility(&event);
}

AccessibleItemList::AccessibleItemList(QWidget* widget, AccessibleItemSource* source)
    : QAccessibleWidget(widget, QAccessible::List), source_(source) {}

AccessibleItemList::~AccessibleItemList() {
  for (const auto& [index, id] : items_) QAccessible::deleteAccessibleInterface(id);
}

int AccessibleItemList::childCount() const { return source_->AccessibleItemCount(); }

QAccessibleInterface* AccessibleItemList::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  const auto found = items_.find(index);
  if (found != items_.end()) return QAccessible::accessibleInterface(found->second);
  auto* item = new AccessibleListItem(widget(), source_, index);
  items_.emplace(index, QAccessible::registerAccessibleInterface(item));
  return item;
}

int AccessibleItemList::indexOfChild(const QAccessibleInterface* child) const {
  const auto* item = dynamic_cast<const AccessibleListItem*>(child);
  return item != nullptr && item->parent() == this ? item->Index() : -1;
}

QAccessibleInterface* AccessibleItemList::childAt(int x, int y) const {
  for (int i = 0; i < childCount(); ++i) {
    if (source_->AccessibleItemRect(i).contains(x, y)) return child(i);
  }
  return nullptr;
}

QAccessibleInterface* AccessibleItemList::focusChild() const {
  if (!widget()->hasFocus()) return nullptr;
  return child(source_->AccessibleCurrentItem());
}

AccessibleListItem::AccessibleListItem(QWidget* list, AccessibleItemSource* source, int index)
    : list_(list), source_(source), index_(index) {}

bool AccessibleListItem::isValid() const { return list_ != nullptr && index_ < source_->AccessibleItemCount(); }

QWindow* AccessibleListItem::window() const { return list_ != nullptr ? list_->window()->windowHandle() : nullptr; }

QAccessibleInterface* AccessibleListItem::parent() const {
  return list_ != nullptr ? QAccessible::queryAccessibleInterface(list_) : nullptr;
}

QString AccessibleListItem::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !isValid()) return {};
  return source_->AccessibleItemName(index_);
}

QRect AccessibleListItem::rect() const { return isValid() ? source_->AccessibleItemRect(index_) : QRect(); }

QAccessible::State AccessibleListItem::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  state.selectable = true;
  state.focusable = true;
  state.selected = source_->AccessibleItemSelected(index_);
  state.focused = list_->hasFocus() && source_->AccessibleCurrentItem() == index_;
  state.offscreen = rect().isEmpty();
  state.disabled = !list_->isEnabled();
  return state;
}

void* AccessibleListItem::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList AccessibleListItem::actionNames() const { return {pressAction()}; }

void AccessibleListItem::doAction(const QString& actionName) {
  if (actionName == pressAction() && isValid() && list_->isEnabled()) source_->PressAccessibleItem(index_);
}

}  // namespace kestrova::qt
