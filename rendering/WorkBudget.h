#pragma once
// A bound on the work one drawing may take. While a budget is open on a
// thread, the canvas and the rasterisers spend from it as they go, in units
// of about one pixel painted (a span handed on, a point of a curve made, a
// row of a polygon's edges scanned cost a few), and once it runs out the next
// spending throws WorkBudgetSpent: the drawing in progress stops where it
// stands. With no budget open, drawing spends nothing and never stops.

#include <cstdint>
#include <exception>

namespace kestrova {

struct WorkBudgetSpent : std::exception {
  const char* what() const noexcept override { return "Drawing took more work than its budget"; }
};

// What the kinds of work cost, in units of about a quarter of a nanosecond.
namespace work {
constexpr std::int64_t kPlainPixel = 1;  // a pixel filled with one colour, copied
constexpr std::int64_t kPixel = 16;      // a pixel mixed, blended or shaded
constexpr std::int64_t kSpan = 64;       // a span handed on, whatever its length
constexpr std::int64_t kPoint = 128;     // a point of a flattened curve or a dash piece made
constexpr std::int64_t kEdgeRow = 16;    // an edge of a polygon crossing a row scanned
}  // namespace work

class WorkBudget {
 public:
  // Opens a budget of `units` on this thread until it is destroyed; one
  // opened while it lives takes its place until then.
  explicit WorkBudget(std::int64_t units);
  ~WorkBudget();
  WorkBudget(const WorkBudget&) = delete;
  WorkBudget& operator=(const WorkBudget&) = delete;

  bool Spent() const { return left_ < 0; }

  // Spends from the budget open on this thread, if any; throws
  // WorkBudgetSpent once it is spent.
  static void Spend(std::int64_t units) {
    if (WorkBudget* open = open_) open->Take(units);
  }

 private:
  void Take(std::int64_t units);

  static thread_local WorkBudget* open_;
  std::int64_t left_;
  WorkBudget* outer_;
};

}  // namespace kestrova
