#include "ui/qt/window/TabOrder.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "ui/model/controls/TabList.h"
#include "ui/qt/window/StoredLayout.h"

namespace kestrova::qt {

namespace {

// A widget Tab stops at (a compound widget's stop is the part it hands its focus to).
bool IsTabStop(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

bool ShownAndEnabled(const QWidget* widget) { return widget->isVisibleTo(widget->window()) && widget->isEnabled(); }

// The item of a radio group that stands for the group in the Tab chain.
const QAbstractButton* GroupStop(const QButtonGroup& group) {
  const QAbstractButton* checked = group.checkedButton();
  if (checked != nullptr && ShownAndEnabled(checked)) return checked;
  const QList<QAbstractButton*> items = group.buttons();
  const auto first = std::find_if(items.begin(), items.end(), ShownAndEnabled);
  return first != items.end() ? *first : nullptr;
}

bool TakesTabFocusNow(const QWidget* stop) {
  if (!ShownAndEnabled(stop)) return false;
  const auto* radio = qobject_cast<const QRadioButton*>(stop);
  if (radio == nullptr || radio->group() == nullptr || !radio->group()->exclusive()) return true;
  return GroupStop(*radio->group()) == radio;
}

// Scrolls every scroll area around the widget so that it shows.
void BringIntoView(QWidget* widget) {
  for (QWidget* w = widget->parentWidget(); w != nullptr && !w->isWindow(); w = w->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(w)) area->ensureWidgetVisible(widget);
  }
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

  std::optional<std::size_t> LayoutPlace(const TControl* control) const {
    const auto found = control != nullptr ? layoutPlace_.find(control->Name()) : layoutPlace_.end();
    if (found == layoutPlace_.end()) return std::nullopt;
    return found->second;
  }

  // Whether a sibling stands in the order before any tab order is set: one of
  // the stored layout (not a caption, which no key reaches), or a widget with
  // stops that the model sets no tab order for.
  bool StandsFromTheStart(const Child& child) const {
    if (const auto place = LayoutPlace(child.control)) {
      const LayoutKind kind = StoredLayout()[*place].kind;
      return kind != LayoutKind::Label && kind != LayoutKind::RightLabel;
    }
    return !child.stops.empty() && (child.control == nullptr || child.control->TabOrder() < 0);
  }

  // A page control's tabs first (before its pages), then the siblings as they
  // stand from the start, moved by every tab order set among them.
  std::vector<Child> Ordered(std::vector<Child> children) const {
    std::vector<Child> result;
    std::vector<std::size_t> start;
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (qobject_cast<QTabBar*>(children[i].widget) != nullptr) {
        result.push_back(std::move(children[i]));
      } else if (StandsFromTheStart(children[i])) {
        start.push_back(i);
      }
    }
    std::stable_sort(start.begin(), start.end(), [&](std::size_t a, std::size_t b) {
      const auto key = [&](const Child& c) {
        return std::tuple(LayoutPlace(c.control).value_or(std::numeric_limits<std::size_t>::max()), c.widget->y(),
                          c.widget->x());
      };
      return key(children[a]) < key(children[b]);
    });

    std::vector<std::size_t> order = std::move(start);
    for (const TTabOrderSetting& setting : form_.TabOrderSettings()) {
      const auto child = std::find_if(children.begin(), children.end(),
                                      [&](const Child& c) { return c.control == setting.control; });
      if (child != children.end()) {
        MoveInTabList(order, static_cast<std::size_t>(child - children.begin()), setting.order);
      }
    }
    for (std::size_t i : order) result.push_back(std::move(children[i]));
    return result;
  }

  const TForm1& form_;
  std::unordered_map<std::string_view, std::size_t> layoutPlace_;
};

}  // namespace

std::vector<QWidget*> TabStops(QWidget* window, const TForm1& form) { return TabChain(form).StopsIn(window); }

bool MoveTabFocus(const std::vector<QWidget*>& stops, QWidget* from, bool next) {
  const std::size_t n = stops.size();
  // From outside every stop, Tab goes to the first and Shift+Tab to the last.
  std::size_t at = next ? n - 1 : 0;
  for (const QWidget* w = from; w != nullptr; w = w->parentWidget()) {
    const auto found = std::find(stops.begin(), stops.end(), w);
    if (found == stops.end()) continue;
    at = static_cast<std::size_t>(found - stops.begin());
    break;
  }
  for (std::size_t step = 1; step <= n; ++step) {
    QWidget* stop = stops[(next ? at + step : at + n - step) % n];
    if (!TakesTabFocusNow(stop)) continue;
    stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    BringIntoView(stop);
    return true;
  }
  return false;
}

}  // namespace kestrova::qt
