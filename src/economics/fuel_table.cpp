#include "economics/fuel_table.h"

#include "app/windows.h"
#include "main/vindargast.h"

int32_t SelectedFuelRow = 0;

namespace economics {

int32_t FuelRowCount() {
  return static_cast<int32_t>(Form1->FuelCatalogue.Rows.size());
}

QString FuelCell(int32_t row, int32_t col) {
  return FuelCell(Form1->FuelCatalogue.Rows, row, col);
}

QString FuelCell(const CatalogueRows& rows, int32_t row, int32_t col) {
  if (row < 0 || row >= static_cast<int32_t>(rows.size())) return QString();
  if (col < 0 || col >= static_cast<int32_t>(rows[row].size())) return QString();
  return QString::fromStdString(rows[row][col]);
}

void FillFuelCombo(QComboBox* combo) {
  FillFuelCombo(combo, Form1->FuelCatalogue.Rows);
}

void FillFuelCombo(QComboBox* combo, const CatalogueRows& rows) {
  for (int32_t row = 0; row < static_cast<int32_t>(rows.size()); ++row)
    combo->addItem(FuelCell(rows, row, 1));
}

int32_t ChosenRow(const QComboBox* combo) {
  const int index = combo->currentIndex();
  if (index < 0 || combo->currentText() != combo->itemText(index)) return -1;
  return index;
}

}  // namespace economics
