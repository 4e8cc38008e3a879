#include "editors/AddPompa.h"

#include "platform/guard.h"

TWinAddPompa::TWinAddPompa(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/pompy.xml", &CCatalogues::PumpCatalogue, 2, 11}) {
  ui.setupUi(this);
  BindFrame(ui.LstPompa, ui.ComboBox1, ui.Opis, nullptr);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddPompa::FormCreate() {
  CreateFrame();
}
