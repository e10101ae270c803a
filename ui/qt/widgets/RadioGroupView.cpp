#include "ui/qt/widgets/RadioGroupView.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

constexpr int kTitleHeight = 16;
constexpr int kSideMargin = 5;

}  // namespace

RadioGroupView::RadioGroupView(TRadioGroup& group, QGroupBox* box, int columns, Placement placement)
    : ControlView(group, box, placement),
      group_(group),
      box_(box),
      columns_(std::max(1, columns)),
      buttons_(new QButtonGroup(this)) {
  // The item that became checked, however (a click, the arrow keys, a screen
  // reader's toggle or press), is chosen once.
  connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) Edit([&] { group_.SetItemIndex(id); });
  });
  box_->installEventFilter(this);
  Mirror();
}

QRadioButton* RadioGroupView::Item(int i) const { return static_cast<QRadioButton*>(buttons_->button(i)); }

void RadioGroupView::MirrorValue() {
  const QString title = ToQt(group_.Caption());
  if (box_->title() != title) box_->setTitle(title);
  if (shownItems_ != group_.Items()) RebuildItems();
  const QSignalBlocker blocker(buttons_);
  QAbstractButton* selected = buttons_->button(group_.ItemIndex());
  if (selected == nullptr && buttons_->checkedButton() != nullptr) {
    buttons_->setExclusive(false);
    buttons_->checkedButton()->setChecked(false);
    buttons_->setExclusive(true);
  } else if (selected != nullptr && !selected->isChecked()) {
    selected->setChecked(true);
  }
}

void RadioGroupView::RebuildItems() {
  const std::vector<std::string>& items = group_.Items();
  // Buttons are kept and relabelled where they can be, so the selection stays put.
  const int count = static_cast<int>(items.size());
  while (static_cast<int>(buttons_->buttons().size()) > count) {
    QAbstractButton* last = buttons_->button(static_cast<int>(buttons_->buttons().size()) - 1);
    buttons_->removeButton(last);
    delete last;
  }
  for (int i = 0; i < count; ++i) {
    QAbstractButton* button = buttons_->button(i);
    if (button == nullptr) {
      button = new QRadioButton(box_);
      buttons_->addButton(button, i);
      button->show();
    }
    button->setText(ToQt(items[static_cast<std::size_t>(i)]));
  }
  shownItems_ = items;
  PlaceItems();
}

void RadioGroupView::PlaceItems() {
  const int count = static_cast<int>(buttons_->buttons().size());
  if (count == 0) return;
  const int rows = (count + columns_ - 1) / columns_;
  // Each column as wide as its widest item, the room left shared out evenly.
  std::vector<int> widths(static_cast<std::size_t>(columns_), 0);
  for (int i = 0; i < count; ++i) {
    int& width = widths[static_cast<std::size_t>(i / rows)];
    width = std::max(width, buttons_->button(i)->sizeHint().width());
  }
  int spare = box_->width() - 2 * kSideMargin;
  for (int width : widths) spare -= width;
  const double rowHeight = std::max(1.0, (box_->height() - kTitleHeight - 4) / static_cast<double>(rows));
  int left = kSideMargin;
  for (int column = 0; column < columns_; ++column) {
    // The last column takes what the rounding leaves.
    const int share = column + 1 < columns_ ? spare / columns_ : spare - spare / columns_ * (columns_ - 1);
    const int width = widths[static_cast<std::size_t>(column)] + share;
    for (int row = 0; row < rows && column * rows + row < count; ++row) {
      QAbstractButton* button = buttons_->button(column * rows + row);
      const int height = button->sizeHint().height();
      const int top = kTitleHeight + static_cast<int>(row * rowHeight + (rowHeight - height) / 2);
      button->setGeometry(left, top, width, height);
    }
    left += width;
  }
}

bool RadioGroupView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && event->type() == QEvent::Resize) PlaceItems();
  return ControlView::eventFilter(watched, event);
}

}  // namespace kestrova::qt
