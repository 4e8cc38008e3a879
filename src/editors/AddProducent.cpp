#include "editors/AddProducent.h"

#include "platform/guard.h"

TWinAddProducent::TWinAddProducent(QWidget* parent)
    : CatalogueEditorFrame(parent, {"Dane/producenci.xml", &CCatalogues::ProducerCatalogue, 1, 4}) {
  ui.setupUi(this);
  BindFrame(ui.LstProducent, nullptr, ui.Opis, ui.StaticText5);
  connect(ui.BitBtn3, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddProducent::FormCreate() {
  LoadDocument();
  ui.Opis->setPlainText("brak");
  if (TableLoaded()) FillList();
  // The counter reads 255 while the description still holds "brak".
  SetCounter(kDescriptionLength);
}
