#pragma once
// What every modal dialog of the program holds beside its controls: its
// caption and the result it closes with. The view listening through
// SetOnClose closes its window when the dialog closes itself.

#include <functional>
#include <string>

#include "core/support/Messages.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

class TDialogForm : public TControlOwner {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }

  // mrNone while the dialog is open.
  int ModalResult() const { return modalResult_; }
  // Ends the dialog with that result.
  void Close(int result) {
    modalResult_ = result;
    if (onClose_) onClose_(result);
  }
  // Opens it again (ModalResult back to mrNone).
  void Reopen() { modalResult_ = mrNone; }
  void SetOnClose(std::function<void(int result)> handler) { onClose_ = std::move(handler); }

 private:
  std::string caption_;
  int modalResult_ = mrNone;
  std::function<void(int)> onClose_;
};

}  // namespace kestrova
