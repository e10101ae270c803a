#include "ui/qt/widgets/StatusBarView.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

StatusBarView::StatusBarView(TStatusBar& bar, QStatusBar* widget, int firstWidth)
    : ControlView(bar, widget, Placement::Managed), bar_(bar) {
  widget->setSizeGripEnabled(true);
  for (int i = 0; i < bar_.PanelCount(); ++i) {
    auto* panel = new QLabel(widget);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    if (i == 0 && firstWidth > 0) {
      panel->setFixedWidth(firstWidth);
      widget->addWidget(panel);
    } else {
      widget->addWidget(panel, 1);
    }
    panels_.push_back(panel);
  }
  Mirror();
}

void StatusBarView::MirrorValue() {
  for (int i = 0; i < bar_.PanelCount(); ++i) {
    const QString text = ToQt(bar_.PanelText(i)).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (panels_[static_cast<std::size_t>(i)]->text() != text) panels_[static_cast<std::size_t>(i)]->setText(text);
  }
}

}  // namespace kestrova::qt
