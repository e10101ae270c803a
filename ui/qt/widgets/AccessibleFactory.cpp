#include "ui/qt/widgets/AccessibleFactory.h"

#include <QAccessible>
#include <QWidget>

#include "ui/qt/widgets/AccessibleItemList.h"
#include "ui/qt/widgets/AccessibleLink.h"
#include "ui/qt/widgets/WWWLabel.h"

namespace kestrova::qt {

namespace {

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (auto* source = dynamic_cast<AccessibleItemSource*>(widget)) return new AccessibleItemList(widget, source);
  if (auto* link = dynamic_cast<WWWLabel*>(widget)) return new AccessibleLink(link);
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace kestrova::qt
