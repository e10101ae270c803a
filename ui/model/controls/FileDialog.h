#pragma once
// The settings of a file dialog: filter ("description|pattern" pairs), title,
// default extension and the file name it starts with. The dialog itself is the
// view's; the language tables set filter and title.

#include <string>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TFileDialog : public TControl {
 public:
  TFileDialog(TControlOwner* owner, std::string name, std::string defaultExt)
      : TControl(owner, std::move(name), ""), defaultExt_(std::move(defaultExt)) {}

  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { Store(filter_, filter); }
  const std::string& Title() const { return Caption(); }
  void SetTitle(const std::string& title) { SetCaption(title); }
  const std::string& DefaultExt() const { return defaultExt_; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { Store(fileName_, name); }

 private:
  std::string filter_;
  std::string defaultExt_;
  std::string fileName_;
};

}  // namespace kestrova
