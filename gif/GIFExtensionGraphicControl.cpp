#include "gif/GIFExtensionGraphicControl.h"

#include "gif/GIFSubImage.h"
#include "gif/GIFSupport.h"
#include "gif/LZWSubBlockReader.h"

namespace kestrova {

namespace {
constexpr std::uint8_t kBlockSize = 4;
}

void TGIFGraphicControlExtension::SetTransparent(bool transparent) {
  packedFields_ = static_cast<std::uint8_t>(transparent ? packedFields_ | 0x01 : packedFields_ & ~0x01);
}

void TGIFGraphicControlExtension::SetTransparentColorIndex(int index) {
  const int count = SubImage() != nullptr ? SubImage()->ActiveColorMap().Count() : 0;
  if (count > 0 && (index < 0 || index >= count)) {
    Warning(gsWarning, "Invalid color index");
    index = 0;
  }
  transparentColorIndex_ = static_cast<std::uint8_t>(index);
}

void TGIFGraphicControlExtension::SetDisposal(int disposal) {
  packedFields_ = static_cast<std::uint8_t>((packedFields_ & ~0x1C) | ((disposal & 7) << 2));
}

void TGIFGraphicControlExtension::SaveToStream(std::ostream& stream) const {
  WriteIntroducer(stream);
  const std::uint8_t body[6] = {kBlockSize, packedFields_, static_cast<std::uint8_t>(delay_ & 0xFF),
                                static_cast<std::uint8_t>(delay_ >> 8), transparentColorIndex_, 0};
  stream.write(reinterpret_cast<const char*>(body), sizeof(body));
}

void TGIFGraphicControlExtension::LoadFromStream(std::istream& stream) {
  ReadIntroducer(stream);
  std::uint8_t size = 0;
  std::uint8_t fields[kBlockSize] = {};
  bool complete = TryReadByte(stream, size);
  if (complete) {
    const std::streamsize wanted = std::min(size, kBlockSize);
    stream.read(reinterpret_cast<char*>(fields), wanted);
    complete = stream.gcount() == wanted;
    if (complete && size > kBlockSize) {
      stream.ignore(size - kBlockSize);
      complete = stream.gcount() == size - kBlockSize;
    }
    // A block size of 0 is the terminator itself.
    if (complete && size != 0) complete = ReadSubBlocks(stream, nullptr);
  }
  packedFields_ = fields[0];
  delay_ = static_cast<std::uint16_t>(fields[1] | fields[2] << 8);
  transparentColorIndex_ = fields[3];
  if (!complete) Warning(gsWarning, "Premature end of data");
}

}  // namespace kestrova
