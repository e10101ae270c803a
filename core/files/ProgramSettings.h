#pragma once
// The program settings file "kestro.ini" in the writable program folder:
// section "recent" (the recent project files under the keys 1, 2, 3, ...,
// newest first) and section "preset-sets" (one key per preset set, the value
// its preset file).

#include <string>
#include <vector>

namespace kestrova {

inline constexpr const char* kProgramSettingsFile = "kestro.ini";

// Fills PresetSets and CurrentPresetSet from the file and gives the recent
// files in the order of their keys in the file. Without any set listed the
// sets are "default" (presets-default.ini) and, when presets.ini exists,
// "old" (presets.ini). Paths have "\" turned into "/".
std::vector<std::string> LoadProgramSettings();

// Writes PresetSets (the section is rewritten) and the recent files (keys 1..n;
// keys above n from a longer list stay). Throws EIniFileError ("Unable to
// write to <file>") on failure; what was written before stays.
void SaveProgramSettings(const std::vector<std::string>& recentFiles);

}  // namespace kestrova
