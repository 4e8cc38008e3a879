#include "editors/AddIzolacja.h"

#include "platform/cellgrid_qt.h"
#include "platform/guard.h"

const std::array<const char*, 8> TWinAddIzolacja::PipeDiameterLabels = {"10", "12", "15", "18",
                                                                        "22", "28", "30", "35"};

TWinAddIzolacja::TWinAddIzolacja(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/izolacja.xml", &CCatalogues::InsulationCatalogue, 4, 8}) {
  ui.setupUi(this);
  BindFrame(ui.LstIzolacja, ui.ComboBox1, ui.Opis, ui.StaticText12);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddIzolacja::FormCreate() {
  QTableWidget* grid = ui.GridGrubosci;
  PrepareTitledGrid(grid, 46, 16, 1);
  grid->setRowHeight(0, 40);
  grid->setColumnWidth(0, 64);
  platform::SetCell(grid, 0, 0, "Średnica przewodu rurowego");
  for (int n = 0; n < 5; ++n) {
    platform::SetCell(grid, 2 * n + 1, 0, "Grubość [mm]");
    platform::SetCell(grid, 2 * n + 2, 0, "Cena zł");
  }
  for (int k = 1; k <= 8; ++k) platform::SetCell(grid, 0, k, PipeDiameterLabels[k - 1]);
  FitGridToCells(grid);

  CreateFrame();
  XMLGrubosci.SetFileName("Dane/grubosci.xml");
  SetCounter(kDescriptionLength);
  FreeEditing = 1;
}
