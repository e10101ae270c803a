#include "ui/qt/window/StoredLayout.h"

#include <algorithm>

namespace kestrova::qt {

namespace {

using K = LayoutKind;

constexpr LayoutEntry kLayout[] = {
    // The option pages under the collapse bar.
    {"BitBtnX", K::Control, {2, 0, kPanelMainWidth - 4, kCollapseBarHeight}},
    {"PageControl1", K::Control, {0, kCollapseBarHeight, kPanelMainWidth, 415}},
    {"TabSheetNew", K::Page, {}},
    {"TabSheetIcn", K::Page, {}},
    {"TabSheetSet", K::Page, {}},
    {"TabSheetSha", K::Page, {}},
    {"TabSheetOut", K::Page, {}},
    {"TabSheetDisp", K::Page, {}},

    // New image: the button effect, the frame and the gradient.
    {"GBButton", K::Group, {4, 1, 366, 222}},
    {"Label5", K::RightLabel, {4, 19, 56, 15}},
    {"Label6", K::RightLabel, {4, 43, 56, 15}},
    {"BitBtnPreset", K::Control, {285, 16, 76, 41}},
    {"Label14", K::RightLabel, {4, 67, 84, 15}},
    {"Label15", K::RightLabel, {4, 91, 84, 15}},
    {"Label26", K::Label, {148, 62, 0, 0}},
    {"cbRoundBtn", K::Control, {8, 175, 0, 0}},
    {"cbRound3D", K::Control, {8, 197, 0, 0}},
    {"Label37", K::RightLabel, {96, 177, 76, 15}},
    {"Label38", K::RightLabel, {228, 177, 64, 15}},
    {"Label39", K::RightLabel, {96, 199, 76, 15}},
    {"Label40", K::RightLabel, {228, 199, 64, 15}},
    {"GBFrame", K::Group, {4, 224, 366, 63}},
    {"cbFrame", K::Control, {8, 14, 0, 0}},
    {"Label13", K::RightLabel, {100, 15, 72, 15}},
    {"Label33", K::RightLabel, {228, 15, 64, 15}},
    {"cbFrameRound", K::Control, {8, 39, 0, 0}},
    {"GBGradient", K::Group, {4, 288, 366, 98}},
    {"cbGradient", K::Control, {6, 16, 0, 0}},
    {"cbHorizon", K::Control, {136, 16, 0, 0}},
    {"cbTwo", K::Control, {214, 16, 0, 0}},
    {"cbRadial", K::Control, {290, 16, 0, 0}},
    {"BitBtnCycle", K::Control, {248, 40, 56, 25}},
    {"BitBtnRnd", K::Control, {306, 40, 42, 25}},

    // Icon: placement of the icon and the palette.
    {"GroupBox1", K::Group, {4, 1, 246, 224}},
    {"BitBtnNoIco", K::Control, {8, 16, 36, 25}},
    {"BitBtnBullet", K::Control, {48, 16, 66, 25}},
    {"BitBtnClrIcn", K::Control, {118, 16, 36, 25}},
    {"Label24", K::Label, {8, 42, 0, 0}},
    {"Label25", K::Label, {8, 81, 0, 0}},
    {"BitBtnIcnAdj", K::Control, {8, 122, 124, 25}},
    {"cbIcoTRans", K::Control, {8, 174, 0, 0}},
    {"GBIcnPreview", K::Group, {136, 40, 104, 102}},
    {"PanelBulets", K::Panel, {254, 1, 283, 384}},
    {"RGBullets", K::Control, {0, 0, 190, 40}, 3},
    {"BitBtn1", K::Control, {196, 8, 42, 28}},
    {"BitBtn2", K::Control, {240, 8, 42, 28}},
    {"SB1", K::Control, {0, 44, 283, 340}},

    // Settings: text, cutting, joined images and the post effect.
    {"GBText", K::Group, {4, 1, 362, 184}},
    {"Label27", K::RightLabel, {4, 13, 97, 15}},
    {"BitBtnFont", K::Control, {168, 8, 104, 25}},
    {"Label41", K::RightLabel, {4, 41, 97, 15}},
    {"Label42", K::RightLabel, {163, 41, 55, 15}},
    {"Label1", K::RightLabel, {4, 75, 97, 15}},
    {"Label2", K::RightLabel, {4, 99, 97, 15}},
    {"SpeedBtnLeft", K::Control, {168, 66, 23, 22}},
    {"SpeedBtnCen", K::Control, {191, 66, 23, 22}},
    {"SpeedBtnRight", K::Control, {214, 66, 23, 22}},
    {"SpeedBtnB", K::Control, {250, 66, 23, 22}},
    {"SpeedBtnI", K::Control, {273, 66, 23, 22}},
    {"SpeedBtnU", K::Control, {296, 66, 23, 22}},
    {"BitBtnCenterV", K::Control, {164, 95, 118, 24}},
    {"SpeedBtnUp", K::Control, {286, 96, 23, 22}},
    {"SpeedBtnMid", K::Control, {309, 96, 23, 22}},
    {"SpeedBtnBottom", K::Control, {332, 96, 23, 22}},
    {"cbAnitAlias", K::Control, {8, 121, 0, 0}},
    {"cbIgnBlank", K::Control, {164, 121, 0, 0}},
    {"GBFont", K::Group, {6, 138, 346, 42}},
    {"LabelABC", K::Label, {8, 16, 0, 0}},
    {"GBCut", K::Group, {4, 187, 362, 130}},
    {"cbCut", K::Control, {8, 14, 0, 0}},
    {"Label7", K::RightLabel, {4, 35, 120, 15}},
    {"Label8", K::RightLabel, {4, 59, 120, 15}},
    {"Label16", K::RightLabel, {4, 83, 120, 15}},
    {"BitBtnXEYE", K::Control, {180, 44, 23, 22}},
    {"BitBtnX0Y0", K::Control, {180, 92, 23, 22}},
    {"RGCutMode", K::Control, {210, 34, 140, 80}},
    {"GBOneImg", K::Group, {4, 319, 362, 46}},
    {"Label31", K::RightLabel, {4, 20, 80, 15}},
    {"Label32", K::RightLabel, {140, 20, 56, 15}},
    {"GBBnEffect", K::Group, {370, 1, 166, 168}},
    {"Label22", K::RightLabel, {4, 23, 92, 15}},
    {"Label23", K::RightLabel, {4, 47, 92, 15}},

    // Shadow.
    {"Label11", K::RightLabel, {4, 6, 142, 15}},
    {"Label12", K::RightLabel, {4, 27, 142, 15}},
    {"cbShadow", K::Control, {230, 3, 0, 0}},
    {"cbDouble", K::Control, {352, 26, 0, 0}},
    {"GBShadow", K::Group, {8, 52, 340, 160}},

    // Output.
    {"Label3", K::Label, {8, 1, 0, 0}},
    {"Label4", K::Label, {8, 40, 0, 0}},
    {"EditPrefix", K::Control, {8, 55, 110, 21}},
    {"Label17", K::Label, {128, 40, 0, 0}},
    {"EditPostfix", K::Control, {128, 55, 113, 21}},
    {"cbLower", K::Control, {8, 80, 0, 0}},
    {"cbNumber", K::Control, {8, 97, 0, 0}},
    {"cbNoCapts", K::Control, {8, 114, 0, 0}},
    {"cbForceDir", K::Control, {8, 131, 0, 0}},
    {"cbHTML", K::Control, {8, 148, 0, 0}},
    {"cbHTMLMap", K::Control, {8, 165, 0, 0}},
    {"Label18", K::Label, {8, 188, 0, 0}},
    {"MemoNames", K::Control, {8, 204, 233, 148}},
    {"LCNT", K::Label, {8, 355, 0, 0}},
    {"RG1", K::Control, {250, 1, 282, 42}, 4},
    {"PageControl2", K::Control, {250, 48, 282, 266}},
    {"TabSheet1", K::Page, {}},
    {"GBjpg", K::Group, {4, 2, 96, 216}},
    {"TabSheet2", K::Page, {}},
    {"Label28", K::Label, {8, 8, 0, 0}},
    {"ComboGIFRC", K::Control, {8, 24, 170, 22}},
    {"ComboGIFDTR", K::Control, {8, 50, 170, 22}},
    {"Label35", K::Label, {8, 82, 0, 0}},
    {"ComboGIFCompr", K::Control, {8, 98, 170, 22}},
    {"TabSheet3", K::Page, {}},
    {"cbPNGTransp", K::Control, {1, 8, 0, 0}},
    {"Label30", K::Label, {16, 64, 0, 0}},

    // Display.
    {"RGDisplay", K::Control, {6, 12, 245, 44}, 3},
    {"Label19", K::Label, {326, 36, 0, 0}},
    {"RGDisplay0", K::Control, {6, 68, 245, 44}, 3},
    {"Label36", K::Label, {326, 92, 0, 0}},
    {"RGImgPerBtn", K::Control, {6, 124, 326, 82}},
    {"CBSpacing", K::Control, {8, 216, 0, 0}},
};

}  // namespace

std::span<const LayoutEntry> StoredLayout() { return kLayout; }

std::optional<LayoutEntry> FindLayout(std::string_view name) {
  const auto* found = std::find_if(std::begin(kLayout), std::end(kLayout),
                                   [name](const LayoutEntry& e) { return e.name == name; });
  if (found == std::end(kLayout)) return std::nullopt;
  return *found;
}

}  // namespace kestrova::qt
