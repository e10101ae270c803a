#include "ui/qt/widgets/MemoView.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

MemoView::MemoView(TMemo& memo, QPlainTextEdit* edit, Placement placement)
    : ControlView(memo, edit, placement), memo_(memo), edit_(edit) {
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // A memo takes no tabs: Tab moves on to the next control.
  edit_->setTabChangesFocus(true);
  connect(edit_, &QPlainTextEdit::textChanged, this, [this] {
    Edit([&] {
      std::string text = FromQt(edit_->toPlainText());
      shownText_ = text;
      memo_.SetText(text);
      shownText_ = memo_.Text();
    });
  });
  shownFont_.name.clear();
  Mirror();
}

void MemoView::MirrorValue() {
  if (shownText_ != memo_.Text()) {
    edit_->setPlainText(ToQt(memo_.Text()));
    shownText_ = memo_.Text();
  }
  if (edit_->isReadOnly() != memo_.ReadOnly()) {
    edit_->setReadOnly(memo_.ReadOnly());
    // A read-only memo still shows its text cursor, and so its focus, and the
    // keys move it through the text.
    if (memo_.ReadOnly()) edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  if (!(shownFont_ == memo_.Font()) || shownColor_ != memo_.Color()) {
    edit_->setFont(ToQFont(memo_.Font()));
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, ToQColor(memo_.Font().color));
    palette.setColor(QPalette::Base, ToQColor(memo_.Color()));
    edit_->setPalette(palette);
    shownFont_ = memo_.Font();
    shownColor_ = memo_.Color();
  }
}

}  // namespace kestrova::qt
