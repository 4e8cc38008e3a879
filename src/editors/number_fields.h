// A field meant to hold a number is checked before its row is stored: a text that the program's
// readers refuse (at the next start, in a selection window, in the thickness search) is never
// written into a catalogue.
#pragma once

#include <QString>

class QTableWidget;

namespace editors {

enum class NumberKind {
  Decimal,  // what ReadFloat takes: "4.5", "0.035"
  Whole,    // what ReadInt takes: "22", "022"
};

// Whether the text reads as a number of the kind.
bool IsNumberText(const QString& text, NumberKind kind);

// Shows the "Ostrzeżenie" warning naming the value and the field and returns false when the text
// is no number of the kind; true when it is. Every catalogue editor warns through it, so that one
// wording serves them all.
bool CheckNumberField(const QString& text, const QString& fieldName, NumberKind kind);

// The grid's value cells take only decimal keys, as a numeric edit does: a character other than a
// digit, "," or "." neither starts editing a cell nor goes into the cell being edited, and ","
// becomes ".".
void FilterGridKeys(QTableWidget* grid);

}  // namespace editors
