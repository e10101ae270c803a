#include "core/files/ProgramSettings.h"

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/support/FileAccess.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"
#include "core/support/TextEncoding.h"

namespace kestrova {

namespace {

constexpr std::string_view kRecent = "recent";
constexpr std::string_view kPresetSets = "preset-sets";

std::string SettingsPath() { return WritableFolder() + kProgramSettingsFile; }

// "key=value" for every key of the section in file order, the value that of
// the first key of the name, paths with "/".
std::vector<std::string> ReadPathLines(const TIniFile& ini, std::string_view section) {
  std::vector<std::string> keys, lines;
  ini.ReadSection(section, keys);
  for (const std::string& key : keys) lines.push_back(key + "=" + PathFromFile(ini.ReadString(section, key, "")));
  return lines;
}

std::string ValuePart(const std::string& line) { return line.substr(line.find('=') + 1); }

}  // namespace

std::vector<std::string> LoadProgramSettings() {
  const TIniFile ini(SettingsPath());
  std::vector<std::string> recent = ReadPathLines(ini, kRecent);
  for (std::string& line : recent) line = ValuePart(line);

  std::string text;
  for (const std::string& line : ReadPathLines(ini, kPresetSets)) text += line + "\r\n";
  PresetSets = SplitLines(TrimControls(text));
  if (PresetSets.empty()) {
    PresetSets.push_back("default=presets-default.ini");
    if (FileExists(ProgramFileForReading("presets.ini"))) PresetSets.push_back("old=presets.ini");
  }
  CurrentPresetSet = SetNameOf(PresetSets.front());
  return recent;
}

void SaveProgramSettings(const std::vector<std::string>& recentFiles) {
  const std::string path = SettingsPath();
  std::string reason;
  if (!EnsureWritableFolder(&reason)) throw EIniFileError(UnableToWriteText(path, reason));
  TIniFile ini(path);
  ini.EraseSection(kPresetSets);
  for (const std::string& line : PresetSets) {
    const std::string name = SetNameOf(line);
    ini.WriteString(kPresetSets, name, GetSetFileName(name));
  }
  for (std::size_t i = 0; i < recentFiles.size(); ++i) {
    ini.WriteString(kRecent, std::to_string(i + 1), recentFiles[i]);
  }
}

}  // namespace kestrova
