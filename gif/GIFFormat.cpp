#include "gif/GIFFormat.h"

#include <cctype>

namespace kestrova {

bool IsGIFSignature(const std::uint8_t* bytes) {
  return std::toupper(bytes[0]) == 'G' && std::toupper(bytes[1]) == 'I' && std::toupper(bytes[2]) == 'F';
}

bool HasGIFSignature(std::span<const std::uint8_t> head) {
  return (head.size() >= 3 && IsGIFSignature(head.data())) || (head.size() >= 7 && IsGIFSignature(head.data() + 4));
}

}  // namespace kestrova
