#pragma once
// Raised when a set of buttons or a joined image cannot be made from the
// settings in hand; the message says why, in words for the user.

#include <stdexcept>

namespace kestrova {

class GenerationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kestrova
