// Modal message boxes with a Polish title, an icon and Polish buttons ("OK", "Tak", "Nie",
// "Anuluj"). The text is always shown as plain text, never as rich text, since it may carry what a
// user typed or a file held.
#pragma once

#include <QString>
#include <string>

#include "engine/warningnotifier.h"
#include "platform/backend.h"

namespace platform {

// The application's title: the title of plain boxes and of the error box.
inline const char* const kApplicationTitle = "Vindargast";

// Shows the box and returns the button pressed; closing the box (Escape or the close button)
// counts as "Anuluj" where there is one, else "Nie", else "OK".
Answer MessageBox(const QString& text, const QString& title, Icon icon = Icon::None,
                  Buttons buttons = Buttons::Ok);

// The application's error box: title "Vindargast", stop icon, OK. Errors that end a handler
// (a text that is not a number, a failed database call) are shown here with their exact text.
void ErrorBox(const QString& text);

// A plain box titled with the application's title: no icon, OK.
void PlainBox(const QString& text);

// The engine's warnings as warning boxes with an OK button.
class MessageBoxWarningNotifier : public WarningNotifier {
 public:
  void Warn(const std::string& caption, const std::string& text) override;
};

}  // namespace platform
