#include "ui/qt/widgets/PageControlView.h"

#include <QSignalBlocker>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {
constexpr const char* kPageName = "kestrovaPage";
}

PageControlView::PageControlView(TPageControl& pages, QTabWidget* tabs, Placement placement)
    : ControlView(pages, tabs, placement), pages_(pages), tabs_(tabs) {
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    QWidget* page = tabs_->widget(index);
    if (page == nullptr) return;
    Edit([&] { pages_.SetActivePage(page->property(kPageName).toString().toStdString()); });
  });
  Mirror();
}

void PageControlView::AddPage(QWidget* page, const std::string& name) {
  page->setProperty(kPageName, QString::fromStdString(name));
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->addTab(page, QString());
  }
  Mirror();
}

void PageControlView::MirrorValue() {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (tabs_->widget(i)->property(kPageName).toString().toStdString() == pages_.ActivePage()) {
      if (tabs_->currentIndex() != i) tabs_->setCurrentIndex(i);
      return;
    }
  }
}

}  // namespace kestrova::qt
