// String grids are QTableWidgets addressed as (column, row), the order the windows' handlers use.
// Every window reads and writes grid cells through SetCell and Cell, so that no call transposes a
// cell; TableCellGrid lends a grid to the engine's devices (engine/cellgrid.h).
#pragma once

#include <QString>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <stdexcept>
#include <string>

#include "engine/cellgrid.h"

namespace platform {

inline bool HasCell(const QTableWidget* grid, int col, int row) {
  return col >= 0 && row >= 0 && col < grid->columnCount() && row < grid->rowCount();
}

// Writes the cell's text; a cell outside the grid is left alone, as a string grid ignores it.
inline void SetCell(QTableWidget* grid, int col, int row, const QString& text) {
  if (!HasCell(grid, col, row)) return;
  if (QTableWidgetItem* item = grid->item(row, col)) {
    item->setText(text);
  } else {
    grid->setItem(row, col, new QTableWidgetItem(text));
  }
}

inline void SetCell(QTableWidget* grid, int col, int row, const std::string& text) {
  SetCell(grid, col, row, QString::fromStdString(text));
}

inline void SetCell(QTableWidget* grid, int col, int row, const char* text) {
  SetCell(grid, col, row, QString::fromUtf8(text));
}

// The cell's text; "" for a cell never written or outside the grid.
inline QString Cell(const QTableWidget* grid, int col, int row) {
  if (!HasCell(grid, col, row)) return QString();
  const QTableWidgetItem* item = grid->item(row, col);
  return item ? item->text() : QString();
}

// A window's grid as the engine's devices see it. Writing outside the grid is a fault of the
// device's row table and is raised, as MemoryCellGrid does in the engine's tests.
class TableCellGrid : public CellGrid {
 public:
  explicit TableCellGrid(QTableWidget* grid) : grid_(grid) {}
  int ColumnCount() const override { return grid_->columnCount(); }
  int RowCount() const override { return grid_->rowCount(); }
  void SetCell(int col, int row, const std::string& text) override {
    Check(col, row);
    platform::SetCell(grid_, col, row, text);
  }
  std::string Cell(int col, int row) const override {
    Check(col, row);
    return platform::Cell(grid_, col, row).toStdString();
  }

 private:
  void Check(int col, int row) const {
    if (!HasCell(grid_, col, row))
      throw std::out_of_range("cell (" + std::to_string(col) + ", " + std::to_string(row) +
                              ") outside the grid");
  }
  QTableWidget* grid_;
};

}  // namespace platform
