#include "gif/GIFList.h"

#include "gif/GIFImage.h"

namespace kestrova {

void TGIFItem::Warning(int severity, const std::string& message) const {
  if (image_ != nullptr) image_->Warning(this, severity, message);
}

}  // namespace kestrova
