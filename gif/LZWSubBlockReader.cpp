#include "gif/LZWSubBlockReader.h"

#include "gif/GIFSupport.h"

namespace kestrova {

bool ReadSubBlocks(std::istream& stream,
                   const std::function<void(const std::uint8_t* data, std::size_t size)>& take) {
  std::uint8_t block[255];
  std::uint8_t size = 0;
  for (;;) {
    if (!TryReadByte(stream, size)) return false;
    if (size == 0) return true;
    stream.read(reinterpret_cast<char*>(block), size);
    const auto got = static_cast<std::size_t>(stream.gcount());
    if (got > 0 && take) take(block, got);
    if (got < size) return false;
  }
}

}  // namespace kestrova
