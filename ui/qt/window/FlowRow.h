#pragma once
// A row of controls whose captions change length with the language (the
// gradient options): each control stands after the one before it, a small gap
// apart, at its caption's width. The new places are written into the
// controls' bounds, from which the widgets take them.

#include <QObject>
#include <QWidget>
#include <string>
#include <vector>

namespace kestrova::qt {

class FlowRow : public QObject {
 public:
  // The widgets named `names`, children of `parent` with views on their controls.
  FlowRow(QWidget* parent, std::vector<std::string> names, int gap);

  // Places the row now.
  void Place();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* parent_;
  std::vector<std::string> names_;
  int gap_;
};

}  // namespace kestrova::qt
