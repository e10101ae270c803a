#include "ui/model/controls/ScrollBox.h"

namespace kestrova {

TImage* TScrollBox::FindImage(std::string_view name) {
  for (auto& image : images_) {
    if (image->Name() == name) return image.get();
  }
  return nullptr;
}

TImage& TScrollBox::AddImage(const std::string& name) {
  images_.push_back(std::make_unique<TImage>(name, Name()));
  Changed();
  return *images_.back();
}

void TScrollBox::RemoveImagesIf(const std::function<bool(const TImage&)>& test) {
  const std::size_t removed =
      std::erase_if(images_, [&test](const std::unique_ptr<TImage>& image) { return test(*image); });
  if (removed > 0) Changed();
}

void TScrollBox::RemoveImage(const TImage& image) {
  RemoveImagesIf([&image](const TImage& candidate) { return &candidate == &image; });
}

}  // namespace kestrova
