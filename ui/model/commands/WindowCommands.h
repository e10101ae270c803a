#pragma once
// The window's Generate and Save generated buttons commands, and connecting
// every command the model carries out to its menu items, tool buttons and
// buttons (the file, help, text, colour and cut-picking commands, and the
// recent-files items).

#include "ui/model/form/MainForm.h"

namespace kestrova {

// Removes the previews of the last run, copies the controls into the record,
// generates the buttons into the output panel and refreshes the names list;
// the wait cursor shows meanwhile.
void Generateimages1Click(TForm1& form);

// Copies the controls into the record and writes every preview (with the test
// page when asked), with the wait cursor showing meanwhile.
void Savegeneratedbuttons1Click(TForm1& form);

// Connects each command to the menu item, tool button and buttons that run it.
void ConnectWindowCommands(TForm1& form);

}  // namespace kestrova
