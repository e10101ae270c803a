#include "ui/qt/window/DialogScrolling.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QScrollArea>
#include <QScrollBar>

namespace kestrova::qt {

namespace {

constexpr const char* kScrolled = "kestrovaScrolledContent";

// The row of buttons that ends a column layout, taken out of it.
QWidget* TakeButtonRow(QLayout& layout) {
  auto* column = qobject_cast<QBoxLayout*>(&layout);
  if (column == nullptr || column->count() == 0) return nullptr;
  QWidget* last = column->itemAt(column->count() - 1)->widget();
  if (qobject_cast<QDialogButtonBox*>(last) == nullptr) return nullptr;
  column->removeWidget(last);
  return last;
}

}  // namespace

void ScrollDialogContent(QDialog& dialog) {
  QLayout* layout = dialog.layout();
  if (layout == nullptr || dialog.property(kScrolled).toBool()) return;
  dialog.setProperty(kScrolled, true);
  const QSize size = dialog.size();
  const QMargins margins = layout->contentsMargins();
  QWidget* buttons = TakeButtonRow(*layout);

  auto* content = new QWidget;
  content->setLayout(layout);  // the layout and the widgets it places move there
  // The dialog's limits were its content's; the new layout sets its own.
  dialog.setMinimumSize(0, 0);
  dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  auto* area = new QScrollArea(&dialog);
  area->setObjectName("DialogContent");
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(content);

  auto* column = new QVBoxLayout(&dialog);
  column->setContentsMargins(0, 0, 0, buttons != nullptr ? margins.bottom() : 0);
  column->addWidget(area, 1);
  if (buttons != nullptr) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(margins.left(), 0, margins.right(), 0);
    row->addWidget(buttons);
    column->addLayout(row);
  }
  // Room for the vertical scroll bar, so that a dialog too high but not too
  // wide scrolls up and down only.
  dialog.resize(size.width() + area->verticalScrollBar()->sizeHint().width(), size.height());
}

}  // namespace kestrova::qt
