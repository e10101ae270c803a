#pragma once
// The resources the program ships, drawn by our own code: the preset set
// "default" and the small icons of the icon palette. The generator program
// (MakeResources.cpp) writes them into the resources folder; the tests compare
// what is committed there with what this code draws now.

#include <string>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Settings.h"

namespace kestrova::art {

// One preset of the set "default": the 29 preset fields of the record; the
// name only documents it (preset files hold numbered sections).
struct NamedPreset {
  std::string name;
  TSettings settings;
};

// The presets in the order they are numbered (preset1, preset2, ...).
std::vector<NamedPreset> DefaultPresets();
// Writes the presets, through the program's own preset writer, as a new file
// (an existing one is replaced). Throws EIniFileError when it cannot be written.
void WriteDefaultPresets(const std::string& fileName);

// One icon of the palette: its file stem and its picture, on white (the
// palette's default transparent colour; no icon pixel is pure white).
struct PaletteIcon {
  std::string stem;
  Bitmap picture;
};

// The icons in the order the shipped icon list names them.
std::vector<PaletteIcon> DrawPaletteIcons();
// The icon list entry of an icon, relative to the resource folder.
std::string IconListEntry(const std::string& stem);
// Writes every icon as icons/<stem>.png and icons/<stem>.bmp, and the icon
// list bullets.ini naming the PNG files, into the resource folder (ending in
// "/"). Throws std::runtime_error naming the file that could not be written.
void WritePaletteIcons(const std::string& resourceFolder);

}  // namespace kestrova::art
