// The program update's parts that stand without a window: the version file, the version
// comparison, which server may deliver a program, and the running program's file.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

namespace online {

// The running program's file (its folder is the program's folder); tests point it at a copy.
extern std::function<QString()> RunningProgramPath;
// Asks the application to end once the command has returned; tests record it instead.
extern std::function<void()> QuitProgram;

// The value of key in section of an INI text, as the system's profile reader finds it: section
// and key names in any case, blanks around names and values dropped, one pair of quotes around
// the value removed, the first match counts; "" when there is none.
std::string IniValue(const QByteArray& text, const std::string& section, const std::string& key);

// Whether the server's version is newer than the running one: the majors compared first, the
// minors only when the majors are equal. Throws NumberConversionError for a text compared that is
// no whole number.
bool IsNewerVersion(const std::string& major, const std::string& minor, int runningMajor,
                    int runningMinor);

// Why a program may not be fetched from this base address, or "" when it may: a program that
// travelled over plain http could have been swapped by anyone on the way, and would then run
// with the user's rights. Loopback is this machine and is let through.
QString ProgramAddressRefusal(const QString& base);

}  // namespace online
