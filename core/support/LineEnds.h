#pragma once
// Text whose line ends are made CR LF as it is appended: CR LF, a lone LF and
// a lone CR each become CR LF, also when a CR LF is split between two pieces
// appended one after the other.

#include <string>
#include <string_view>

namespace kestrova {

inline constexpr std::string_view kCrLf = "\r\n";

class CrLfAppender {
 public:
  explicit CrLfAppender(std::string& text) : text_(text) {}

  void Append(std::string_view piece);

 private:
  std::string& text_;
  bool afterCr_ = false;  // the last byte appended was a CR
};

}  // namespace kestrova
