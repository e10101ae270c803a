#include "core/support/OrderedWork.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace kestrova;

namespace {

// Records what a run did: the items taken in order, the most items made and
// not yet taken at any time, and whether any item was made twice.
struct Recorder {
  explicit Recorder(int count) : made(static_cast<std::size_t>(count)) {}

  void Make(int i) {
    const int now = ++onTheirWay;
    int seen = mostOnTheirWay.load();
    while (now > seen && !mostOnTheirWay.compare_exchange_weak(seen, now)) {
    }
    ++made[static_cast<std::size_t>(i)];
  }
  void Take(int i) {
    --onTheirWay;
    taken.push_back(i);
  }

  std::vector<std::atomic<int>> made;
  std::atomic<int> onTheirWay{0};
  std::atomic<int> mostOnTheirWay{0};
  std::vector<int> taken;
};

std::vector<int> Upto(int count) {
  std::vector<int> v;
  for (int i = 0; i < count; ++i) v.push_back(i);
  return v;
}

}  // namespace

TEST(RunInOrder, TakesEveryItemOnceInOrderWithAtMostAheadOnTheirWay) {
  const struct {
    int count, threads, ahead;
  } cases[] = {{0, 4, 8}, {1, 4, 8}, {100, 1, 8}, {100, 2, 1}, {100, 4, 3}, {257, 8, 16}, {50, 64, 200}};
  for (const auto& c : cases) {
    Recorder r(c.count);
    RunInOrder(c.count, c.threads, c.ahead, [&](int i) { r.Make(i); }, [&](int i) { r.Take(i); });
    EXPECT_EQ(r.taken, Upto(c.count)) << c.count << " " << c.threads << " " << c.ahead;
    for (const auto& m : r.made) EXPECT_EQ(m.load(), 1);
    EXPECT_LE(r.mostOnTheirWay.load(), c.ahead);
  }
}

TEST(RunInOrder, WithOneThreadEachItemIsMadeAndTakenOnTheCallingThreadInTurn) {
  std::vector<std::string> steps;
  const std::thread::id caller = std::this_thread::get_id();
  bool elsewhere = false;
  RunInOrder(
      3, 1, 8,
      [&](int i) {
        elsewhere |= std::this_thread::get_id() != caller;
        steps.push_back("make" + std::to_string(i));
      },
      [&](int i) { steps.push_back("take" + std::to_string(i)); });
  EXPECT_EQ(steps, (std::vector<std::string>{"make0", "take0", "make1", "take1", "make2", "take2"}));
  EXPECT_FALSE(elsewhere);
}

TEST(RunInOrder, ItemsAreMadeAtTheSameTimeAndTakenOnTheCallingThread) {
  // Items 0 and 1 each wait until the other has started: that only ends when
  // two threads make them at once.
  std::mutex mutex;
  std::condition_variable started;
  int running = 0;
  bool together = true;
  std::vector<std::thread::id> takers;
  RunInOrder(
      6, 3, 4,
      [&](int i) {
        if (i > 1) return;
        std::unique_lock lock(mutex);
        ++running;
        started.notify_all();
        together &= started.wait_for(lock, std::chrono::seconds(10), [&] { return running == 2; });
      },
      [&](int) { takers.push_back(std::this_thread::get_id()); });
  EXPECT_TRUE(together);
  EXPECT_EQ(takers, std::vector<std::thread::id>(6, std::this_thread::get_id()));
}

TEST(RunInOrder, AFailureShowsWhenItsItemsTurnComesAndEndsTheRun) {
  for (const int threads : {1, 4}) {
    // Item 5 fails; items after it may be made, but none is taken.
    std::vector<int> taken;
    std::atomic<int> made{0};
    try {
      RunInOrder(
          40, threads, 8,
          [&](int i) {
            ++made;
            if (i == 5) throw std::runtime_error("item 5");
            if (i == 9) throw std::runtime_error("item 9");
          },
          [&](int i) { taken.push_back(i); });
      ADD_FAILURE() << "no failure raised";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "item 5");
    }
    EXPECT_EQ(taken, Upto(5)) << threads;
    EXPECT_LE(made.load(), 5 + 8) << threads;  // no item beyond the window

    // A take that fails ends the run the same way.
    taken.clear();
    EXPECT_THROW(RunInOrder(
                     40, threads, 8, [](int) {},
                     [&](int i) {
                       if (i == 3) throw std::runtime_error("take 3");
                       taken.push_back(i);
                     }),
                 std::runtime_error);
    EXPECT_EQ(taken, Upto(3)) << threads;
  }
}

TEST(WorkerThreadCount, FollowsTheProcessorsTheProgramMayUseUnlessSet) {
  cpu_set_t all;
  ASSERT_EQ(::sched_getaffinity(0, sizeof all, &all), 0);
  EXPECT_EQ(MachineThreadCount(), CPU_COUNT(&all));
  EXPECT_EQ(WorkerThreadCount(), MachineThreadCount());
  cpu_set_t one;
  CPU_ZERO(&one);
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
    if (!CPU_ISSET(cpu, &all)) continue;
    CPU_SET(cpu, &one);
    break;
  }
  ASSERT_EQ(::sched_setaffinity(0, sizeof one, &one), 0);
  EXPECT_EQ(MachineThreadCount(), 1);
  EXPECT_EQ(WorkerThreadCount(), 1);
  ASSERT_EQ(::sched_setaffinity(0, sizeof all, &all), 0);

  SetWorkerThreadCount(3);
  EXPECT_EQ(WorkerThreadCount(), 3);
  SetWorkerThreadCount(0);
  EXPECT_EQ(WorkerThreadCount(), MachineThreadCount());
}
