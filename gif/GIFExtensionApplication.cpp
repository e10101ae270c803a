#include "gif/GIFExtensionApplication.h"

#include <cstring>

#include "gif/GIFSupport.h"

namespace kestrova {

namespace {

constexpr char kNetscapeLoop[] = "NETSCAPE2.0";
constexpr char kAnimextsLoop[] = "ANIMEXTS1.0";

bool IdentifierIs(const TGIFApplicationId& identifier, const char* text) {
  return std::memcmp(identifier.data(), text, identifier.size()) == 0;
}

}  // namespace

void TGIFApplicationExtension::SaveToStream(std::ostream& stream) const {
  WriteIntroducer(stream);
  WriteByte(stream, static_cast<std::uint8_t>(identifier_.size()));
  stream.write(reinterpret_cast<const char*>(identifier_.data()), identifier_.size());
  SaveData(stream);
}

void TGIFApplicationExtension::LoadFromStream(std::istream& stream) {
  ReadIntroducer(stream);
  std::uint8_t size = 0;
  ReadCheck(stream, &size, 1);
  if (size != identifier_.size()) RaiseGIFError("Unsupported Application Extension block size");
  ReadCheck(stream, identifier_.data(), identifier_.size());
  LoadData(stream);
}

void TGIFUnknownAppExtension::SaveData(std::ostream& stream) const { WriteBlocks(stream, blocks_); }

void TGIFUnknownAppExtension::LoadData(std::istream& stream) { ReadBlocks(stream, blocks_); }

TGIFAppExtNSLoop::TGIFAppExtNSLoop(TGIFSubImage* subImage) : TGIFApplicationExtension(subImage) {
  TGIFApplicationId identifier;
  std::memcpy(identifier.data(), kNetscapeLoop, identifier.size());
  SetIdentifier(identifier);
}

bool TGIFAppExtNSLoop::IsLoopIdentifier(const TGIFApplicationId& identifier) {
  return IdentifierIs(identifier, kNetscapeLoop) || IdentifierIs(identifier, kAnimextsLoop);
}

void TGIFAppExtNSLoop::SaveData(std::ostream& stream) const {
  const std::uint8_t loops[4] = {3, 1, static_cast<std::uint8_t>(loops_ & 0xFF),
                                 static_cast<std::uint8_t>(loops_ >> 8)};
  stream.write(reinterpret_cast<const char*>(loops), sizeof(loops));
  if (bufferSize_ != 0) {
    std::uint8_t buffer[6] = {5, 2};
    for (int i = 0; i < 4; ++i) buffer[2 + i] = static_cast<std::uint8_t>(bufferSize_ >> (8 * i));
    stream.write(reinterpret_cast<const char*>(buffer), sizeof(buffer));
  }
  WriteByte(stream, 0);
}

void TGIFAppExtNSLoop::LoadData(std::istream& stream) {
  std::uint8_t size = 0;
  std::uint8_t block[255];
  while (TryReadByte(stream, size) && size != 0) {
    ReadCheck(stream, block, size);
    switch (block[0] & 7) {
      case 1:
        if (size < 3) RaiseGIFError("Invalid GIF data");
        loops_ = static_cast<std::uint16_t>(block[1] | block[2] << 8);
        break;
      case 2:
        if (size < 5) RaiseGIFError("Invalid GIF data");
        bufferSize_ = static_cast<std::uint32_t>(block[1] | block[2] << 8 | block[3] << 16) |
                      static_cast<std::uint32_t>(block[4]) << 24;
        break;
      default: break;
    }
  }
}

}  // namespace kestrova
