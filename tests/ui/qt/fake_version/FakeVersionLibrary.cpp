// Stand-ins for the version-query library that the About box tests load as
// "libtavmolint.so". One source, built once per behaviour (FAKE_VERSION_xxx):
//   NOW           answers at once
//   LATE          reports "running" three times, then answers
//   FLICKER       reports -1 and "running" in turn, from -1 on
//   NEVER         never answers
//   FAILSTART     fails when the query is started
//   NOTEXT        answers with no text (a null pointer)
//   NOANSWER      lacks the Answer entry point
//   QUERYHANGS    Query does not return until the test lets it go
//   STATUSHANGS   Status does not return until the test lets it go
// A call that hangs returns once the test lets it go (a fault that never does
// is ended by the test runner's time limit). Each also records the queries it
// was given and counts its Status calls, for the tests to read.
// The box calls the library from threads of its own, so all this is guarded.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <algorithm>
#include <mutex>
#include <stdexcept>
#include <string>

namespace {

std::atomic<int> gQueries{0};
std::atomic<int> gPolls{0};
std::mutex gMutex;
std::string gLastQuery;
std::condition_variable gLetGo;
bool gReleased = false;
int gHanging = 0;

[[maybe_unused]] void Hang() {
  std::unique_lock lock(gMutex);
  ++gHanging;
  gLetGo.wait(lock, [] { return gReleased; });
  --gHanging;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void Query(const char* endpoint, const char* query) {
#ifdef FAKE_VERSION_FAILSTART
  throw std::runtime_error("the network is down");
#endif
#ifdef FAKE_VERSION_QUERYHANGS
  Hang();
#endif
  {
    std::lock_guard lock(gMutex);
    gLastQuery = std::string(endpoint) + " " + query;
  }
  ++gQueries;
}

__attribute__((visibility("default"))) std::int32_t Status() {
  [[maybe_unused]] const int polls = ++gPolls;
#if defined(FAKE_VERSION_STATUSHANGS)
  Hang();
  return 1;
#elif defined(FAKE_VERSION_NEVER)
  return 1;
#elif defined(FAKE_VERSION_LATE)
  return polls > 3 ? 0 : 5;
#elif defined(FAKE_VERSION_FLICKER)
  return polls % 2 == 1 ? -1 : 5;
#else
  return 0;
#endif
}

#ifndef FAKE_VERSION_NOANSWER
__attribute__((visibility("default"))) const char* Answer() {
#ifdef FAKE_VERSION_NOTEXT
  return nullptr;
#elif defined(FAKE_VERSION_LATE)
  return "latest=2.6.1.0";
#else
  return "version=2.5.0.1";
#endif
}
#endif

// What the tests read, and how they let hanging calls go.
__attribute__((visibility("default"))) int FakeQueryCount() { return gQueries; }
__attribute__((visibility("default"))) int FakePollCount() { return gPolls; }
// The last query into `buffer` (cut at its size).
__attribute__((visibility("default"))) void FakeLastQuery(char* buffer, int size) {
  std::lock_guard lock(gMutex);
  gLastQuery.copy(buffer, static_cast<std::size_t>(size - 1));
  buffer[std::min<std::size_t>(gLastQuery.size(), static_cast<std::size_t>(size - 1))] = '\0';
}
__attribute__((visibility("default"))) int FakeHanging() {
  std::lock_guard lock(gMutex);
  return gHanging;
}
__attribute__((visibility("default"))) void FakeLetGo() {
  std::lock_guard lock(gMutex);
  gReleased = true;
  gLetGo.notify_all();
}
}
