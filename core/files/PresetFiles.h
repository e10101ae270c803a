#pragma once
// Presets: the button effect, frame and gradient of a new base image (29
// settings fields), stored as sections "preset<n>" of a preset file. Each
// named preset set is one preset file; `PresetSets` lists them.

#include <string>
#include <string_view>
#include <vector>

#include "core/files/SettingsRecord.h"

namespace kestrova {

// One line per set, "name=file", in the order shown to the user. The file is
// a bare name (in the program's writable folder; the shipped copy is read
// until the first write), or a path (a relative one counts from the writable
// folder).
extern std::vector<std::string> PresetSets;
// Name of the set in use.
extern std::string CurrentPresetSet;

// The name part of a list line (all of it when it holds no "=").
std::string SetNameOf(std::string_view line);
// The file of the first line with that name (compared without regard to
// case); empty when there is none.
std::string GetSetFileName(std::string_view setName);

// Path of the current set's file, for reading. A set the list does not hold
// gives the writable folder itself, which reads as empty and cannot be written.
std::string GetSetFilePath();
// The same path for writing: for a bare name the writable folder is created
// and a shipped copy put there first. Throws EIniFileError when that fails.
std::string GetSetFilePathForWriting();

// Writes the 29 preset fields as section "preset<number>" of the current
// set's file; other keys of that section stay. Throws EIniFileError.
void WritePreset(const TSettings& settings, int number);
// Highest number of the file's "preset<n>" sections plus 1; 1 without any.
int NextPresetNumber();
// Copies the 29 preset fields; every other field of `target` stays.
void CopyPresetFields(const TSettings& source, TSettings& target);

}  // namespace kestrova
