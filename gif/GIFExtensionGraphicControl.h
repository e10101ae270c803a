#pragma once
// The graphic control extension (label 0xF9): transparency, delay, user
// input and disposal of the frame it precedes.

#include "gif/GIFExtension.h"

namespace kestrova {

class TGIFGraphicControlExtension : public TGIFExtension {
 public:
  static constexpr std::uint8_t kLabel = 0xF9;
  using TGIFExtension::TGIFExtension;

  std::uint8_t GetExtensionType() const override { return kLabel; }

  bool Transparent() const { return packedFields_ & 0x01; }
  void SetTransparent(bool transparent);
  std::uint8_t TransparentColorIndex() const { return transparentColorIndex_; }
  // An index outside the frame's non-empty colour table gives the warning
  // "Invalid color index" and stores 0.
  void SetTransparentColorIndex(int index);
  int Delay() const { return delay_; }
  void SetDelay(int hundredths) { delay_ = static_cast<std::uint16_t>(hundredths); }
  bool UserInput() const { return packedFields_ & 0x02; }
  // 0 not specified, 1 leave in place, 2 restore to background, 3 restore previous.
  int Disposal() const { return (packedFields_ >> 2) & 7; }
  void SetDisposal(int disposal);

  void SaveToStream(std::ostream& stream) const override;
  // Honours the block size byte: a shorter block leaves the missing fields 0,
  // a longer one is skipped past the fields, as are any further sub-blocks.
  void LoadFromStream(std::istream& stream) override;

 private:
  std::uint8_t packedFields_ = 0;
  std::uint16_t delay_ = 0;
  std::uint8_t transparentColorIndex_ = 0;
};

}  // namespace kestrova
