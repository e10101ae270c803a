#pragma once
// A text as a screen reader should read it: a caption broken over two lines
// at a hyphen ("Predeter-" and "minados") is the one word it stands for, any
// other line break is a blank, soft hyphens go, and the ampersand that marks
// an access key is dropped ("&&" stays one "&").

#include <QString>

namespace kestrova::qt {

QString SpokenText(const QString& text);

}  // namespace kestrova::qt
