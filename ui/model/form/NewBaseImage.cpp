// Drawing a new base image from the controls.

#include "rendering/BaseImageComposer.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

void TForm1::Createempty1Click() {
  ControlsToSettings();
  CurrentSettings.image_file.clear();
  try {
    ComposeBaseImage(CurrentSettings, ImageBase.Picture());
  } catch (const BitmapError& e) {
    ShowMessageOrLog(e.what(), mtError, mbOK);
  }
  ImageBase.PictureChanged();
  UpdateImageInfo();
}

// Drawing a new base image removes an icon drawn onto the old one.
void TForm1::BitBtnNoIcoClick() { Createempty1Click(); }

}  // namespace kestrova
