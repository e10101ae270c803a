#include "gif/GIFExtensionText.h"

#include "gif/GIFSupport.h"

namespace kestrova {

void TGIFTextExtension::SaveToStream(std::ostream& stream) const {
  WriteIntroducer(stream);
  stream.write(reinterpret_cast<const char*>(grid_), sizeof(grid_));
  WriteStrings(stream, text_);
}

void TGIFTextExtension::LoadFromStream(std::istream& stream) {
  ReadIntroducer(stream);
  ReadCheck(stream, grid_, sizeof(grid_));
  ReadTexts(stream, text_);
}

void TGIFCommentExtension::SaveToStream(std::ostream& stream) const {
  WriteIntroducer(stream);
  WriteStrings(stream, text_);
}

void TGIFCommentExtension::LoadFromStream(std::istream& stream) {
  ReadIntroducer(stream);
  ReadTexts(stream, text_);
}

}  // namespace kestrova
