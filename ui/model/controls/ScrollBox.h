#pragma once
// A scroll box that owns an ordered list of image controls: the output panel
// with the preview images of the last generation, and the icon palette. The
// order is the order of creation; removing keeps the order of the rest.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/controls/Control.h"
#include "ui/model/controls/Image.h"

namespace kestrova {

class TScrollBox : public TControl {
 public:
  using TControl::TControl;

  int ImageCount() const { return static_cast<int>(images_.size()); }
  bool Empty() const { return images_.empty(); }
  TImage& Image(int i) { return *images_.at(static_cast<std::size_t>(i)); }
  const TImage& Image(int i) const { return *images_.at(static_cast<std::size_t>(i)); }
  // The first image of that name (case-sensitive), or nullptr.
  TImage* FindImage(std::string_view name);

  // Appends a new image owned by the box and returns it.
  TImage& AddImage(const std::string& name);
  // Frees the images for which the test holds, from the last to the first.
  void RemoveImagesIf(const std::function<bool(const TImage&)>& test);
  void RemoveImage(const TImage& image);

 private:
  std::vector<std::unique_ptr<TImage>> images_;
};

}  // namespace kestrova
