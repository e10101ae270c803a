#pragma once
// The Help menu's commands: the user's guide in the interface language, and
// the maker's home and donation pages. Each is shown by the desktop's program
// for it (the window's OpenURL hook, which reports a program that cannot show it).

#include <string>

#include "ui/model/form/MainForm.h"

namespace kestrova {

// The user's guide of the current language: the resource file the language
// table names (Polish "Kestropl.html", the others "Kestroen.html"); next to
// the program when no resource folder holds it.
std::string HelpFilePath();

void HelpMenuItemClick(TForm1& form);
// The donation page; the Polish one in Polish.
void PayPaldonation1Click(TForm1& form);
void Zandrelkocom1Click(TForm1& form);

}  // namespace kestrova
