#pragma once
// The presets dialog's grid: one preview button per preset of a set's file,
// four to a row, placed by the section's position in the file, and the
// preview each button shows (the preset drawn as a new base image).

#include <string>
#include <vector>

#include "core/files/PresetSetList.h"
#include "rendering/Bitmap.h"
#include "ui/model/controls/Control.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

// Preview size: 120 wide, 120 high when square, else 32; a button is 8 larger.
inline constexpr int kPresetPreviewWidth = 120;
inline constexpr int kPresetPreviewSquare = 120;
inline constexpr int kPresetPreviewFlat = 32;
inline constexpr int kPresetButtonMargin = 8;
inline constexpr int kPresetColumns = 4;

struct TPresetCell {
  std::string section;  // the preset's section name (the button's hint)
  std::string name;     // "B" followed by the section's position in the file
  TBounds bounds;       // the button in the grid
};

// The buttons of the presets, in file order. The column is the section's
// position modulo 4; a preset at column 0 past position 0 starts a new row, so
// a section that is no preset leaves its cell empty.
std::vector<TPresetCell> PresetGridCells(const std::vector<TPresetSection>& presets, bool square);

// What a preset's picture is drawn from: its keys read from the section of the
// file (missing keys with their defaults) and brought into the limits of the
// window's controls, as using the preset would bring them, on a new image of
// 120 x 120 or 120 x 32.
TSettings PresetPreviewSettings(const TForm1& form, const std::string& filePath, const std::string& section,
                                bool square);
// The preset's picture: that record drawn as a new base image. Throws
// BitmapError when it cannot be drawn.
Bitmap PresetPreview(const TForm1& form, const std::string& filePath, const std::string& section, bool square);

}  // namespace kestrova
