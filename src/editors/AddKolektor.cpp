#include "editors/AddKolektor.h"

#include "platform/guard.h"

TWinAddKolektor::TWinAddKolektor(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/kolektor.xml", &CCatalogues::CollectorCatalogue, 3, 16}) {
  ui.setupUi(this);
  BindFrame(ui.LstKolektory, ui.ComboBox1, ui.Opis, ui.StaticText25);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddKolektor::FormCreate() {
  CreateFrame();
  SetCounter(kDescriptionLength);
}
