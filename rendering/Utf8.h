#pragma once
// Decoding of UTF-8 text into code points.

#include <string>
#include <string_view>

namespace kestrova {

// Code points of a UTF-8 text. Each byte that does not belong to a well-formed
// sequence (stray continuation bytes, truncated, overlong or surrogate
// sequences, values over U+10FFFF) gives one U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace kestrova
