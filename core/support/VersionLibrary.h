#pragma once
// The version-query library "libtavmolint.so": the maker's library that asks
// the maker's web service for the latest version of the program. It is not
// part of this program; when it lies in the program folder the About box
// loads it and uses its three entry points:
//
//   void Query(const char* endpoint, const char* query)  starts one query, returns at once
//   int32_t Status(void)     0: the answer is ready; -1: the query failed; else still running
//   const char* Answer(void) the answer, "key=value" (NULL when there is none)

#include <cstdint>
#include <optional>
#include <string>

namespace kestrova {

inline constexpr const char* kVersionLibraryFile = "libtavmolint.so";

struct TVersionLibrary {
  using QueryFunction = void (*)(const char* endpoint, const char* query);
  using StatusFunction = std::int32_t (*)();
  using AnswerFunction = const char* (*)();

  QueryFunction Query = nullptr;
  StatusFunction Status = nullptr;
  AnswerFunction Answer = nullptr;
};

// Loads the library at that absolute path and looks up its three entry
// points; nothing when it does not load or lacks one of them. A loaded library
// is never unloaded (a query it started may still be running); loading the
// same file again gives the same library.
std::optional<TVersionLibrary> LoadVersionLibrary(const std::string& path);

// The library's place: the program folder (the folder of the executable).
std::string VersionLibraryPath();

}  // namespace kestrova
