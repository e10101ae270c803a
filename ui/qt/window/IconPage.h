#pragma once
// The icon page's Add button: it opens the picture dialog for several files
// and adds the chosen ones to the palette. (Remove, the sizes, Use and Clear
// work through the model alone.)

#include "ui/model/form/MainForm.h"
#include "ui/qt/dialogs/Dialogs.h"

namespace kestrova::qt {

// `dialogs` must live as long as the form.
void ConnectIconPage(TForm1& form, const Dialogs& dialogs);

}  // namespace kestrova::qt
