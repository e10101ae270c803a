#pragma once
// A button at the right end of an edit (the output folder's browse button): a
// tool button inside the edit, whose text stays clear of it. The button is a
// Tab stop of its own, right after the edit, with a focus mark; Alt+Down in
// the edit presses it, as it opens the list of a drop-down.

#include <QIcon>
#include <QLineEdit>
#include <QToolButton>

namespace kestrova::qt {

class EditButton : public QToolButton {
 public:
  EditButton(QLineEdit* edit, const QIcon& icon);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Place();

  QLineEdit* edit_;
};

}  // namespace kestrova::qt
