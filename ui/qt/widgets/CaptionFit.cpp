#include "ui/qt/widgets/CaptionFit.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace kestrova::qt {

namespace {

// The room a caption leaves on each side, frame included, and above and below.
constexpr int kSideRoom = 5;
constexpr int kEndRoom = 2;
constexpr int kSmallestPixels = 8;
// Between the icon and the caption.
constexpr int kIconGap = 4;

bool Fits(const QPushButton& button, const QFont& font) {
  QSize size = QFontMetrics(font).size(Qt::TextShowMnemonic, button.text());
  if (!button.icon().isNull()) size.rwidth() += button.iconSize().width() + kIconGap;
  return size.width() + 2 * kSideRoom <= button.width() && size.height() + 2 * kEndRoom <= button.height();
}

}  // namespace

void FitCaption(QPushButton* button) {
  const QWidget* parent = button->parentWidget();
  QFont font = parent != nullptr ? parent->font() : button->font();
  if (button->text().isEmpty() || Fits(*button, font)) {
    if (button->testAttribute(Qt::WA_SetFont)) button->setFont(QFont());
    return;
  }
  if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
  while (font.pixelSize() > kSmallestPixels && !Fits(*button, font)) font.setPixelSize(font.pixelSize() - 1);
  if (button->font() != font) button->setFont(font);
}

}  // namespace kestrova::qt
