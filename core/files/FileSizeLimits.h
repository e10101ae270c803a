#pragma once
// How large the files that hold a project's text may be. A real project is a
// few kilobytes with its captions, a real captions file a few megabytes at
// most; a file beyond these sizes is refused unread, with a message, so that
// a huge (or sparse) file cannot take the machine's memory. The captions
// file's bound leaves room for two million captions of thirty characters.

#include <cstdint>

namespace kestrova {

// A project and every other INI file: read whole and held as lines, it takes
// some twenty times its size in memory while it is read.
inline constexpr std::uint64_t kMaxProjectFileSize = std::uint64_t{16} << 20;
// A captions text file: read a buffer at a time and held once as text.
inline constexpr std::uint64_t kMaxCaptionsFileSize = std::uint64_t{64} << 20;

}  // namespace kestrova
