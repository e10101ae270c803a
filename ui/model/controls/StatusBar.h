#pragma once
// A status bar with a fixed number of text panels.

#include <string>
#include <vector>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TStatusBar : public TControl {
 public:
  TStatusBar(TControlOwner* owner, std::string name, std::string parent, int panels)
      : TControl(owner, std::move(name), std::move(parent)), panels_(static_cast<std::size_t>(panels)) {}

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const std::string& PanelText(int i) const { return panels_.at(static_cast<std::size_t>(i)); }
  void SetPanelText(int i, const std::string& text) { Store(panels_.at(static_cast<std::size_t>(i)), text); }

 private:
  std::vector<std::string> panels_;
};

}  // namespace kestrova
