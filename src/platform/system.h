// The shell's "open", process start, sleep and the help file.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace platform {

// The address as the shell may open it, or nothing when it is refused. Only web pages (http:,
// https: with a host) and mail links (mailto:) are opened; files, programs, scripts and any
// other scheme never reach the system, since the texts come from catalogues and downloads. A
// bare "www." address is a web page, as the shell has always taken it.
std::optional<QUrl> ShellAddress(const QString& address);

// Opens a web page in the default browser or a mail link in the mail program. A refused
// address is reported in a box and not handed over; a failure of the desktop is not reported.
// True when the address was handed to the desktop.
bool ShellOpen(const QString& address);

// Starts a program detached from this one; true when it started.
bool StartProcess(const QString& program, const QStringList& arguments = {},
                  const QString& workingFolder = {});

// Blocks the GUI thread for the given time without handling events.
void Sleep(int milliseconds);

// The help file "archiwum.chm" beside the executable, as an absolute path.
QString HelpFilePath();

// Opens the help file at its start page in the viewer "xchm". A missing file, or a viewer that
// does not start, is reported in a box.
void ShowHelp();
void ShowHelpFile(const QString& chmPath);

}  // namespace platform
