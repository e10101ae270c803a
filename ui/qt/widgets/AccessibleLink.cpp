#include "ui/qt/widgets/AccessibleLink.h"

#include "ui/qt/widgets/SpokenText.h"
#include "ui/qt/widgets/WWWLabel.h"

namespace kestrova::qt {

AccessibleLink::AccessibleLink(WWWLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

WWWLabel* AccessibleLink::Link() const { return static_cast<WWWLabel*>(widget()); }

QString AccessibleLink::text(QAccessible::Text t) const {
  QString text = QAccessibleWidget::text(t);
  if (t == QAccessible::Name && text.isEmpty()) text = SpokenText(Link()->text());
  return text;
}

QAccessible::State AccessibleLink::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.linked = true;
  return state;
}

QStringList AccessibleLink::actionNames() const {
  return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleLink::doAction(const QString& actionName) {
  if (actionName == pressAction()) {
    if (Link()->isEnabled()) Link()->Open();
    return;
  }
  QAccessibleWidget::doAction(actionName);
}

}  // namespace kestrova::qt
