#include "rendering/WorkBudget.h"

namespace kestrova {

thread_local WorkBudget* WorkBudget::open_ = nullptr;

WorkBudget::WorkBudget(std::int64_t units) : left_(units), outer_(open_) { open_ = this; }

WorkBudget::~WorkBudget() { open_ = outer_; }

void WorkBudget::Take(std::int64_t units) {
  left_ -= units;
  if (left_ < 0) {
    left_ = -1;  // spent for good, however much is taken afterwards
    throw WorkBudgetSpent{};
  }
}

}  // namespace kestrova
