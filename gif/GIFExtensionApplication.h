#pragma once
// Application extensions (label 0xFF): an 11-byte identifier (8 bytes of
// application name, 3 of authentication code) followed by data sub-blocks.
// The looping extension is understood; other applications' data is kept.

#include <array>
#include <cstdint>

#include "gif/GIFExtension.h"

namespace kestrova {

using TGIFApplicationId = std::array<std::uint8_t, 11>;

class TGIFApplicationExtension : public TGIFExtension {
 public:
  static constexpr std::uint8_t kLabel = 0xFF;
  using TGIFExtension::TGIFExtension;

  std::uint8_t GetExtensionType() const override { return kLabel; }
  const TGIFApplicationId& Identifier() const { return identifier_; }
  void SetIdentifier(const TGIFApplicationId& identifier) { identifier_ = identifier; }

  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;

 protected:
  virtual void SaveData(std::ostream& stream) const = 0;
  virtual void LoadData(std::istream& stream) = 0;

 private:
  TGIFApplicationId identifier_{};
};

// The data of an application this program does not know, kept byte for byte.
class TGIFUnknownAppExtension : public TGIFApplicationExtension {
 public:
  using TGIFApplicationExtension::TGIFApplicationExtension;
  const TGIFBlocks& Blocks() const { return blocks_; }

 protected:
  void SaveData(std::ostream& stream) const override;
  void LoadData(std::istream& stream) override;

 private:
  TGIFBlocks blocks_;
};

// The looping extension ("NETSCAPE2.0", also read as "ANIMEXTS1.0"): how many
// times an animation repeats (0: without end) and an optional buffer size.
class TGIFAppExtNSLoop : public TGIFApplicationExtension {
 public:
  explicit TGIFAppExtNSLoop(TGIFSubImage* subImage);

  int Loops() const { return loops_; }
  void SetLoops(int loops) { loops_ = static_cast<std::uint16_t>(loops); }
  std::uint32_t BufferSize() const { return bufferSize_; }
  void SetBufferSize(std::uint32_t size) { bufferSize_ = size; }

  // Whether the identifier names the looping extension.
  static bool IsLoopIdentifier(const TGIFApplicationId& identifier);

 protected:
  void SaveData(std::ostream& stream) const override;
  void LoadData(std::istream& stream) override;

 private:
  std::uint16_t loops_ = 0;
  std::uint32_t bufferSize_ = 0;
};

}  // namespace kestrova
