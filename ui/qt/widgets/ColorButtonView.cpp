#include "ui/qt/widgets/ColorButtonView.h"

#include <QEvent>

#include "ui/qt/widgets/ColorSwatch.h"
#include "ui/qt/widgets/CaptionFit.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

ColorButtonView::ColorButtonView(TColorBitBtn& button, QPushButton* push, Placement placement)
    : ControlView(button, push, placement), button_(button), push_(push) {
  connect(push_, &QPushButton::clicked, this, [this] { Edit([&] { button_.Click(); }); });
  push_->installEventFilter(this);
  Mirror();
}

void ColorButtonView::MirrorValue() {
  const QString text = ToQt(button_.Caption());
  if (push_->text() != text) push_->setText(text);
  UpdateGlyph();
}

void ColorButtonView::MirrorBounds() {
  ControlView::MirrorBounds();
  if (ViewPlacement() == Placement::Bounds) FitCaption(push_);
}

void ColorButtonView::UpdateGlyph() {
  const TColor face = FromQColor(push_->palette().color(QPalette::Button));
  const int w = button_.GlyphWidth(), h = button_.GlyphHeight();
  // One key for everything the swatch depends on.
  const qint64 key = (static_cast<qint64>(PlainRGB(button_.GlyphColor())) << 24 | PlainRGB(face)) ^
                     (static_cast<qint64>(w) << 48) ^ (static_cast<qint64>(h) << 56);
  if (key == shownKey_) return;
  shownKey_ = key;
  const QImage swatch = ToQImage(DrawColorSwatch(w, h, button_.GlyphColor(), face));
  push_->setIcon(QIcon(QPixmap::fromImage(swatch)));
  push_->setIconSize(QSize(w, h));
}

bool ColorButtonView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == push_ && event->type() == QEvent::PaletteChange) UpdateGlyph();
  return ControlView::eventFilter(watched, event);
}

}  // namespace kestrova::qt
