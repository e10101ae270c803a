#include "gif/GIFExtensionUnknown.h"

namespace kestrova {

void TGIFUnknownExtension::SaveToStream(std::ostream& stream) const {
  WriteIntroducer(stream);
  WriteBlocks(stream, blocks_);
}

void TGIFUnknownExtension::LoadFromStream(std::istream& stream) {
  ReadIntroducer(stream);
  ReadBlocks(stream, blocks_);
}

}  // namespace kestrova
