#include "ui/model/language/FormatText.h"

namespace kestrova {

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values) {
  std::string result;
  auto next = values.begin();
  std::size_t start = 0;
  for (std::size_t place = format.find("%s"); place != std::string_view::npos; place = format.find("%s", start)) {
    result.append(format.substr(start, place - start));
    if (next != values.end()) result.append(*next++);
    start = place + 2;
  }
  result.append(format.substr(start));
  return result;
}

}  // namespace kestrova
