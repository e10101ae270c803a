#include "ui/qt/window/TabOrder.h"

#include <QTabBar>
#include <algorithm>
#include <limits>
#include <unordered_map>
#include <vector>

#include "ui/qt/window/StoredLayout.h"

namespace kestrova::qt {

namespace {

// A widget Tab stops at (a compound widget's stop is the part it hands its focus to).
bool IsTabStop(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

// A child widget with its control (none for a widget of Qt's own) and the tab stops in it, in order.
struct Child {
  QWidget* widget;
  const TControl* control;
  std::vector<QWidget*> stops;
};

class TabChain {
 public:
  explicit TabChain(const TForm1& form) : form_(form) {
    const std::vector<TControl*>& components = form.Components();
    for (std::size_t i = 0; i < components.size(); ++i) made_[components[i]] = i;
    const auto layout = StoredLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) layoutPlace_[layout[i].name] = i;
  }

  // The tab stops of `widget` and everything in it, in the order Tab walks them.
  std::vector<QWidget*> StopsIn(QWidget* widget) const {
    std::vector<QWidget*> stops;
    if (IsTabStop(widget)) stops.push_back(widget);
    for (const Child& child : Ordered(Children(widget))) stops.insert(stops.end(), child.stops.begin(), child.stops.end());
    return stops;
  }

 private:
  std::vector<Child> Children(const QWidget* widget) const {
    std::vector<Child> children;
    for (QObject* object : widget->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child == nullptr || child->isWindow()) continue;
      children.push_back({child, form_.FindComponent(child->objectName().toStdString()), StopsIn(child)});
    }
    return children;
  }

  std::size_t LayoutPlace(const TControl* control) const {
    const auto found = layoutPlace_.find(control->Name());
    return found == layoutPlace_.end() ? std::numeric_limits<std::size_t>::max() : found->second;
  }

  // The widgets that are no controls first (a page control's tabs before its
  // pages), then the controls by their places.
  std::vector<Child> Ordered(std::vector<Child> children) const {
    std::vector<Child> result;
    std::vector<Child> ordered;
    std::vector<Child> unordered;
    for (Child& child : children) {
      if (child.control == nullptr) {
        result.push_back(std::move(child));
      } else if (child.control->TabOrder() >= 0) {
        ordered.push_back(std::move(child));
      } else if (!child.stops.empty()) {
        unordered.push_back(std::move(child));
      }
    }
    std::stable_partition(result.begin(), result.end(),
                          [](const Child& c) { return qobject_cast<QTabBar*>(c.widget) != nullptr; });
    std::sort(ordered.begin(), ordered.end(), [this](const Child& a, const Child& b) {
      if (a.control->TabOrder() != b.control->TabOrder()) return a.control->TabOrder() < b.control->TabOrder();
      return made_.at(a.control) > made_.at(b.control);
    });
    std::stable_sort(unordered.begin(), unordered.end(), [this](const Child& a, const Child& b) {
      return LayoutPlace(a.control) < LayoutPlace(b.control);
    });

    const std::size_t first = result.size();
    auto free = std::make_move_iterator(unordered.begin());
    const auto freeEnd = std::make_move_iterator(unordered.end());
    for (Child& child : ordered) {
      const auto place = static_cast<std::size_t>(child.control->TabOrder());
      while (result.size() - first < place && free != freeEnd) result.push_back(*free++);
      result.push_back(std::move(child));
    }
    result.insert(result.end(), free, freeEnd);
    return result;
  }

  const TForm1& form_;
  std::unordered_map<const TControl*, std::size_t> made_;
  std::unordered_map<std::string_view, std::size_t> layoutPlace_;
};

}  // namespace

void ApplyTabOrder(QWidget* window, const TForm1& form) {
  const std::vector<QWidget*> stops = TabChain(form).StopsIn(window);
  for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

}  // namespace kestrova::qt
