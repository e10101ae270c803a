#pragma once
// No test fails because the machine is slow: every wait lasts as long as its
// condition takes to come true (a fault that never lets it is ended by the
// test runner's time limit). Qt's own waits are given no limit either.

#include <QTest>
#include <functional>
#include <limits>

namespace kestrova::test {

inline constexpr int kNoTimeLimit = std::numeric_limits<int>::max();

// Lets events run until `condition` holds.
inline void WaitUntil(const std::function<bool()>& condition) {
  while (!condition()) QTest::qWait(1);
}

}  // namespace kestrova::test
