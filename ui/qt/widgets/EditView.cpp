#include "ui/qt/widgets/EditView.h"

#include <QKeyEvent>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

EditView::EditView(TEdit& edit, QLineEdit* line, Placement placement)
    : ControlView(edit, line, placement), edit_(edit), line_(line) {
  // Every change of the text that is not the view's own (typing, pasting, a
  // screen reader's edit) reaches the control.
  connect(line_, &QLineEdit::textChanged, this, [this](const QString& text) {
    Edit([&] { edit_.SetText(FromQt(text)); });
  });
  Mirror();
}

void EditView::SetKeyFilter(std::function<bool(char32_t)> accepts) {
  accepts_ = std::move(accepts);
  line_->installEventFilter(this);
}

bool EditView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == line_ && event->type() == QEvent::KeyPress && accepts_) {
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    for (const char32_t c : typed.toUcs4()) {
      if (!accepts_(c)) return true;
    }
  }
  return ControlView::eventFilter(watched, event);
}

void EditView::MirrorValue() {
  const QString text = ToQt(edit_.Text());
  if (line_->text() != text) line_->setText(text);
}

}  // namespace kestrova::qt
