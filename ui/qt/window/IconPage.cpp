#include "ui/qt/window/IconPage.h"

namespace kestrova::qt {

void ConnectIconPage(TForm1& form, const Dialogs& dialogs) {
  form.BitBtn1.SetOnClick([&form, &dialogs] {
    if (!dialogs.OpenFiles) return;
    const TFileDialog& picture = form.OpenPictureDialog1;
    const std::vector<std::string> files = dialogs.OpenFiles(picture.Title(), picture.Filter(), true);
    if (!files.empty()) form.BitBtn1Click(files);
  });
}

}  // namespace kestrova::qt
