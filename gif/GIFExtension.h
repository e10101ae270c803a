#pragma once
// Extension blocks of a GIF89a file. Each belongs to one frame and is read
// and written whole, from its introducer "!" to its terminator. The blocks
// that precede a frame's image descriptor form the frame's extension list.

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "gif/GIFList.h"

namespace kestrova {

class TGIFSubImage;

constexpr std::uint8_t kExtensionIntroducer = 0x21;

// Data sub-blocks kept as they were read, one entry per block (1..255 bytes).
using TGIFBlocks = std::vector<std::vector<std::uint8_t>>;

class TGIFExtension : public TGIFItem {
 public:
  explicit TGIFExtension(TGIFSubImage* subImage);

  TGIFSubImage* SubImage() const { return subImage_; }
  virtual std::uint8_t GetExtensionType() const = 0;
  // Every extension makes its frame a GIF89a frame.
  TGIFVersion GetVersion() const override { return TGIFVersion::gv89a; }

 protected:
  void WriteIntroducer(std::ostream& stream) const;
  // Reads "!" and the label: a wrong introducer raises "Invalid extension
  // introducer", a wrong label an internal error.
  void ReadIntroducer(std::istream& stream) const;
  // Reads sub-blocks up to the terminator; a stream that ends first gives the
  // warning "Premature end of data" and keeps what was read.
  void ReadBlocks(std::istream& stream, TGIFBlocks& blocks) const;
  // Reads sub-blocks up to the terminator as texts, one per block (ReadStrings).
  void ReadTexts(std::istream& stream, std::vector<std::string>& texts) const;
  static void WriteBlocks(std::ostream& stream, const TGIFBlocks& blocks);

 private:
  // Counts a sub-block about to be kept against the image's load limits.
  void CountLoadedSubBlock(std::size_t size) const;

  TGIFSubImage* subImage_;
};

// A new extension of the class that reads the block at the stream's position
// (at its introducer), or null when the stream ends before the label. The
// stream position is unchanged. Blocks that no class understands are kept
// raw, with a warning.
std::unique_ptr<TGIFExtension> FindExtension(std::istream& stream, TGIFSubImage* subImage);

class TGIFExtensionList : public TGIFList<TGIFExtension> {
 public:
  using TGIFList::TGIFList;
  // Reads the extension blocks that precede the parent's image descriptor and
  // leaves the stream at the first byte that does not start one.
  void LoadFromStream(std::istream& stream, TGIFSubImage* parent);
};

}  // namespace kestrova
