#include "rendering/WorkBudget.h"

#include <gtest/gtest.h>

#include "rendering/Canvas.h"

using namespace kestrova;

TEST(WorkBudget, SpendingPastItThrowsThenAndEverAfterWhileItIsOpen) {
  EXPECT_NO_THROW(WorkBudget::Spend(std::int64_t{1} << 62));  // none open: free
  WorkBudget outer(10);
  {
    WorkBudget budget(100);
    EXPECT_NO_THROW(WorkBudget::Spend(60));
    EXPECT_NO_THROW(WorkBudget::Spend(40));
    EXPECT_FALSE(budget.Spent());
    EXPECT_THROW(WorkBudget::Spend(1), WorkBudgetSpent);
    EXPECT_TRUE(budget.Spent());
    EXPECT_THROW(WorkBudget::Spend(0), WorkBudgetSpent);
  }
  // The outer budget is open again, untouched by the inner one's spending.
  EXPECT_NO_THROW(WorkBudget::Spend(10));
  EXPECT_THROW(WorkBudget::Spend(1), WorkBudgetSpent);
}

TEST(WorkBudget, ACanvasStopsPaintingWhereItsBudgetRunsOut) {
  // Rows of 10 pixels: each costs a span and its pixels; the budget holds
  // three and a half of them.
  Bitmap b(10, 10);
  b.Fill(clWhite);
  TCanvas c(b);
  c.Brush.color = clBlack;
  const WorkBudget budget(3 * (work::kSpan + 10 * work::kPlainPixel) + work::kSpan);
  EXPECT_THROW(c.FillRect(TRect{0, 0, 10, 10}), WorkBudgetSpent);
  for (int y = 0; y < 10; ++y) EXPECT_EQ(b.GetPixel(5, y), y < 3 ? clBlack : clWhite) << y;
}
