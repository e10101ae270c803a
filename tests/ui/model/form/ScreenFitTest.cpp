#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <optional>
#include <vector>

#include "tests/support/TestFiles.h"
#include "ui/model/form/FormStorage.h"
#include "ui/model/form/ScreenFit.h"

using namespace kestrova;

namespace kestrova {

bool operator==(const TBounds& a, const TBounds& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const TBounds& b) {
  return out << b.left << "," << b.top << " " << b.width << "x" << b.height;
}

}  // namespace kestrova

namespace {

bool Inside(const TBounds& r, const TBounds& area) {
  return r.width > 0 && r.height > 0 && r.left >= area.left && r.top >= area.top &&
         std::int64_t{r.left} + r.width <= std::int64_t{area.left} + area.width &&
         std::int64_t{r.top} + r.height <= std::int64_t{area.top} + area.height;
}

TWindowPlacement Placed(int left, int top, int right, int bottom) {
  return TWindowPlacement{left, top, right, bottom, TWindowPlacement::Normal};
}

// A screen of 1600 x 1000 at scale 1.5 (1066 x 666) with a panel of 20 at the top.
constexpr TBounds kArea{0, 20, 1066, 646};

}  // namespace

TEST(FitOnScreen, TheFirstWindowIsCentredAndNoLargerThanTheArea) {
  EXPECT_EQ(FitOnScreen(std::nullopt, {0, 0, 1600, 1000}, 1060, 730), (TBounds{270, 135, 1060, 730}));
  EXPECT_EQ(FitOnScreen(std::nullopt, kArea, 1060, 730), (TBounds{3, 20, 1060, 646}));
  EXPECT_EQ(FitOnScreen(std::nullopt, {0, 0, 800, 500}, 1060, 730), (TBounds{0, 0, 800, 500}));
  // A stored rectangle without a positive size counts as none.
  EXPECT_EQ(FitOnScreen(Placed(500, 500, 100, 100), {0, 0, 1600, 1000}, 1060, 730), (TBounds{270, 135, 1060, 730}));
}

TEST(FitOnScreen, AStoredPlacementOnTheAreaStaysAsItWas) {
  EXPECT_EQ(FitOnScreen(Placed(30, 40, 930, 690), {0, 0, 1600, 1000}, 1060, 730), (TBounds{30, 40, 900, 650}));
  EXPECT_EQ(FitOnScreen(Placed(1700, 100, 2300, 600), {1600, 0, 1280, 1024}, 1060, 730),
            (TBounds{1700, 100, 600, 500}));
}

TEST(FitOnScreen, AStoredPlacementOffTheAreaIsBroughtOntoIt) {
  struct Case {
    TWindowPlacement stored;
    TBounds expected;
  };
  const Case cases[] = {
      {Placed(32767, 32767, 33767, 33467), {66, 20, 1000, 646}},
      {Placed(0, 0, 30000, 30000), {0, 20, 1066, 646}},
      {Placed(-5000, -5000, -4000, -4500), {0, 20, 1000, 500}},
      {Placed(900, 600, 1400, 900), {566, 366, 500, 300}},
      {Placed(INT_MIN, INT_MIN, INT_MAX, INT_MAX), {0, 20, 1066, 646}},
      {Placed(INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX), {1056, 656, 10, 10}},
      {Placed(INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10), {0, 20, 10, 10}},
  };
  for (const Case& c : cases) {
    const TBounds fitted = FitOnScreen(c.stored, kArea, 1060, 730);
    EXPECT_EQ(fitted, c.expected) << c.stored.left << "," << c.stored.top;
    EXPECT_TRUE(Inside(fitted, kArea)) << fitted;
  }
  // Inverted extremes are no placement at all: the first window's place.
  EXPECT_EQ(FitOnScreen(Placed(INT_MAX, INT_MAX, INT_MIN, INT_MIN), kArea, 1060, 730), (TBounds{3, 20, 1060, 646}));
}

TEST(FitOnScreen, AnAreaWithoutSizeGivesThePreferredSize) {
  EXPECT_EQ(FitOnScreen(Placed(INT_MIN, 0, INT_MAX, 30000), {}, 1060, 730), (TBounds{0, 0, 1060, 730}));
  EXPECT_EQ(FitOnScreen(std::nullopt, {INT_MAX, INT_MAX, 100, 100}, 1060, 730), (TBounds{0, 0, 1060, 730}));
}

TEST(ScreenOfPlacement, PicksTheScreenHoldingMostOfTheWindow) {
  const std::vector<TBounds> screens{{0, 0, 1600, 1000}, {1600, 0, 1280, 1024}, {-1024, 0, 1024, 768}};
  EXPECT_EQ(ScreenOfPlacement(Placed(1700, 100, 2300, 600), screens), 1u);
  EXPECT_EQ(ScreenOfPlacement(Placed(1300, 100, 2000, 600), screens), 1u);  // 400 on the second, 300 on the first
  EXPECT_EQ(ScreenOfPlacement(Placed(-500, 100, 200, 600), screens), 2u);
  EXPECT_EQ(ScreenOfPlacement(Placed(32767, 32767, 33767, 33767), screens), 0u);  // on none: the primary
  EXPECT_EQ(ScreenOfPlacement(Placed(INT_MIN, INT_MIN, INT_MAX, INT_MAX), screens), 0u);
  EXPECT_EQ(ScreenOfPlacement(std::nullopt, screens), 0u);
  EXPECT_EQ(ScreenOfPlacement(Placed(0, 0, 10, 10), {}), 0u);
}

// The reader takes the stored numbers as they are, extreme ones included; a
// number past the 32-bit range or a short list is no placement.
TEST(WindowStore, ReadsTheStoredRectangleAsWritten) {
  test::TempFolder folder;
  const auto restored = [&](const std::string& normPos) -> std::optional<TWindowPlacement> {
    test::WriteBytes(folder / "kestrova-ui.ini", "[TForm1]\r\nNormPos=" + normPos + "\r\nShowCmd=3\r\n");
    TFormStorage store(folder / "kestrova-ui.ini");
    store.RestorePlacement();
    if (!store.PlacementRestored) return std::nullopt;
    return store.Placement;
  };
  EXPECT_EQ(restored("-2147483648,-2147483648,2147483647,2147483647"),
            (TWindowPlacement{INT_MIN, INT_MIN, INT_MAX, INT_MAX, TWindowPlacement::Maximized}));
  EXPECT_EQ(restored("32767,32767,33767,33767"),
            (TWindowPlacement{32767, 32767, 33767, 33767, TWindowPlacement::Maximized}));
  EXPECT_EQ(restored("0,0,2147483648,100"), std::nullopt);
  EXPECT_EQ(restored("0,0,100"), std::nullopt);
  EXPECT_EQ(restored("a,b,c,d"), std::nullopt);
}
