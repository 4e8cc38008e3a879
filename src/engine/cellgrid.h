// The two-column parameter grid of a selection window, seen from the engine: the devices write
// their values through it without knowing the widget. The windows implement it over their
// QTableWidget; tests use MemoryCellGrid. Cells are addressed as (column, row), never transposed.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

class CellGrid {
 public:
  virtual ~CellGrid() = default;
  virtual int ColumnCount() const = 0;
  virtual int RowCount() const = 0;
  virtual void SetCell(int col, int row, const std::string& text) = 0;
  virtual std::string Cell(int col, int row) const = 0;
};

// A grid of fixed size in memory. A cell never written reads as "". A cell outside the grid is
// an error here, so that a device writing beyond the rows its window has is caught in tests.
class MemoryCellGrid : public CellGrid {
 public:
  MemoryCellGrid(int columns, int rows) : columns_(columns), rows_(rows) {}
  int ColumnCount() const override { return columns_; }
  int RowCount() const override { return rows_; }
  void SetCell(int col, int row, const std::string& text) override {
    Check(col, row);
    cells_[{col, row}] = text;
  }
  std::string Cell(int col, int row) const override {
    Check(col, row);
    auto found = cells_.find({col, row});
    return found == cells_.end() ? std::string() : found->second;
  }

 private:
  void Check(int col, int row) const {
    if (col < 0 || col >= columns_ || row < 0 || row >= rows_)
      throw std::out_of_range("cell (" + std::to_string(col) + ", " + std::to_string(row) +
                              ") outside the grid");
  }
  int columns_;
  int rows_;
  std::map<std::pair<int, int>, std::string> cells_;
};
