#include "editors/AddSterownik.h"

#include "platform/guard.h"

TWinAddSterownik::TWinAddSterownik(QWidget* parent)
    : CatalogueEditorFrame(parent,
                           {"Dane/sterownik.xml", &CCatalogues::ControllerCatalogue, 10, 14}) {
  ui.setupUi(this);
  BindFrame(ui.LstSterownik, ui.ComboBox4, ui.Opis, ui.StaticText16);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddSterownik::FormCreate() {
  // The three Tak/Nie choices start on "Tak".
  ui.ComboBox1->setCurrentIndex(0);
  ui.ComboBox2->setCurrentIndex(0);
  ui.ComboBox3->setCurrentIndex(0);
  CreateFrame();
  SetCounter(kDescriptionLength);
}
