#include "gif/LZWWriter.h"

namespace kestrova {

void TGIFWriter::Flush() {
  if (count_ <= 1) return;
  buffer_[0] = static_cast<std::uint8_t>(count_ - 1);
  stream_.write(reinterpret_cast<const char*>(buffer_.data()), static_cast<std::streamsize>(count_));
  count_ = 1;
}

}  // namespace kestrova
