#include "core/support/LineEnds.h"

namespace kestrova {

void CrLfAppender::Append(std::string_view piece) {
  if (afterCr_ && !piece.empty() && piece.front() == '\n') piece.remove_prefix(1);
  afterCr_ = false;
  while (!piece.empty()) {
    const std::size_t end = piece.find_first_of(kCrLf);
    if (end == std::string_view::npos) {
      text_.append(piece);
      return;
    }
    text_.append(piece.substr(0, end)).append(kCrLf);
    const bool crLf = piece[end] == '\r' && end + 1 < piece.size() && piece[end + 1] == '\n';
    afterCr_ = piece[end] == '\r' && end + 1 == piece.size();
    piece.remove_prefix(end + (crLf ? 2 : 1));
  }
}

}  // namespace kestrova
