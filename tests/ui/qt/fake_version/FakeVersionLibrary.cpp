// Stand-ins for the version-query library that the About box tests load as
// "libtavmolint.so". One source, built once per behaviour (FAKE_VERSION_xxx):
//   NOW        answers at once
//   LATE       reports "running" three times, then answers
//   NEVER      never answers
//   FAILSTART  fails when the query is started
//   NOTEXT     answers with no text (a null pointer)
//   NOANSWER   lacks the Answer entry point
// Each also records the queries it was given, for the tests to read.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

int gQueries = 0;
int gPolls = 0;
std::string gLastQuery;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void Query(const char* endpoint, const char* query) {
#ifdef FAKE_VERSION_FAILSTART
  throw std::runtime_error("the network is down");
#endif
  ++gQueries;
  gLastQuery = std::string(endpoint) + " " + query;
}

__attribute__((visibility("default"))) std::int32_t Status() {
  ++gPolls;
#if defined(FAKE_VERSION_NEVER)
  return 1;
#elif defined(FAKE_VERSION_LATE)
  return gPolls > 3 ? 0 : 5;
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

// What the tests read.
__attribute__((visibility("default"))) int FakeQueryCount() { return gQueries; }
__attribute__((visibility("default"))) int FakePollCount() { return gPolls; }
__attribute__((visibility("default"))) const char* FakeLastQuery() { return gLastQuery.c_str(); }
}
