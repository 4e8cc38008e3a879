// The spreadsheet export of a producer's offer: one sheet per device kind, arranged in columns
// as the offer window's grids arrange it, written as an .xlsx workbook.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// A workbook that could not be written whole; what() says why. The target is then as it was.
class ExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OfferSheet {
  struct Column {
    QString title;
    // The grid column's width in pixels; the sheet's column gets a seventh of it in characters.
    int width;
  };
  QString name;
  // The font of every cell: the grid's font name and size.
  QFont font;
  std::vector<Column> columns;
  // One record each, a text per column in column order.
  std::vector<QStringList> rows;
};

// name with ".xlsx" added, unless it already ends so (in any letter case).
QString WithXlsxExtension(const QString& name);

// Writes the sheets, in order, to a new workbook at path: row 1 the column titles on grey,
// 20 points high; from row 2 one record a row, 16 points high, each cell its plain text, as a
// number where the whole text is a plain number (ReadPlainNumber of numtext.h). The file
// replaces an older one only after the whole workbook has been written (ExportError otherwise);
// an older file marked read-only is kept, and a symbolic link keeps pointing to the new file.
void WriteOfferWorkbook(const QString& path, const std::vector<OfferSheet>& sheets);
