#pragma once
// The About box's system information: what this system tells about itself,
// one fact a line, in English or in Polish. Every line ends in CR LF.

#include <string>
#include <string_view>

#include "core/support/SystemInfo.h"

namespace kestrova {

// `languageName` is the name of the language of the facts' locale;
// `thousands` separates the groups of digits of the memory size.
std::string GetSystemInfoText(const TSystemFacts& facts, std::string_view languageName, std::string_view thousands);
std::string GetSystemInfoTextPL(const TSystemFacts& facts, std::string_view languageName,
                                std::string_view thousands);

}  // namespace kestrova
