// The fuel catalogue (Form1->FuelCatalogue) as the cost window and the ecological calculator read
// it: row k is heating type k, its texts are copied into the windows as stored.
#pragma once

#include <QComboBox>
#include <QString>
#include <cstdint>

#include "engine/catalogue.h"

namespace economics {

int32_t FuelRowCount();
// The text of a cell, or "" for a cell the table does not have (a catalogue with fewer rows or
// columns than the heating types expect).
QString FuelCell(int32_t row, int32_t col);
// The same of a copy of the fuel table.
QString FuelCell(const CatalogueRows& rows, int32_t row, int32_t col);
// Fills a combo with the fuel names (column 1), in row order.
void FillFuelCombo(QComboBox* combo);
void FillFuelCombo(QComboBox* combo, const CatalogueRows& rows);

// The row chosen in an editable fuel combo: its index while the text shows that row's name, -1
// once the user typed something else or nothing is selected.
int32_t ChosenRow(const QComboBox* combo);

}  // namespace economics

// The row of the fuel catalogue last chosen as heating type or fuel, in the cost window or the
// ecological calculator.
extern int32_t SelectedFuelRow;
