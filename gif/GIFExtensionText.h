#pragma once
// The two extensions that carry text as data sub-blocks, one line per block:
// the plain text extension (label 0x01) with its text grid, and the comment
// extension (label 0xFE).

#include <string>
#include <vector>

#include "gif/GIFExtension.h"

namespace kestrova {

class TGIFTextExtension : public TGIFExtension {
 public:
  static constexpr std::uint8_t kLabel = 0x01;
  using TGIFExtension::TGIFExtension;

  std::uint8_t GetExtensionType() const override { return kLabel; }
  std::vector<std::string>& Text() { return text_; }
  const std::vector<std::string>& Text() const { return text_; }

  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;

 private:
  // Block size 12, then left, top, grid width, grid height (16 bits each),
  // cell width, cell height, foreground and background colour index.
  std::uint8_t grid_[13] = {12};
  std::vector<std::string> text_;
};

class TGIFCommentExtension : public TGIFExtension {
 public:
  static constexpr std::uint8_t kLabel = 0xFE;
  using TGIFExtension::TGIFExtension;

  std::uint8_t GetExtensionType() const override { return kLabel; }
  std::vector<std::string>& Text() { return text_; }
  const std::vector<std::string>& Text() const { return text_; }

  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;

 private:
  std::vector<std::string> text_;
};

}  // namespace kestrova
