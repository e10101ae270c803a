#pragma once
// The web link (WWWLabel) as screen readers see it: a link named by its text,
// which their press action opens as a click does.

#include <QAccessibleWidget>

namespace kestrova::qt {

class WWWLabel;

class AccessibleLink : public QAccessibleWidget {
 public:
  explicit AccessibleLink(WWWLabel* link);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  WWWLabel* Link() const;
};

}  // namespace kestrova::qt
