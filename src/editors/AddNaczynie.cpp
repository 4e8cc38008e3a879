#include "editors/AddNaczynie.h"

#include "platform/guard.h"

TWinAddNaczynie::TWinAddNaczynie(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/naczynie.xml", &CCatalogues::VesselCatalogue, 2, 10}) {
  ui.setupUi(this);
  BindFrame(ui.LstNaczynie, ui.ComboBox1, ui.Opis, ui.StaticText17);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddNaczynie::FormCreate() {
  CreateFrame();
  SetCounter(kDescriptionLength);
}
