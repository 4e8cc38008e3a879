#include "platform/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

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

// The dialogs' file list writes sizes and dates in the system's locale, which may be English or C
// ("Dec"), and file kinds in the program's locale, which stays C, while Qt's translations make the
// rest of the dialog Polish. The list shows them in Polish; the program's own number texts never
// follow a locale.
class PolishFileList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    static const QLocale polish(QLocale::Polish, QLocale::Poland);
    if (index.column() == kSizeColumn && !files->isDir(source))
      return polish.formattedDataSize(files->size(source));
    if (index.column() == kKindColumn && !files->isDir(source))
      return FileKind(files->fileInfo(source));
    if (index.column() == kDateColumn) {
      const QDateTime modified = files->lastModified(source);
      if (modified.isValid()) return polish.toString(modified, QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }

 private:
  // The columns of QFileSystemModel.
  static constexpr int kSizeColumn = 1;
  static constexpr int kKindColumn = 2;
  static constexpr int kDateColumn = 3;

  // The kinds of the files the program opens and writes by name, any other by its extension, as
  // the system's own file windows name a file of a kind they do not know.
  static QString FileKind(const QFileInfo& file) {
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("xml")) return QStringLiteral("Dokument XML");
    if (suffix == QLatin1String("pdf")) return QStringLiteral("Dokument PDF");
    if (suffix == QLatin1String("xlsx")) return QStringLiteral("Skoroszyt programu Excel");
    if (suffix.isEmpty()) return QStringLiteral("Plik");
    return QStringLiteral("Plik ") + file.suffix().toUpper();
  }
};

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

void PrepareFileDialog(QFileDialog& dialog, const FileRequest& request) {
  // A dialog the program gives no title is captioned as the system's own dialogs are, not with
  // the program's name.
  if (!request.title.isEmpty())
    dialog.setWindowTitle(request.title);
  else
    dialog.setWindowTitle(request.kind == FileDialogKind::Save ? QStringLiteral("Zapisz jako")
                                                               : QString::fromUtf8("Otwórz"));
  dialog.setProxyModel(new PolishFileList(&dialog));
  // The kind column is as wide as its Polish names ("Dokument XML"), which Qt's default width
  // cuts short.
  if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
    view->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
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
}

std::optional<QString> AskSystemFileName(const FileRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  PrepareFileDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace platform
