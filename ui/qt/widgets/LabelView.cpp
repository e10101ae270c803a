#include "ui/qt/widgets/LabelView.h"

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
