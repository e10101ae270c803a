// The version query with its library calls on threads of their own, as the
// window runs it: a call that does not return holds up neither the polling
// nor the giving up. Also run under ThreadSanitizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "ui/model/dialogs/VersionQuery.h"

using namespace kestrova;
using namespace std::chrono_literals;

namespace {

using Clock = TVersionQuery::Clock;

// A version library whose Query or Status waits until the test lets it go
// (for 20 s at most, so that a fault cannot hang the suite).
struct HangingLibrary {
  static inline std::mutex mutex;
  static inline std::condition_variable letGo;
  static inline bool released = false;
  static inline bool queryHangs = false;
  static inline bool statusHangs = false;
  static inline int inside = 0;      // calls in the library now
  static inline int mostInside = 0;  // the most calls in the library at once
  static inline int statusCalls = 0;

  static void Enter(bool hangs) {
    std::unique_lock lock(mutex);
    mostInside = std::max(mostInside, ++inside);
    if (hangs) letGo.wait_for(lock, 20s, [] { return released; });
    --inside;
  }
  static void Query(const char*, const char*) { Enter(queryHangs); }
  static std::int32_t Status() {
    {
      std::lock_guard lock(mutex);
      ++statusCalls;
    }
    Enter(statusHangs);
    return 0;
  }
  static const char* Answer() { return "version=2.7.0.0"; }

  static TVersionLibrary Make(bool query, bool status) {
    std::lock_guard lock(mutex);
    released = false;
    queryHangs = query;
    statusHangs = status;
    statusCalls = 0;
    mostInside = 0;
    return TVersionLibrary{&Query, &Status, &Answer};
  }
  static void Release() {
    std::lock_guard lock(mutex);
    released = true;
    letGo.notify_all();
  }
  static int Inside() {
    std::lock_guard lock(mutex);
    return inside;
  }
  static int MostInside() {
    std::lock_guard lock(mutex);
    return mostInside;
  }
  static int StatusCalls() {
    std::lock_guard lock(mutex);
    return statusCalls;
  }
};

// Runs `step` until `done` holds, for 10 s at most.
template <class Step, class Done>
bool Until(Step step, Done done) {
  const auto end = Clock::now() + 10s;
  while (!done() && Clock::now() < end) {
    step();
    std::this_thread::sleep_for(1ms);
  }
  return done();
}

}  // namespace

TEST(VersionQueryOffThread, ACallThatDoesNotReturnHoldsUpNeitherThePollingNorTheGivingUp) {
  for (const bool queryHangs : {true, false}) {
    SCOPED_TRACE(queryHangs ? "Query hangs" : "Status hangs");
    TVersionQuery query;
    const Clock::time_point start{};
    query.Start(HangingLibrary::Make(queryHangs, !queryHangs), "2.3.0.0", start, 1s);
    EXPECT_TRUE(query.Running());
    ASSERT_TRUE(Until([&] { query.Poll(start); }, [] { return HangingLibrary::Inside() == 1; }));
    // Polling returns while the call hangs, and asks nothing more of the library meanwhile.
    for (int i = 0; i < 20; ++i) query.Poll(start + 10ms * i);
    EXPECT_TRUE(query.Running());
    EXPECT_TRUE(query.Calling());
    EXPECT_EQ(HangingLibrary::StatusCalls(), queryHangs ? 0 : 1);
    query.Poll(start + 1s);
    EXPECT_EQ(query.State(), TVersionQuery::TState::Failed);
    EXPECT_EQ(HangingLibrary::Inside(), 1);

    // Let go, the late result changes nothing.
    HangingLibrary::Release();
    ASSERT_TRUE(Until([] {}, [&] { return HangingLibrary::Inside() == 0 && !query.Calling(); }));
    query.Poll(start + 2s);
    EXPECT_EQ(query.State(), TVersionQuery::TState::Failed);
  }
}

TEST(VersionQueryOffThread, TheAnswerComesBackFromTheCallsThreads) {
  TVersionQuery query;
  const TVersionLibrary library = HangingLibrary::Make(false, false);
  query.Start(library, "2.3.0.0", Clock::now());
  ASSERT_TRUE(Until([&] { query.Poll(Clock::now()); }, [&] { return !query.Running(); }));
  EXPECT_EQ(query.State(), TVersionQuery::TState::Answered);
  EXPECT_EQ(query.Value(), "2.7.0.0");
  // A new query forgets the old one's answer.
  query.Start(library, "2.3.0.0", Clock::now());
  EXPECT_TRUE(query.Running());
  EXPECT_EQ(query.Value(), std::nullopt);
  ASSERT_TRUE(Until([&] { query.Poll(Clock::now()); }, [&] { return !query.Running() && !query.Calling(); }));
}

// A box closed while its call hangs, and opened again: the new query's calls
// wait for that call, so the library is never called from two threads at once
// (its answer, say, is only valid until it is called again).
TEST(VersionQueryOffThread, ANewQueryWaitsForTheCallOfAnAbandonedOne) {
  const TVersionLibrary library = HangingLibrary::Make(false, true);
  const Clock::time_point start{};
  TVersionQuery abandoned;
  abandoned.Start(library, "2.3.0.0", start, 1s);
  ASSERT_TRUE(Until([&] { abandoned.Poll(start); }, [] { return HangingLibrary::Inside() == 1; }));

  TVersionQuery query;
  query.Start(library, "2.3.0.0", start, 1s);
  for (int i = 0; i < 50; ++i) {
    query.Poll(start + 10ms * i);
    std::this_thread::sleep_for(2ms);
  }
  EXPECT_EQ(HangingLibrary::MostInside(), 1);
  query.Poll(start + 1s);
  EXPECT_EQ(query.State(), TVersionQuery::TState::Failed);

  HangingLibrary::Release();
  ASSERT_TRUE(Until([] {}, [&] {
    return HangingLibrary::Inside() == 0 && !query.Calling() && !abandoned.Calling();
  }));
  EXPECT_EQ(HangingLibrary::MostInside(), 1);
}
