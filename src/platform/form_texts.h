// What a window showed before its first result: the texts its form's set-up gave its labels,
// edits and grid cells, taken from a second, untouched copy of the same form. Windows put their
// result fields back with it when the design they showed results for is replaced.
#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;

namespace platform {

// Gives the widgets of `window` named in `names` the texts of the widgets of the same names in
// `pristine` (labels and line edits). A name missing from either side is skipped.
void CopySetUpTexts(const QWidget& pristine, QWidget& window, const QStringList& names);

// The same, with `pristine` made by setting up a fresh copy of the form `Form` on a dialog.
template <class Form>
void RestoreSetUpTexts(QWidget& window, const QStringList& names) {
  QDialog pristine;
  Form form;
  form.setupUi(&pristine);
  CopySetUpTexts(pristine, window, names);
}

// Empties a grid's cells from firstCol and firstRow on: the results, not the row and column titles.
// Columns from endCol on (when given) are titles too and keep their texts.
void ClearCells(QTableWidget& grid, int firstCol, int firstRow, int endCol = -1);

}  // namespace platform
