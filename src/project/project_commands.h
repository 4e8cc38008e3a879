// The main window's commands on whole designs: open and save a project file, save the design as
// the default settings, restore the factory settings, read the default settings at the first
// showing, and bring the main window's inputs into line with Engine after a read. Each works on
// Engine and the global windows; the main window connects its menu items to them.
#pragma once

class TForm1;

namespace project {

// The default settings file and the factory settings file, in the working folder.
inline constexpr const char* kDefaultFile = "default.xml";
inline constexpr const char* kFactoryFile = "default_fabryczne.xml";

// "Otwórz" (Ctrl+O): asks for a file, reads it into Engine and the windows, reports it in the
// status bar, refreshes the inputs and clears the results of the design before. A failed read
// changes nothing but the status bar, which then names no file as read.
void OpenProject(TForm1& form);

// "Zapisz" (Ctrl+S): asks for a file name and writes the design there.
void SaveProject(TForm1& form);

// "Zapisz ustawienia jako domyślne": writes the design to the default settings file.
void SaveDefaultSettings();

// "Przywróć ustawiania fabryczne ": after a question, reads the factory settings and, only when
// they were read, refreshes the inputs, clears the results and makes them the default settings.
void RestoreFactorySettings(TForm1& form);

// The first showing of the main window: reads the default settings file, if there is one, and
// refreshes the inputs; a missing or unreadable file is reported.
void ReadDefaultSettings(TForm1& form);

// Puts Engine's design inputs into the main window's edits, check boxes and lists as a user would
// enter them (so their handlers run), clicks the matching scheme button and shows the chosen
// devices in the summary labels.
void RefreshInputsFromEngine(TForm1& form);

}  // namespace project
