#include "rendering/SpanUnion.h"

#include <algorithm>

#include "rendering/WorkBudget.h"

namespace kestrova {

SpanUnion::SpanUnion(RowRange rows) : rows_(rows) {}

SpanSink SpanUnion::Collector() {
  return [this](int y, int x0, int x1) { Add(y, x0, x1); };
}

void SpanUnion::Add(int y, int x0, int x1) {
  if (x0 >= x1 || y < rows_.first || y >= rows_.last) return;
  WorkBudget::Spend(work::kSpan);
  auto& row = runs_[y];
  // The first run ending at or after x0: the new span joins it when they touch.
  auto it = std::lower_bound(row.begin(), row.end(), x0, [](const auto& run, int x) { return run.second < x; });
  if (it == row.end() || it->first > x1) {
    row.insert(it, {x0, x1});
    return;
  }
  it->first = std::min(it->first, x0);
  it->second = std::max(it->second, x1);
  auto next = it + 1;
  while (next != row.end() && next->first <= it->second) it->second = std::max(it->second, (next++)->second);
  row.erase(it + 1, next);
}

void SpanUnion::PaintTo(const SpanSink& sink) const {
  for (const auto& [y, row] : runs_)
    for (const auto& [x0, x1] : row) sink(y, x0, x1);
}

}  // namespace kestrova
