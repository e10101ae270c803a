#pragma once
// A one-line text edit (also the output-folder edit). Its change handler runs
// whenever the text actually changes.

#include <functional>
#include <string>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TEdit : public TControl {
 public:
  using TControl::TControl;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) {
    if (Store(text_, text)) Fire(onChange_);
  }

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 private:
  std::string text_;
  std::function<void()> onChange_;
};

}  // namespace kestrova
