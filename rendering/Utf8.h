#pragma once
// UTF-8: checking, decoding into code points, encoding.

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrova {

// Length of the well-formed UTF-8 sequence starting at byte i of s; 0 when
// none starts there (stray continuation byte, truncated, overlong or surrogate
// sequence, value over U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i);

// Code points of a UTF-8 text. Each byte that does not belong to a well-formed
// sequence gives one U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace kestrova
