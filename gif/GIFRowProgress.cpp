#include "gif/GIFRowProgress.h"

#include <exception>

#include "gif/GIFImage.h"
#include "gif/GIFSupport.h"

namespace kestrova {

namespace {

constexpr int kRowsPerNotification = 32;

}  // namespace

TGIFRowProgress::TGIFRowProgress(const TGIFImage* image, std::string message, int rows, bool bracketed)
    : image_(image != nullptr && image->OnProgress ? image : nullptr),
      message_(std::move(message)),
      rows_(rows),
      bracketed_(bracketed),
      exceptions_(std::uncaught_exceptions()) {
  if (image_ != nullptr && bracketed_) image_->OnProgress(TProgressStage::psStarting, 0, false, message_);
}

TGIFRowProgress::~TGIFRowProgress() {
  if (image_ == nullptr || !bracketed_) return;
  const bool failed = std::uncaught_exceptions() > exceptions_;
  image_->OnProgress(TProgressStage::psEnding, failed ? 0 : 100, false, message_);
}

void TGIFRowProgress::Row(int row) const {
  if (image_ == nullptr || row % kRowsPerNotification != 0) return;
  image_->OnProgress(TProgressStage::psRunning, static_cast<int>(MulDiv(row, 100, rows_)), false, message_);
}

}  // namespace kestrova
