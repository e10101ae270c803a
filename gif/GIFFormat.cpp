#include "gif/GIFFormat.h"

#include <cctype>

namespace kestrova {

bool IsGIFSignature(const std::uint8_t* bytes) {
  return std::toupper(bytes[0]) == 'G' && std::toupper(bytes[1]) == 'I' && std::toupper(bytes[2]) == 'F';
}

}  // namespace kestrova
