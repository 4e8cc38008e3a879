#include "editors/AddLokalizacja.h"

#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"

TWinAddMiasta::TWinAddMiasta(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/miasta.xml", &CCatalogues::CityCatalogue, 1, 39}) {
  ui.setupUi(this);
  BindFrame(ui.LstMiasta, nullptr, nullptr, nullptr);
  connect(ui.BitBtn4, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddMiasta::FormCreate() {
  QTableWidget* grid = ui.DaneMiasta;
  PrepareTitledGrid(grid, 78, 16, 0);
  grid->setRowHeight(0, 25);
  const int widths[4] = {70, 160, 120, 140};
  const char* const headings[4] = {"Miesiąc", "Nasłonecznienie w [kWh/m2]", "Temperatura w [C]",
                                   "Usłonecznienie w godzinach"};
  for (int col = 0; col < 4; ++col) {
    grid->setColumnWidth(col, widths[col]);
    platform::SetCell(grid, col, 0, headings[col]);
  }
  for (int month = 0; month < 12; ++month) platform::SetCell(grid, 0, month + 1, MonthNames[month]);
  FitGridToCells(grid);

  CreateFrame();
}
