#pragma once
// Every text the interface shows, in each language. A row holds one text per
// language slot: 0 English, 1 Polish, 2 German, 3 Spanish, 4 Italian, and a
// sixth slot that no language selects (empty in every row except the first
// message and the home-page menu item). Texts are UTF-8; line breaks inside a
// text are CR LF. The tables never change at run time.
//
// Rows are grouped by the window that reads them. Rows that code outside the
// language switch reads have names below; SetLanguage applies the others.

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrova {

inline constexpr int kLanguageSlots = 6;
using TLangRow = std::array<std::string_view, kLanguageSlots>;

enum TLanguage : int { lgEnglish = 0, lgPolish = 1, lgGerman = 2, lgSpanish = 3, lgItalian = 4 };

// The About box.
extern const std::array<TLangRow, 6> LangAbout;
enum TLangAboutRow : std::size_t { laCaption, laRights, laChecking, laUnavailable, laVersionPrefix, laSystemInfo };

// The presets dialog.
extern const std::array<TLangRow, 19> LangPresets;
enum TLangPresetsRow : std::size_t {
  lpCaption,
  lpAdd,
  lpDelete,
  lpImport,
  lpClose,
  lpUse,
  lpImportTitle,
  lpCurrentSet,
  lpNewSet,
  lpAttachSet,
  lpRemoveSet,
  lpNewSetTitle,
  lpSetName,
  lpNameInUse,
  lpRemoveSetQuestion,  // one "%s": the set's name
  lpSquare,
  lpAttachTitle,
  lpTooManySets,
  lpBadSetName,
};

// The image-processing dialog (rows 3, 4, 7, 8 and 9 are empty).
extern const std::array<TLangRow, 14> LangProcess;
enum TLangProcessRow : std::size_t {
  lprClose = 0,
  lprUse = 1,
  lprResize = 2,
  lprNewSize = 5,
  lprCaption = 6,
  lprResizeError = 10,  // two "%s": the size asked for and the reason
  lprPicture = 11,      // the names screen readers give the picture and the two sizes
  lprWidth = 12,
  lprHeight = 13,
};

// The help file the Help command opens.
extern const std::array<TLangRow, 1> LangHelpFiles;

// Message boxes, the image information, the save report and the picture
// preview's note (row 8 is empty).
extern const std::array<TLangRow, 16> LangMessages;
enum TLangMessagesRow : std::size_t {
  lmEmptyImage,
  lmOpenError,
  lmSaveError,
  lmCriticalError,
  lmExitQuestion,
  lmImageInfo,  // two "%s": the size description and the file name
  lmFilesSaved,  // one "%s": the folder
  lmDeletePreset,
  lmUnused,
  lmShowPage,
  lmRemoveIcon,
  lmNoCaptions,     // a batch run with nothing to make buttons from
  lmNameCollision,  // three "%s": the two image numbers and the file name
  lmCannotDisplay,  // two "%s": the file or web address and the reason
  lmIconTooLarge,   // three "%s": the icon's size, the largest size and the file name
  lmAnimationTooLarge,  // the open-picture preview shows a GIF's first frame only
};

// File dialog filters ("description|pattern" pairs) and titles.
extern const std::array<TLangRow, 11> LangDialogs;
enum TLangDialogsRow : std::size_t {
  ldCaptionsFilter,
  ldOpenCaptionsTitle,
  ldOpenImageFilter,
  ldOpenImageTitle,
  ldProjectFilter,
  ldOpenProjectTitle,
  ldSaveProjectTitle,
  ldSaveCaptionsTitle,
  ldSaveImageFilter,
  ldSaveImageTitle,
  ldPresetFilter,
};

// Captions of the main menu's items.
extern const std::array<TLangRow, 25> LangMenus;

// Captions, hints and radio items of the main window (rows 0..130), then the
// texts of the output names and their counters.
extern const std::array<TLangRow, 137> LangControls;
enum TLangControlsRow : std::size_t {
  lcLoadRecent = 122,
  lcNoneCaption = 123,
  lcAllInOneHint = 131,
  lcAllInOneName = 132,
  lcImage = 133,
  lcLinesCount = 134,
  lcButtonsCount = 135,
  lcFilesCount = 136,
};

// The main window's words for screen readers where the rows above give none:
// the hints of the controls that show a picture alone, the names of controls
// that show no text, and the words that tell apart two fields one caption
// stands for.
extern const std::array<TLangRow, 15> LangNames;
enum TLangNamesRow : std::size_t {
  lnBold,
  lnItalic,
  lnUnderline,
  lnAlignLeft,
  lnAlignCenter,
  lnAlignRight,
  lnAlignTop,
  lnAlignMiddle,
  lnAlignBottom,
  lnShowOptions,  // the bar above the option pages that folds them away
  lnMoreButtons,  // the tool bar's button for the buttons it has no room for
  lnDithering,
  lnHorizontal,
  lnVertical,
  lnBrowse,
};

}  // namespace kestrova
