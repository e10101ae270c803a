#include "core/files/PresetFiles.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>

#include "core/files/IniFile.h"
#include "core/files/SettingsKeys.h"
#include "core/support/FilePaths.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"

namespace kestrova {

std::vector<std::string> PresetSets;
std::string CurrentPresetSet;

namespace {

constexpr std::string_view kPresetPrefix = "preset";

std::string CurrentSetFile() { return GetSetFileName(CurrentPresetSet); }

}  // namespace

std::string SetNameOf(std::string_view line) { return std::string(line.substr(0, line.find('='))); }

std::string GetSetFileName(std::string_view setName) {
  for (const std::string& line : PresetSets) {
    const auto equals = line.find('=');
    if (equals != std::string::npos && SameText(std::string_view(line).substr(0, equals), setName)) {
      return line.substr(equals + 1);
    }
  }
  return {};
}

std::string GetSetFilePath() {
  const std::string file = CurrentSetFile();
  if (!HasFolder(file)) return ProgramFileForReading(file);
  // A relative path is resolved in the text, so that it leads to its file
  // also while the writable folder does not exist yet.
  return PathInFolder(WritableFolder(), file);
}

std::string GetSetFilePathForWriting() {
  const std::string file = CurrentSetFile();
  if (HasFolder(file)) return GetSetFilePath();
  std::string path, reason;
  if (!ProgramFileForWriting(file, path, &reason)) throw EIniFileError(UnableToWriteText(path, reason));
  return path;
}

void WritePreset(const TSettings& settings, int number) {
  TIniFile ini(GetSetFilePathForWriting());
  const std::string section = std::string(kPresetPrefix) + std::to_string(number);
  // The whole preset goes into the file in one write: all of it or, on failure, none.
  ini.BeginUpdate();
  SettingsKeyWriter write(ini, section);
  KESTROVA_WRITE_KEY(BNX);
  KESTROVA_WRITE_KEY(BNY);
  KESTROVA_WRITE_KEY(BNOpacity);
  KESTROVA_WRITE_KEY(BNColorBG);
  KESTROVA_WRITE_KEY(BNColorFG);
  KESTROVA_WRITE_KEY(BNColorBL);
  KESTROVA_WRITE_KEY(BNColorTR);
  KESTROVA_WRITE_KEY(Myblack);
  KESTROVA_WRITE_KEY(Mywhite);
  KESTROVA_WRITE_KEY(Angle);
  KESTROVA_WRITE_KEY(ExtRadius);
  KESTROVA_WRITE_KEY(roundmargin);
  KESTROVA_WRITE_KEY(smooth);
  KESTROVA_WRITE_KEY(Round3DLike);
  KESTROVA_WRITE_KEY(RoundBtn);
  KESTROVA_WRITE_KEY(FrameOn);
  KESTROVA_WRITE_KEY(FrameColor);
  KESTROVA_WRITE_KEY(FrameWidth);
  KESTROVA_WRITE_KEY(FrameRound);
  KESTROVA_WRITE_KEY(FrameMargin);
  KESTROVA_WRITE_KEY(FrameRX);
  KESTROVA_WRITE_KEY(FrameRY);
  KESTROVA_WRITE_KEY(gradient);
  KESTROVA_WRITE_KEY(horizontal);
  KESTROVA_WRITE_KEY(twoonly);
  KESTROVA_WRITE_KEY(gc1);
  KESTROVA_WRITE_KEY(gc2);
  KESTROVA_WRITE_KEY(gc3);
  KESTROVA_WRITE_KEY(radial);
  ini.EndUpdate();
}

int NextPresetNumber() {
  std::vector<std::string> sections;
  TIniFile(GetSetFilePath()).ReadSections(sections);
  std::set<std::int32_t> used;
  for (const std::string& name : sections) {
    if (StartsWithText(name, kPresetPrefix)) used.insert(StrToIntDef(std::string_view(name).substr(6), 0));
  }
  const std::int32_t highest = used.empty() ? 0 : std::max(*used.rbegin(), 0);
  if (highest < std::numeric_limits<std::int32_t>::max()) return highest + 1;
  // No number above the highest: take the first free one rather than overwrite a preset.
  std::int32_t free = 1;
  while (used.count(free) != 0) ++free;
  return free;
}

void CopyPresetFields(const TSettings& source, TSettings& target) {
  target.BNX = source.BNX;
  target.BNY = source.BNY;
  target.BNOpacity = source.BNOpacity;
  target.BNColorBG = source.BNColorBG;
  target.BNColorFG = source.BNColorFG;
  target.BNColorBL = source.BNColorBL;
  target.BNColorTR = source.BNColorTR;
  target.Myblack = source.Myblack;
  target.Mywhite = source.Mywhite;
  target.RoundBtn = source.RoundBtn;
  target.Round3DLike = source.Round3DLike;
  target.Angle = source.Angle;
  target.ExtRadius = source.ExtRadius;
  target.roundmargin = source.roundmargin;
  target.smooth = source.smooth;
  target.FrameOn = source.FrameOn;
  target.FrameColor = source.FrameColor;
  target.FrameWidth = source.FrameWidth;
  target.FrameRound = source.FrameRound;
  target.FrameMargin = source.FrameMargin;
  target.FrameRX = source.FrameRX;
  target.FrameRY = source.FrameRY;
  target.gradient = source.gradient;
  target.horizontal = source.horizontal;
  target.twoonly = source.twoonly;
  target.gc1 = source.gc1;
  target.gc2 = source.gc2;
  target.gc3 = source.gc3;
  target.radial = source.radial;
}

}  // namespace kestrova
