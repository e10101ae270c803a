#include "ui/qt/widgets/ControlView.h"

#include <QSignalBlocker>
#include <QToolButton>

#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"

namespace kestrova::qt {

ControlView::ControlView(TControl& control, QWidget* widget, Placement placement)
    : QObject(widget), control_(control), widget_(widget), placement_(placement) {
  control_.SetViewListener([this] { Mirror(); });
}

ControlView::~ControlView() { control_.SetViewListener(nullptr); }

void ControlView::Mirror() {
  const QSignalBlocker blocker(widget_);
  if (widget_->isEnabled() != control_.Enabled()) widget_->setEnabled(control_.Enabled());
  const QString hint = ToQt(control_.Hint());
  if (widget_->property(kHintProperty).toString() != hint) {
    widget_->setProperty(kHintProperty, hint);
    widget_->setToolTip(hint);
  }
  MirrorValue();
  MirrorBounds();
  MirrorName();
}

void ControlView::MirrorName() {
  if (widget_->property(kNamedByCaptions).toBool()) return;
  const QString caption = ToQt(control_.Caption());
  QString name;  // empty: the widget's own text
  if (caption.isEmpty()) {
    name = SpokenText(ToQt(control_.Hint()));
  } else if (caption.contains(QLatin1Char('\n'))) {
    name = SpokenText(caption);
  }
  if (widget_->accessibleName() != name) widget_->setAccessibleName(name);
}

void ControlView::MirrorBounds() {
  if (placement_ == Placement::Managed) return;
  if (widget_->isHidden() == control_.Visible()) widget_->setVisible(control_.Visible());
  if (placement_ == Placement::Layout) return;
  const bool sized = placement_ == Placement::Bounds && control_.Width() > 0;
  const QSize size = sized ? QSize(control_.Width(), control_.Height()) : widget_->sizeHint();
  const QRect bounds(control_.Left(), control_.Top(), size.width(), size.height());
  if (widget_->geometry() != bounds) widget_->setGeometry(bounds);
}

void ControlView::Edit(const std::function<void()>& edit) {
  edit();
  Mirror();
}

void NameForScreenReaders(QWidget* widget, const QString& name) {
  widget->setProperty(kNamedByCaptions, true);
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

std::string HintAt(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const auto* tool = qobject_cast<const QToolButton*>(w);
    const QObject* holder = w;
    if (tool != nullptr && tool->defaultAction() != nullptr) holder = tool->defaultAction();
    const QString hint = holder->property(kHintProperty).toString();
    if (!hint.isEmpty()) return FromQt(hint);
  }
  return {};
}

}  // namespace kestrova::qt
