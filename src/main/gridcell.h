// The owner-drawn string grids of the program: each chooses the background of its cells and
// paints their text with TForm1::PaintGridCell (mode 0, centred) through one item delegate.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

class QTableWidget;

// Light blue of the odd rows of the location and selection windows' grids.
inline const QColor kLightBlue(166, 202, 240);
// Cream of the odd rows of the monthly tables.
inline const QColor kCream(255, 251, 240);

class GridCellDelegate : public QStyledItemDelegate {
 public:
  // The background of cell (col, row); an invalid colour keeps the grid's own (its base colour).
  using Background = std::function<QColor(int col, int row)>;

  // Rows above headingRows are headings: drawn word-wrapped within the cell, each line centred,
  // from the cell's top edge.
  GridCellDelegate(QObject* parent, Background background, int headingRows = 0);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  Background background_;
  int headingRows_;
};

// Odd rows (1, 3, ...) in the colour, the others in the grid's own.
GridCellDelegate::Background OddRows(const QColor& colour);

// Paints the grid's cells through a new GridCellDelegate owned by the grid.
void PaintCells(QTableWidget* grid, GridCellDelegate::Background background, int headingRows = 0);

// Rows as high as their texts need when they break at their blanks within the column (never lower
// than rowHeight), and the grid as high as its rows (never lower than its form makes it); fitted
// again whenever a cell's text changes.
void FitRowsToTexts(QTableWidget* grid, int rowHeight);
