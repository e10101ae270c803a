#include "ui/qt/widgets/ZOrderView.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

ZOrderView::ZOrderView(TZOrder& order, QWidget* parent) : QObject(parent), order_(order), parent_(parent) {
  order_.SetViewListener([this] { Mirror(); });
  Mirror();
}

ZOrderView::~ZOrderView() { order_.SetViewListener(nullptr); }

void ZOrderView::Mirror() {
  for (const TControl* control : order_.BackToFront()) {
    auto* widget = parent_->findChild<QWidget*>(ToQt(control->Name()), Qt::FindDirectChildrenOnly);
    if (widget != nullptr) widget->raise();
  }
}

}  // namespace kestrova::qt
