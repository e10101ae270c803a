#include "ui/model/dialogs/PresetGrid.h"

#include "core/files/IniFile.h"
#include "core/files/ProjectFile.h"
#include "core/files/SettingsRecord.h"
#include "rendering/BaseImageComposer.h"

namespace kestrova {

std::vector<TPresetCell> PresetGridCells(const std::vector<TPresetSection>& presets, bool square) {
  const int width = kPresetPreviewWidth + kPresetButtonMargin;
  const int height = (square ? kPresetPreviewSquare : kPresetPreviewFlat) + kPresetButtonMargin;
  std::vector<TPresetCell> cells;
  cells.reserve(presets.size());
  int row = 0;
  for (const TPresetSection& preset : presets) {
    const int column = preset.index % kPresetColumns;
    if (column == 0 && preset.index >= 1) ++row;
    cells.push_back({preset.name, "B" + std::to_string(preset.index), {column * width + 3, row * height, width, height}});
  }
  return cells;
}

TSettings PresetPreviewSettings(const TForm1& form, const std::string& filePath, const std::string& section,
                                bool square) {
  const TIniFile ini(filePath);
  TSettings settings;
  ReadPresetKeys(section, &ini, settings);
  form.BringPresetIntoRanges(settings);
  settings.newx = kPresetPreviewWidth;
  settings.newy = square ? kPresetPreviewSquare : kPresetPreviewFlat;
  return settings;
}

Bitmap PresetPreview(const TForm1& form, const std::string& filePath, const std::string& section, bool square) {
  return ComposeBaseImage(PresetPreviewSettings(form, filePath, section, square));
}

}  // namespace kestrova
