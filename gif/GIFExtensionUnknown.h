#pragma once
// An extension block that no class understands (an unregistered label, or an
// application block whose identifier is not 11 bytes long), kept as its label
// and its raw sub-blocks so that it is written back unchanged.

#include "gif/GIFExtension.h"

namespace kestrova {

class TGIFUnknownExtension : public TGIFExtension {
 public:
  TGIFUnknownExtension(TGIFSubImage* subImage, std::uint8_t label)
      : TGIFExtension(subImage), label_(label) {}

  std::uint8_t GetExtensionType() const override { return label_; }
  const TGIFBlocks& Blocks() const { return blocks_; }

  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;

 private:
  std::uint8_t label_;
  TGIFBlocks blocks_;
};

}  // namespace kestrova
