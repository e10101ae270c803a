#pragma once
// Changes to the list of preset sets (PresetSets): naming a set, choosing the
// file of a new set, the name under which an existing preset file is listed,
// adding and removing lines, and the presets a set's file holds.

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// Why a set name cannot be taken.
enum class TSetNameCheck {
  Ok,
  Empty,          // nothing but blanks
  InUse,          // a set of that name is listed already (compared without regard to case)
  BadCharacters,  // holds "=" or "[", or begins with ";" (the list file could not hold it)
};
// Checks a name as the user typed it; blanks at both ends do not count.
TSetNameCheck CheckSetName(std::string_view name);

// The file of a new set: the first "presets-user<n>.ini", n from 1 to 99, that
// no file of the writable or a resource folder has and no listed set uses;
// empty when all 99 are taken.
std::string FreeUserSetFile();

// How a chosen preset file is listed: its bare name when it lies in the
// writable folder, else its path relative to that folder ("../x/a.ini"), or
// the absolute path when no relative path leads to it.
std::string ListedSetFile(const std::string& path);

// Appends the line "name=file" to PresetSets.
void AddPresetSet(const std::string& name, const std::string& file);
// Removes the first line of that name (compared without regard to case);
// false when there is none.
bool RemovePresetSet(std::string_view name);

// A preset of the current set's file: its section name and the section's
// position among all sections of the file.
struct TPresetSection {
  int index = 0;
  std::string name;
};
// The sections of the current set's file whose names begin with "preset"
// (without regard to case), in file order; none without a file.
std::vector<TPresetSection> CurrentSetPresets();
// Removes a preset from the current set's file. Throws EIniFileError.
void ErasePreset(std::string_view section);

}  // namespace kestrova
