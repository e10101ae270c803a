#include "ui/qt/dialogs/FileIconProvider.h"

namespace kestrova::qt {

QMimeType FileIconProvider::TypeByName(const QFileInfo& info) const {
  return types_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

QIcon FileIconProvider::icon(const QFileInfo& info) const {
  if (!info.isFile()) return QFileIconProvider::icon(info);
  const QMimeType type = TypeByName(info);
  QIcon themed = QIcon::fromTheme(type.iconName());
  if (themed.isNull()) themed = QIcon::fromTheme(type.genericIconName());
  return themed.isNull() ? QFileIconProvider::icon(QAbstractFileIconProvider::File) : themed;
}

QString FileIconProvider::type(const QFileInfo& info) const {
  if (!info.isFile()) return QFileIconProvider::type(info);
  const QMimeType type = TypeByName(info);
  return type.comment().isEmpty() ? type.name() : type.comment();
}

FileIconProvider* FileIconProvider::Shared() {
  // Never destroyed: a dialog's file list may still ask it while the program ends.
  static auto* provider = new FileIconProvider;
  return provider;
}

}  // namespace kestrova::qt
