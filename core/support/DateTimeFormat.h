#pragma once
// Date and time formats made of format letters: yyyy (four-digit year), yy
// (two digits), mm/m (month with/without a leading zero), dd/d (day), hh/h
// (hour 0..23), nn/n (minutes), ss/s (seconds). A "/" prints the date
// separator, a ":" the time separator; every other character prints as it
// stands. Letters count without regard to case.

#include <ctime>
#include <string>
#include <string_view>

namespace kestrova {

struct TDateTimeSeparators {
  std::string date = "/";
  std::string time = ":";
};

std::string FormatDateTime(std::string_view format, const std::tm& time, const TDateTimeSeparators& separators = {});

// The user's short date format and separators, from the locale's date and
// time formats; "m/d/yy" when the locale gives none that the letters can say.
struct TUserDateFormat {
  std::string shortDateFormat = "m/d/yy";
  TDateTimeSeparators separators;
};
const TUserDateFormat& UserDateFormat();

// A strftime-style date format (as the locale gives it) in format letters;
// empty when it uses anything the letters cannot express.
std::string DateFormatFromStrftime(std::string_view format);
// The first separator character of a strftime-style format; `fallback` when none.
std::string SeparatorOfStrftime(std::string_view format, std::string_view fallback);

}  // namespace kestrova
