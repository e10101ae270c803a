#include "ui/qt/dialogs/FileDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

#include "ui/qt/dialogs/FileIconProvider.h"
#include "ui/qt/dialogs/PicturePreview.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

// "*.jpg" as "*.[jJ][pP][gG]"; "*.*" as "*".
QString CaselessPattern(const QString& pattern) {
  if (pattern == "*.*") return "*";
  QString result;
  for (const QChar c : pattern) {
    if (c.isLetter() && c.toLower() != c.toUpper()) {
      result += QString("[%1%2]").arg(c.toLower(), c.toUpper());
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      patterns << CaselessPattern(pattern.trimmed());
    }
    filters << parts[i] + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

FileDialog::FileDialog(const TFileDialog& settings, QWidget* parent)
    : QFileDialog(parent), options_(settings.Options()) {
  setObjectName(ToQt(settings.Name()));
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::HideNameFilterDetails);
  setIconProvider(FileIconProvider::Shared());
  setWindowTitle(ToQt(settings.Title()));
  const QStringList filters = QtNameFilters(settings.Filter());
  if (!filters.isEmpty()) setNameFilters(filters);
  if (!settings.DefaultExt().empty()) setDefaultSuffix(ToQt(settings.DefaultExt()).remove(0, 1));
  if (settings.Kind() == TFileDialogKind::Save) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite, !settings.Has(ofOverwritePrompt));
  } else {
    setAcceptMode(QFileDialog::AcceptOpen);
    const bool several = settings.Has(ofAllowMultiSelect);
    if (settings.Has(ofFileMustExist)) {
      setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    } else {
      setFileMode(QFileDialog::AnyFile);
    }
  }
  if (!settings.FileName().empty()) {
    const QFileInfo start(ToQt(settings.FileName()));
    setDirectory(start.absolutePath());
    selectFile(start.fileName());
  }
  if (settings.Has(ofPicturePreview)) AddPreview();
  // The list's name column takes the room the other columns leave.
  if (auto* list = findChild<QTreeView*>("treeView")) {
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

void FileDialog::AddPreview() {
  auto* grid = qobject_cast<QGridLayout*>(layout());
  if (grid == nullptr) return;
  preview_ = new PicturePreview(this);
  // Beside the folder and file list, in the row they take.
  grid->addWidget(preview_, 1, grid->columnCount(), 1, 1);
  connect(this, &QFileDialog::currentChanged, preview_, &PicturePreview::ShowFile);
  connect(this, &QDialog::finished, preview_, &PicturePreview::Clear);
  // Room for the preview without narrowing the file list.
  resize(sizeHint() + QSize(preview_->sizeHint().width(), 0));
}

std::vector<std::string> FileDialog::ChosenFiles() const {
  std::vector<std::string> files;
  for (const QString& file : selectedFiles()) files.push_back(file.toStdString());
  return files;
}

void FileDialog::accept() {
  if ((options_ & ofPathMustExist) != 0) {
    for (const QString& file : selectedFiles()) {
      const QFileInfo info(file);
      if (info.absoluteDir().exists()) continue;
      QMessageBox::warning(
          this, windowTitle(),
          QFileDialog::tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
              .arg(info.absolutePath()));
      return;
    }
  }
  QFileDialog::accept();
}

std::vector<std::string> ExecuteFileDialog(const TFileDialog& settings, QWidget* parent) {
  FileDialog dialog(settings, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.ChosenFiles();
}

std::optional<std::string> ChooseFolder(const std::string& start, QWidget* parent) {
  QFileDialog dialog(parent, QString(), ToQt(start));
  dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(FileIconProvider::Shared());
  dialog.setFileMode(QFileDialog::Directory);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQt(dialog.selectedFiles().front());
}

}  // namespace kestrova::qt
