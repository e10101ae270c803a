// The version query with its library calls on threads of their own, as the
// window runs it: a call that does not return holds up neither the polling
// nor the window, and the query goes on once it returns. No step waits for a
// time: the tests wait for the library's calls themselves (a fault that hangs
// is ended by the test runner's time limit). Also run under ThreadSanitizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/model/dialogs/VersionQuery.h"

using namespace kestrova;

namespace {

// A version library whose Query or Status waits until the test lets it go;
// Status answers 0 (ready) once it returns.
struct HangingLibrary {
  static inline std::mutex mutex;
  static inline std::condition_variable changed;
  static inline bool released = false;
  static inline bool queryHangs = false;
  static inline bool statusHangs = false;
  static inline int inside = 0;      // calls in the library now
  static inline int mostInside = 0;  // the most calls in the library at once
  static inline int statusCalls = 0;

  static void Enter(bool hangs) {
    std::unique_lock lock(mutex);
    mostInside = std::max(mostInside, ++inside);
    changed.notify_all();
    if (hangs) changed.wait(lock, [] { return released; });
    --inside;
    changed.notify_all();
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
    changed.notify_all();
  }
  // Waits until `count` calls are in the library.
  static void WaitUntilInside(int count) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [count] { return inside == count; });
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

// Lets the hanging calls go however the test ends.
struct ReleaseAtEnd {
  ~ReleaseAtEnd() { HangingLibrary::Release(); }
};

// Runs each call on a thread of its own, as the window does, but keeps the
// threads so that the test can wait for the calls that return.
class OwnThreads {
 public:
  TLibraryCallRunner Runner() {
    return [this](std::function<void()> call) {
      std::lock_guard lock(mutex_);
      threads_.emplace_back(std::move(call));
    };
  }
  // Waits for every call made so far.
  void Join() {
    std::vector<std::thread> threads;
    {
      std::lock_guard lock(mutex_);
      threads.swap(threads_);
    }
    for (std::thread& t : threads) t.join();
  }
  ~OwnThreads() {
    HangingLibrary::Release();
    Join();
  }

 private:
  std::mutex mutex_;
  std::vector<std::thread> threads_;
};

// Polls until the query ends, each step's calls waited for; the steps taken.
int PollToTheEnd(TVersionQuery& query, OwnThreads& threads) {
  int steps = 0;
  for (; query.Running() && steps < 100; ++steps) {
    query.Poll();
    threads.Join();
  }
  return steps;
}

}  // namespace

TEST(VersionQueryOffThread, ACallThatDoesNotReturnHoldsUpNothingAndTheQueryGoesOnOnceItReturns) {
  for (const bool queryHangs : {true, false}) {
    SCOPED_TRACE(queryHangs ? "Query hangs" : "Status hangs");
    ReleaseAtEnd release;
    OwnThreads threads;
    TVersionQuery query(threads.Runner());
    query.Start(HangingLibrary::Make(queryHangs, !queryHangs), "2.3.0.0");
    EXPECT_TRUE(query.Running());
    if (!queryHangs) {
      threads.Join();  // Query returned
      query.Poll();    // the status call that hangs
    }
    HangingLibrary::WaitUntilInside(1);
    // Polling returns while the call hangs, and asks nothing more of the library meanwhile.
    for (int i = 0; i < 200; ++i) query.Poll();
    EXPECT_TRUE(query.Running());
    EXPECT_TRUE(query.Calling());
    EXPECT_EQ(HangingLibrary::StatusCalls(), queryHangs ? 0 : 1);

    // Let go, the query takes up where it was and answers: no time ran out meanwhile.
    HangingLibrary::Release();
    threads.Join();
    PollToTheEnd(query, threads);
    EXPECT_EQ(query.State(), TVersionQuery::TState::Answered);
    EXPECT_EQ(query.Value(), "2.7.0.0");
  }
}

TEST(VersionQueryOffThread, TheAnswerComesBackFromTheWindowsOwnThreads) {
  TVersionQuery query;  // the calls on detached threads, as in the window
  const TVersionLibrary library = HangingLibrary::Make(false, false);
  query.Start(library, "2.3.0.0");
  // (no time limit: a fault that never answers is ended by the test runner)
  while (query.Running() || query.Calling()) {
    query.Poll();
    std::this_thread::yield();
  }
  EXPECT_EQ(query.State(), TVersionQuery::TState::Answered);
  EXPECT_EQ(query.Value(), "2.7.0.0");
  // A new query forgets the old one's answer.
  query.Start(library, "2.3.0.0");
  EXPECT_TRUE(query.Running());
  EXPECT_EQ(query.Value(), std::nullopt);
  while (query.Running() || query.Calling()) {
    query.Poll();
    std::this_thread::yield();
  }
}

// A box closed while its call hangs, and opened again: the new query's calls
// wait for that call, so the library is never called from two threads at once
// (its answer, say, is only valid until it is called again).
TEST(VersionQueryOffThread, ANewQueryWaitsForTheCallOfAnAbandonedOne) {
  ReleaseAtEnd release;
  OwnThreads threads;
  const TVersionLibrary library = HangingLibrary::Make(false, true);
  TVersionQuery abandoned(threads.Runner());
  abandoned.Start(library, "2.3.0.0");
  threads.Join();     // Query returned
  abandoned.Poll();  // the status call that hangs
  HangingLibrary::WaitUntilInside(1);

  TVersionQuery query(threads.Runner());
  query.Start(library, "2.3.0.0");
  for (int i = 0; i < 50; ++i) {
    query.Poll();
    std::this_thread::yield();
  }
  EXPECT_EQ(HangingLibrary::MostInside(), 1);
  EXPECT_TRUE(query.Running());

  HangingLibrary::Release();
  threads.Join();
  EXPECT_EQ(HangingLibrary::MostInside(), 1);
  PollToTheEnd(query, threads);
  EXPECT_EQ(query.State(), TVersionQuery::TState::Answered);
}
