#pragma once
// A page control: which of its pages (tab sheets, named) is shown.

#include <string>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TPageControl : public TControl {
 public:
  using TControl::TControl;

  const std::string& ActivePage() const { return activePage_; }
  void SetActivePage(const std::string& page) { Store(activePage_, page); }

 private:
  std::string activePage_;
};

}  // namespace kestrova
