#include "core/support/DateTimeFormat.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdio>

namespace kestrova {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Number(int value, std::size_t run) {
  char text[16];
  std::snprintf(text, sizeof text, run >= 2 ? "%02d" : "%d", value);
  return text;
}

bool IsFormatLetter(char c) {
  const char l = Lower(c);
  return l == 'y' || l == 'm' || l == 'd' || l == 'h' || l == 'n' || l == 's';
}

}  // namespace

std::string FormatDateTime(std::string_view format, const std::tm& time, const TDateTimeSeparators& separators) {
  std::string out;
  for (std::size_t i = 0; i < format.size();) {
    const char c = Lower(format[i]);
    std::size_t run = 1;
    while (IsFormatLetter(c) && i + run < format.size() && Lower(format[i + run]) == c) ++run;
    switch (c) {
      case 'y': out += run >= 3 ? Number(time.tm_year + 1900, 4) : Number((time.tm_year + 1900) % 100, 2); break;
      case 'm': out += Number(time.tm_mon + 1, run); break;
      case 'd': out += Number(time.tm_mday, run); break;
      case 'h': out += Number(time.tm_hour, run); break;
      case 'n': out += Number(time.tm_min, run); break;
      case 's': out += Number(time.tm_sec, run); break;
      case '/': out += separators.date; break;
      case ':': out += separators.time; break;
      default: out += format[i]; break;
    }
    i += run;
  }
  return out;
}

std::string DateFormatFromStrftime(std::string_view format) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      if (IsFormatLetter(format[i])) return {};
      out += format[i];
      continue;
    }
    if (++i >= format.size()) return {};
    bool unpadded = false;
    if (format[i] == '-') unpadded = true;
    if (format[i] == '-' || format[i] == 'E' || format[i] == 'O') {
      if (++i >= format.size()) return {};
    }
    switch (format[i]) {
      case 'd': out += unpadded ? "d" : "dd"; break;
      case 'e': out += "d"; break;
      case 'm': out += unpadded ? "m" : "mm"; break;
      case 'y': out += "yy"; break;
      case 'Y': out += "yyyy"; break;
      case 'D': out += "mm/dd/yy"; break;
      case 'F': out += "yyyy-mm-dd"; break;
      case '%': out += '%'; break;
      default: return {};
    }
  }
  return out;
}

std::string SeparatorOfStrftime(std::string_view format, std::string_view fallback) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%') {
      ++i;
      continue;
    }
    const auto b = static_cast<unsigned char>(format[i]);
    if (b < 0x80 && b != ' ' && !IsFormatLetter(format[i])) return std::string(1, format[i]);
  }
  return std::string(fallback);
}

const TUserDateFormat& UserDateFormat() {
  static const TUserDateFormat format = [] {
    TUserDateFormat result;
    const locale_t locale = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return result;
    const std::string dateFormat = ::nl_langinfo_l(D_FMT, locale);
    const std::string timeFormat = ::nl_langinfo_l(T_FMT, locale);
    ::freelocale(locale);
    if (const std::string letters = DateFormatFromStrftime(dateFormat); !letters.empty()) {
      result.shortDateFormat = letters;
      result.separators.date = SeparatorOfStrftime(dateFormat, "/");
    }
    result.separators.time = SeparatorOfStrftime(timeFormat, ":");
    return result;
  }();
  return format;
}

}  // namespace kestrova
