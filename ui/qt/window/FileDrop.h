#pragma once
// Files dropped anywhere on a window: every drag that carries local files is
// taken by the window, whatever widget it is over (the edits would otherwise
// take the names as text), and a drop hands the local files, in their order,
// to the handler. Works from the window's first show on.

#include <QObject>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QMimeData;

namespace kestrova::qt {

class FileDrop : public QObject {
 public:
  FileDrop(QWidget* window, std::function<void(const std::vector<std::string>& files)> onDrop);
  ~FileDrop() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void(const std::vector<std::string>&)> onDrop_;
};

// The local files among the dragged addresses, in their order.
std::vector<std::string> LocalFiles(const QMimeData* data);

}  // namespace kestrova::qt
