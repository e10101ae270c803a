#pragma once
// Qt's own words (the standard buttons of message boxes and button boxes, the
// file, colour and font dialogs) in the interface language: Qt's translations
// as the system installs them (qtbase_<language>.qm in Qt's translations
// folder). English, and a language Qt has no translation for, use Qt's words
// as they are.

#include <QString>

namespace kestrova::qt {

// The language code of Qt's translation for the interface language, "" for English.
QString QtLanguageCode(int langIndex);

// Puts the translation of the interface language in place for the whole
// application (and removes the one of the language before); the widgets
// shown then retranslate themselves. Nothing happens without an application.
void UseQtLanguage(int langIndex);

}  // namespace kestrova::qt
