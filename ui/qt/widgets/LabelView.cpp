#include "ui/qt/widgets/LabelView.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

LabelView::LabelView(TLabel& label, QLabel* widget, bool ownFont, Placement placement)
    : ControlView(label, widget, placement), label_(label), widget_(widget), ownFont_(ownFont) {
  shownFont_.name.clear();
  Mirror();
}

void LabelView::MirrorValue() {
  const QString text = ToQt(label_.Caption());
  if (widget_->text() != text) widget_->setText(text);
  if (ownFont_ && !(shownFont_ == label_.Font())) {
    widget_->setFont(ToQFont(label_.Font()));
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(label_.Font().color));
    widget_->setPalette(palette);
    shownFont_ = label_.Font();
  }
}

void LabelView::FitRightAligned() {
  fit_ = true;
  widget_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Mirror();
}

void LabelView::MirrorBounds() {
  if (!fit_) {
    ControlView::MirrorBounds();
    return;
  }
  if (widget_->isHidden() == label_.Visible()) widget_->setVisible(label_.Visible());
  const QRect box(label_.Left(), label_.Top(), label_.Width(), label_.Height());
  QFont font = widget_->parentWidget() != nullptr ? widget_->parentWidget()->font() : widget_->font();
  if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
  const int lineHeight = QFontMetrics(font).height();
  QRect needed;
  for (int pixels = font.pixelSize(); ; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    needed = metrics.boundingRect(QRect(0, 0, box.width(), 10 * lineHeight), Qt::TextWordWrap | Qt::AlignRight,
                                  widget_->text());
    if ((needed.width() <= box.width() && needed.height() <= 2 * lineHeight) || pixels <= 8) break;
  }
  widget_->setWordWrap(needed.height() > QFontMetrics(font).height());
  if (widget_->font() != font) widget_->setFont(font);
  const int height = std::max(box.height(), needed.height());
  const QRect bounds(box.left(), box.center().y() + 1 - height / 2, box.width(), height);
  if (widget_->geometry() != bounds) widget_->setGeometry(bounds);
}

GroupBoxView::GroupBoxView(TGroupBox& group, QGroupBox* box, Placement placement)
    : ControlView(group, box, placement), group_(group), box_(box) {
  Mirror();
}

void GroupBoxView::MirrorValue() {
  const QString title = ToQt(group_.Caption());
  if (box_->title() != title) box_->setTitle(title);
}

TabSheetView::TabSheetView(TTabSheet& sheet, QTabWidget* tabs, QWidget* page)
    : ControlView(sheet, page, Placement::Managed), sheet_(sheet), tabs_(tabs), page_(page) {
  Mirror();
}

void TabSheetView::MirrorValue() {
  const int index = tabs_->indexOf(page_);
  const QString text = ToQt(sheet_.Caption());
  if (index >= 0 && tabs_->tabText(index) != text) tabs_->setTabText(index, text);
}

}  // namespace kestrova::qt
