#include "ui/qt/window/FileDrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>


namespace kestrova::qt {

std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (data == nullptr || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  }
  return files;
}

FileDrop::FileDrop(QWidget* window, std::function<void(const std::vector<std::string>&)> onDrop)
    : QObject(window), window_(window), onDrop_(std::move(onDrop)) {
  window_->setAcceptDrops(true);
  qApp->installEventFilter(this);
}

FileDrop::~FileDrop() { qApp->removeEventFilter(this); }

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != window_) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::vector<std::string> files = LocalFiles(drop->mimeData());
  if (files.empty()) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) onDrop_(files);
  return true;
}

}  // namespace kestrova::qt
