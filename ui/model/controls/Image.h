#pragma once
// An image control holding a bitmap (an empty bitmap when it holds no picture).
// With AutoSize on, the control takes its picture's size whenever the picture
// changes; with Stretch on, a view scales the picture to the control's size.
// Code that draws into Picture() in place calls PictureChanged() afterwards.

#include <string>

#include "rendering/Bitmap.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

class TImage : public TControl {
 public:
  using TControl::TControl;

  const Bitmap& Picture() const { return picture_; }
  Bitmap& Picture() { return picture_; }
  void SetPicture(Bitmap picture);
  void ClearPicture() { SetPicture(Bitmap()); }
  void PictureChanged();

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on) { Store(stretch_, on); }

  // Name of the pop-up menu the image offers ("" for none).
  const std::string& PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(const std::string& menu) { Store(popupMenu_, menu); }

 private:
  Bitmap picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
  std::string popupMenu_;
};

}  // namespace kestrova
