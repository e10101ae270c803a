#pragma once
// Raised when no font can be found or a font file cannot be read; the message
// names the family or file, and callers turn it into their error texts.

#include <stdexcept>

namespace kestrova {

class FontError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kestrova
