#include "editors/AddZasobnik.h"

#include "platform/guard.h"

TWinAddZasobnik::TWinAddZasobnik(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/zasobnik.xml", &CCatalogues::TankCatalogue, 2, 15}) {
  ui.setupUi(this);
  BindFrame(ui.ListBoxZasobnik, ui.ComboBox1, ui.Opis, ui.StaticText29);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddZasobnik::FormCreate() {
  CreateFrame();
  SetCounter(kDescriptionLength);
}
