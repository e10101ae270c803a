#pragma once
// The tool bar's own pictures for commands that neither the desktop's icon
// theme nor Qt's standard icons picture: drawn here, in 16 to 48 pixels.

#include <QIcon>

namespace kestrova::qt {

enum class ToolIcon {
  NewPicture,    // a picture with a star
  OpenPicture,   // a picture with an open folder
  SavePicture,   // a picture with a disk
  OpenText,      // a page of text with an open folder
  SaveText,      // a page of text with a disk
  SaveButtons,   // a stack of buttons with a disk
  Presets,       // four button styles
  ProcessImage,  // a picture with a resize arrow
  Font,          // a large and a small letter
  TextColor,     // a letter over a colour bar
};

QIcon DrawnToolIcon(ToolIcon icon);

}  // namespace kestrova::qt
