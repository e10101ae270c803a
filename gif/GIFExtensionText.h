#pragma once
// The two extensions that carry text as data sub-blocks, one line per block:
// the plain text extension (label 0x01) with its text grid, and the comment
// extension (label 0xFE).

#include <string>
#include <vector>

#include "gif/GIFExtension.h"

namespace kestrova {

// The lines both carry.
class TGIFLinesExtension : public TGIFExtension {
 public:
  using TGIFExtension::TGIFExtension;
  std::vector<std::string>& Text() { return text_; }
  const std::vector<std::string>& Text() const { return text_; }

 protected:
  std::vector<std::string> text_;
};

class TGIFTextExtension : public TGIFLinesExtension {
 public:
  static constexpr std::uint8_t kLabel = 0x01;
  using TGIFLinesExtension::TGIFLinesExtension;

  std::uint8_t GetExtensionType() const override { return kLabel; }

  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;

 private:
  // Block size 12, then left, top, grid width, grid height (16 bits each),
  // cell width, cell height, foreground and background colour index.
  std::uint8_t grid_[13] = {12};
};

class TGIFCommentExtension : public TGIFLinesExtension {
 public:
  static constexpr std::uint8_t kLabel = 0xFE;
  using TGIFLinesExtension::TGIFLinesExtension;

  std::uint8_t GetExtensionType() const override { return kLabel; }
  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;
};

}  // namespace kestrova
