#pragma once
// The icons and type names the file dialogs show for the files they list,
// taken from the file names alone. Qt's own provider looks into a regular file
// whose name tells nothing (reading its first bytes) and does so on the
// window's thread: in a folder such as /proc a file like kmsg never ends, and
// the window would wait for it for ever. A dialog must never read a file it
// only lists. Folders, links and special files keep Qt's icons and names,
// which never read them.

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace kestrova::qt {

class FileIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;

  // The one the dialogs share; it lives as long as the program.
  static FileIconProvider* Shared();

 private:
  QMimeType TypeByName(const QFileInfo& info) const;

  QMimeDatabase types_;
};

}  // namespace kestrova::qt
