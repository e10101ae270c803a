#include "gif/GIFExtension.h"

#include <cstring>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFExtensionText.h"
#include "gif/GIFExtensionUnknown.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFSupport.h"
#include "gif/LZWSubBlockReader.h"

namespace kestrova {

namespace {

// What an extension block takes beside its data: the object and its place
// in the frame's list; and what each data sub-block takes beside its bytes
// (the string or vector that holds it, and its allocation).
constexpr std::int64_t kLoadedBlockMemory = 96;
constexpr std::int64_t kLoadedSubBlockMemory = 48;

// The class for an application block: the looping extension, other
// applications' data, or raw data when the identifier is not 11 bytes long.
std::unique_ptr<TGIFExtension> FindApplicationExtension(std::istream& stream, TGIFSubImage* subImage) {
  std::uint8_t size = 0;
  TGIFApplicationId identifier{};
  if (TryReadByte(stream, size) && size == identifier.size()) {
    stream.read(reinterpret_cast<char*>(identifier.data()), size);
    if (stream.gcount() == size) {
      if (TGIFAppExtNSLoop::IsLoopIdentifier(identifier)) return std::make_unique<TGIFAppExtNSLoop>(subImage);
      return std::make_unique<TGIFUnknownAppExtension>(subImage);
    }
  }
  subImage->Warning(gsWarning, "Unsupported Application Extension block size");
  return std::make_unique<TGIFUnknownExtension>(subImage, TGIFApplicationExtension::kLabel);
}

}  // namespace

TGIFExtension::TGIFExtension(TGIFSubImage* subImage)
    : TGIFItem(subImage != nullptr ? subImage->Image() : nullptr), subImage_(subImage) {}

void TGIFExtension::WriteIntroducer(std::ostream& stream) const {
  WriteByte(stream, kExtensionIntroducer);
  WriteByte(stream, GetExtensionType());
}

void TGIFExtension::ReadIntroducer(std::istream& stream) const {
  std::uint8_t bytes[2];
  ReadCheck(stream, bytes, sizeof(bytes));
  if (bytes[0] != kExtensionIntroducer) RaiseGIFError("Invalid extension introducer");
  if (bytes[1] != GetExtensionType())
    RaiseGIFError("Internal error: Extension Instance does not match Extension Label");
}

void TGIFExtension::ReadBlocks(std::istream& stream, TGIFBlocks& blocks) const {
  blocks.clear();
  const bool complete = ReadSubBlocks(stream, [this, &blocks](const std::uint8_t* data, std::size_t size) {
    CountLoadedSubBlock(size);
    blocks.emplace_back(data, data + size);
  });
  if (!complete) Warning(gsWarning, "Premature end of data");
}

void TGIFExtension::ReadTexts(std::istream& stream, std::vector<std::string>& texts) const {
  ReadStrings(stream, texts, [this](std::size_t size) { CountLoadedSubBlock(size); });
}

void TGIFExtension::CountLoadedSubBlock(std::size_t size) const {
  if (Image() != nullptr) Image()->CountLoaded(0, static_cast<std::int64_t>(size) + kLoadedSubBlockMemory);
}

void TGIFExtension::WriteBlocks(std::ostream& stream, const TGIFBlocks& blocks) {
  for (const auto& block : blocks) {
    WriteByte(stream, static_cast<std::uint8_t>(block.size()));
    stream.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
  }
  WriteByte(stream, 0);
}

std::unique_ptr<TGIFExtension> FindExtension(std::istream& stream, TGIFSubImage* subImage) {
  const std::istream::pos_type start = stream.tellg();
  std::uint8_t introducer = 0, label = 0;
  std::unique_ptr<TGIFExtension> extension;
  if (TryReadByte(stream, introducer) && TryReadByte(stream, label)) {
    switch (label) {
      case TGIFTextExtension::kLabel: extension = std::make_unique<TGIFTextExtension>(subImage); break;
      case TGIFGraphicControlExtension::kLabel:
        extension = std::make_unique<TGIFGraphicControlExtension>(subImage);
        break;
      case TGIFCommentExtension::kLabel: extension = std::make_unique<TGIFCommentExtension>(subImage); break;
      case TGIFApplicationExtension::kLabel: extension = FindApplicationExtension(stream, subImage); break;
      default:
        subImage->Warning(gsWarning, "Unknown extension type");
        extension = std::make_unique<TGIFUnknownExtension>(subImage, label);
        break;
    }
  }
  stream.clear();
  stream.seekg(start);
  return extension;
}

namespace {

// Whether the frame keeps the block it is loading: every block, unless the
// load keeps only the frame's graphic control extension.
bool KeepsLoaded(const TGIFExtension& extension, const TGIFSubImage& frame) {
  const TGIFImage* image = frame.Image();
  if (image == nullptr || image->KeepsLoadedExtensions()) return true;
  return dynamic_cast<const TGIFGraphicControlExtension*>(&extension) != nullptr &&
         frame.GraphicControlExtension() == nullptr;
}

}  // namespace

void TGIFExtensionList::LoadFromStream(std::istream& stream, TGIFSubImage* parent) {
  for (;;) {
    // Zero bytes between blocks are padding.
    if (!SkipZeroBytes(stream)) return;
    const auto byte = stream.peek();
    if (byte == ',' || byte == ';') return;
    if (byte != kExtensionIntroducer) {
      parent->Warning(gsWarning, "Invalid extension introducer");
      return;
    }
    std::unique_ptr<TGIFExtension> extension = FindExtension(stream, parent);
    if (extension == nullptr) {
      // Only the introducer is left.
      parent->Warning(gsWarning, "Premature end of data");
      stream.ignore(1);
      return;
    }
    if (!KeepsLoaded(*extension, *parent)) {
      // Introducer and label, then the block's data sub-blocks, whatever its kind.
      stream.ignore(2);
      if (!ReadSubBlocks(stream, nullptr)) parent->Warning(gsWarning, "Premature end of data");
      continue;
    }
    if (parent->Image() != nullptr) parent->Image()->CountLoaded(0, kLoadedBlockMemory);
    extension->LoadFromStream(stream);
    Add(std::move(extension));
  }
}

}  // namespace kestrova
