#include "ui/qt/widgets/ButtonView.h"

#include <QSignalBlocker>

#include "ui/qt/widgets/CaptionFit.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"

namespace kestrova::qt {

ButtonView::ButtonView(TButton& button, QPushButton* push, Placement placement)
    : ControlView(button, push, placement), button_(button), push_(push) {
  connect(push_, &QPushButton::clicked, this, [this] { Edit([&] { button_.Click(); }); });
  Mirror();
}

void ButtonView::MirrorValue() {
  const QString text = ToQt(button_.Caption());
  if (push_->text() != text) push_->setText(text);
}

void ButtonView::MirrorBounds() {
  ControlView::MirrorBounds();
  if (ViewPlacement() == Placement::Bounds) FitCaption(push_);
}

ActionView::ActionView(TButton& button, QAction* action, bool checkable)
    : QObject(action), button_(button), action_(action) {
  action_->setCheckable(checkable);
  button_.SetViewListener([this] { Mirror(); });
  connect(action_, &QAction::triggered, this, [this] {
    button_.Click();
    Mirror();
  });
  Mirror();
}

ActionView::~ActionView() { button_.SetViewListener(nullptr); }

void ActionView::Mirror() {
  const QSignalBlocker blocker(action_);
  const QString caption = ToQt(button_.Caption());
  const QString hint = ToQt(button_.Hint());
  // A hint shown as a tool button's text is read on one line.
  const QString text = caption.isEmpty() ? SpokenText(hint) : caption;
  if (action_->text() != text) action_->setText(text);
  if (action_->toolTip() != hint && !hint.isEmpty()) action_->setToolTip(hint);
  action_->setProperty(kHintProperty, hint);
  if (action_->isEnabled() != button_.Enabled()) action_->setEnabled(button_.Enabled());
  if (action_->isCheckable() && action_->isChecked() != button_.Checked()) action_->setChecked(button_.Checked());
  if (action_->isVisible() != button_.Visible()) action_->setVisible(button_.Visible());
}

}  // namespace kestrova::qt
