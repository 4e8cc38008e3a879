#include "editors/AddKonstrukcja.h"

#include "platform/guard.h"

TWinAddKonstrukcja::TWinAddKonstrukcja(QWidget* parent)
    : CatalogueEditorFrame(parent,
                           {"Dane/konstrukcje.xml", &CCatalogues::StructureCatalogue, 2, 12}) {
  ui.setupUi(this);
  BindFrame(ui.LstKonstrukcja, ui.ComboBox1, ui.Opis, ui.Label1);
  connect(ui.BitBtn4, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddKonstrukcja::FormCreate() {
  CreateFrame();
  ui.StaticText14->setText(QString::fromUtf8("[ °]"));
  ui.ComboBox2->setCurrentIndex(0);  // "Tak"
  SetCounter(kDescriptionLength);
}
