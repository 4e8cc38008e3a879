#include "editors/grubosci.h"

#include "editors/editor_frame.h"
#include "platform/guard.h"

TWinGrubosci::TWinGrubosci(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinGrubosci::FormCreate() {
  FieldNames = {"idPrzewodu", "idIzolacja", "srednica", "zakresGrubosci", "cena", "flaga"};
  // Item i stands for row i of the insulation table.
  const CCatalogueTable& insulation = MainCatalogues().InsulationCatalogue;
  for (int row = 0; row < insulation.RowCount; ++row)
    ui.ComboBox1->addItem(QString::fromStdString(insulation.Rows[row][4]));
  ui.ComboBox1->setCurrentIndex(0);
  ui.ComboBox2->setCurrentIndex(0);
  ui.ComboBox3->setCurrentIndex(0);
}
