#include "platform/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {

std::optional<QString> Ask(FileDialogKind kind, const FileDialogOptions& options) {
  FileRequest request{kind, options.title, options.filter, options.defaultExtension,
                      options.initialFolder};
  std::optional<QString> name = CurrentBackend().AskFileName(request);
  if (!name || name->isEmpty()) return std::nullopt;
  if (kind == FileDialogKind::Save) return WithDefaultExtension(*name, options.defaultExtension);
  return name;
}

}  // namespace

std::optional<QString> OpenFileName(const FileDialogOptions& options) {
  return Ask(FileDialogKind::Open, options);
}

std::optional<QString> SaveFileName(const FileDialogOptions& options) {
  return Ask(FileDialogKind::Save, options);
}

QString QtFilter(const QString& filter) {
  if (!filter.contains('|')) return filter;
  const QStringList parts = filter.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString text = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(';', ' ');
    // "*.*" means every file, also one without a dot in its name.
    if (patterns == "*.*") patterns = "*";
    // A text that already names its patterns in parentheses keeps them; Qt reads the patterns
    // from the last parentheses, so the real ones are always added.
    filters << (text.endsWith(')') ? text.left(text.lastIndexOf('(')).trimmed() : text) + " (" +
                   patterns + ")";
  }
  return filters.join(";;");
}

QString WithDefaultExtension(const QString& name, const QString& defaultExtension) {
  QString extension = defaultExtension;
  if (extension.startsWith('.')) extension.remove(0, 1);
  if (extension.isEmpty() || name.isEmpty()) return name;
  if (!QFileInfo(name).fileName().contains('.')) return name + "." + extension;
  return name;
}

std::optional<QString> AskSystemFileName(const FileRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setNameFilter(QtFilter(request.filter));
  dialog.setDirectory(request.initialFolder.isEmpty() ? QDir::currentPath()
                                                      : request.initialFolder);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (request.kind == FileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    QString extension = request.defaultExtension;
    if (extension.startsWith('.')) extension.remove(0, 1);
    dialog.setDefaultSuffix(extension);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace platform
