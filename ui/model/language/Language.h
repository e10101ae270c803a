#pragma once
// The current interface language and the look-up of a table row in it.
// Look-ups never read past a row: an index outside 0..5 reads English.

#include <string>

#include "ui/model/language/LanguageTables.h"

namespace kestrova {

// The current language slot (0, English, at start).
extern int LangIndex;
// Makes `index` the current language (English when outside 0..5); text files
// that are not UTF-8 are then read in that language's code page.
void SetLangIndex(int index);
// `index` when it names a slot, else 0.
int ValidLangIndex(int index);

// The row's text in slot `index` (slot 0 when `index` is outside 0..5).
std::string LangText(const TLangRow& row, int index);
// The row's text in the current language.
std::string Lang(const TLangRow& row);

}  // namespace kestrova
