#pragma once
// Fills the "%s" places of a fixed text (a message of the language tables)
// with values such as file names. The values are copied as they are: a "%" in
// a value is never read as a place, so a user's text cannot change the result
// beyond its own length.

#include <initializer_list>
#include <string>
#include <string_view>

namespace kestrova {

// `format` with each "%s" replaced by the next value, in order. A place with
// no value left becomes empty; values left over are ignored. Every other
// character, a lone "%" included, is copied.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values);

}  // namespace kestrova
