// Modal open and save dialogs. The open dialog also takes a typed name of a file that does not
// exist (the reader then reports it); the save dialog replaces an existing file without asking.
#pragma once

#include <QString>
#include <optional>

#include "platform/backend.h"

class QFileDialog;

namespace platform {

struct FileDialogOptions {
  // "Pliki XML (*.xml)|*.xml|wszystkie pliki (*.*)|*.*" or "Pliki XML (*.xml);;Wszystkie (*)".
  QString filter;
  // ".xml" or "xml"; added to a chosen name without an extension. Empty: none added.
  QString defaultExtension;
  // Empty: the working folder.
  QString initialFolder;
  QString title;
};

// The chosen file name, or nothing when the user cancelled.
std::optional<QString> OpenFileName(const FileDialogOptions& options);
std::optional<QString> SaveFileName(const FileDialogOptions& options);

// The classic filter form ("text|patterns|text|patterns", patterns split by ";") in Qt's form
// ("text (patterns);;..."); a Qt filter is returned as it is.
QString QtFilter(const QString& filter);

// name with the default extension added when its file name has no extension of its own.
QString WithDefaultExtension(const QString& name, const QString& defaultExtension);

// Sets the dialog up for the request as the system's dialog shows it: title, filter, folder,
// mode, and a file list in Polish.
void PrepareFileDialog(QFileDialog& dialog, const FileRequest& request);

}  // namespace platform
