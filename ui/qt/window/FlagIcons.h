#pragma once
// The flags of the five interface languages, drawn for the tool bar's
// language buttons.

#include <QIcon>

#include "ui/model/language/LanguageTables.h"

namespace kestrova::qt {

// The flag of the language, `width` x `height` pixels.
QIcon FlagIcon(TLanguage language, int width, int height);

}  // namespace kestrova::qt
