// Picking the cut rectangle with the mouse: a button arms the pick, the next
// press on the base image sets the origin or the size there.

#include "ui/model/form/MainForm.h"

namespace kestrova {

void TForm1::BitBtnX0Y0Click() { PickCutOrigin = true; }

void TForm1::BitBtnXEYEClick() { PickCutSize = true; }

void TForm1::ImageBaseMouseDown(int x, int y) {
  if (PickCutOrigin) {
    RxSpinEditCutX0.SetValue(x);
    RxSpinEditCutY0.SetValue(y);
    PickCutOrigin = false;
  }
  if (PickCutSize) {
    // The spin edits bring a size left of or above the origin to 0.
    RxSpinEditCutX.SetValue(static_cast<std::int64_t>(x) - RxSpinEditCutX0.Value());
    RxSpinEditCutY.SetValue(static_cast<std::int64_t>(y) - RxSpinEditCutY0.Value());
    PickCutSize = false;
  }
}

}  // namespace kestrova
