#include "ui/model/form/FormStorage.h"

#include <cstdio>
#include <filesystem>

#include "core/files/IniFile.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"

namespace kestrova {

namespace {

constexpr std::string_view kNormPos = "NormPos";
constexpr std::string_view kShowCmd = "ShowCmd";
constexpr std::string_view kFormVersion = "FormVersion";

// "left,top,right,bottom"; false unless it holds exactly four numbers.
bool ParseRect(const std::string& text, TWindowPlacement& p) {
  std::vector<std::string> parts;
  SplitString(",", text, &parts);
  if (parts.size() != 4) return false;
  std::int32_t v[4];
  for (int i = 0; i < 4; ++i) {
    if (!TryStrToInt(parts[static_cast<std::size_t>(i)], v[i])) return false;
  }
  p.left = v[0];
  p.top = v[1];
  p.right = v[2];
  p.bottom = v[3];
  return true;
}

}  // namespace

std::string TFormStorage::DefaultFileName() { return WritableFolder() + "kestrova-ui.ini"; }

TFormStorage::TFormStorage(std::string fileName, std::string section)
    : fileName_(std::move(fileName)), section_(std::move(section)) {}

void TFormStorage::RestorePlacement() {
  const TIniFile ini(fileName_);
  TWindowPlacement p = Placement;
  if (ParseRect(ini.ReadString(section_, kNormPos, ""), p)) {
    const std::int32_t show = ini.ReadInteger(section_, kShowCmd, TWindowPlacement::Normal);
    if (show >= TWindowPlacement::Normal && show <= TWindowPlacement::Maximized) p.showCmd = show;
    Placement = p;
    PlacementRestored = true;
  }
  if (OnRestorePlacement) OnRestorePlacement();
}

bool TFormStorage::SavePlacement(std::string* reason) {
  try {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(fileName_).parent_path(), ignored);
    TIniFile ini(fileName_);
    char rect[64];
    std::snprintf(rect, sizeof rect, "%d,%d,%d,%d", Placement.left, Placement.top, Placement.right,
                  Placement.bottom);
    ini.WriteInteger(section_, kFormVersion, 0);
    ini.WriteInteger(section_, kShowCmd, Placement.showCmd);
    ini.WriteString(section_, kNormPos, rect);
    if (OnSavePlacement) OnSavePlacement();
    return true;
  } catch (const EIniFileError& e) {
    if (reason) *reason = e.what();
    return false;
  }
}

std::int32_t TFormStorage::ReadInteger(std::string_view key, std::int32_t fallback) const {
  return TIniFile(fileName_).ReadInteger(section_, key, fallback);
}

void TFormStorage::WriteInteger(std::string_view key, std::int32_t value) {
  TIniFile(fileName_).WriteInteger(section_, key, value);
}

}  // namespace kestrova
