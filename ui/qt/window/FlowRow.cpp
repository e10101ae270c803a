#include "ui/qt/window/FlowRow.h"

#include <QEvent>
#include <algorithm>
#include <utility>

#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

namespace {

// The sizes a check box asks for leave a few blank pixels after the caption.
constexpr int kTightestGap = -5;

ControlView* ViewOn(QWidget* widget) {
  for (QObject* child : widget->children()) {
    if (auto* view = dynamic_cast<ControlView*>(child)) return view;
  }
  return nullptr;
}

}  // namespace

FlowRow::FlowRow(QWidget* parent, std::vector<std::string> names, int gap)
    : QObject(parent), parent_(parent), names_(std::move(names)), gap_(gap) {
  parent_->installEventFilter(this);
  Place();
}

void FlowRow::Place() {
  std::vector<std::pair<TControl*, int>> row;  // each control with its widget's width
  int total = 0;
  for (const std::string& name : names_) {
    auto* widget = parent_->findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
    ControlView* view = widget != nullptr ? ViewOn(widget) : nullptr;
    if (view == nullptr) continue;
    row.emplace_back(&view->Control(), widget->sizeHint().width());
    total += row.back().second;
  }
  if (row.empty()) return;
  // A row too long for its parent closes up into the blank margins of its captions.
  int left = row.front().first->Left();
  const int spare = parent_->width() - 2 - left - total;
  const int gaps = static_cast<int>(row.size()) - 1;
  const int gap = gaps > 0 ? std::clamp(spare / gaps, kTightestGap, gap_) : gap_;
  for (const auto& [control, width] : row) {
    control->SetLeft(left);
    left += width + gap;
  }
}

bool FlowRow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_ && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)) Place();
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrova::qt
