#include "editors/AddProducent.h"

#include "app/windows.h"
#include "editors/AddIzolacja.h"
#include "editors/AddKolektor.h"
#include "editors/AddKonstrukcja.h"
#include "editors/AddNaczynie.h"
#include "editors/AddPompa.h"
#include "editors/AddSterownik.h"
#include "editors/AddZasobnik.h"
#include "platform/guard.h"

TWinAddProducent::TWinAddProducent(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/producenci.xml", &CCatalogues::ProducerCatalogue, 1, 4}) {}

void TWinAddProducent::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstProducent, nullptr, ui().Opis, ui().StaticText5);
  BindFields(InColumnOrder({ui().Edit1, ui().Edit2}, {ui().Opis}),
             {ui().Edit1, ui().Edit2, ui().Opis}, {});
  BindButtons(ui().BitBtn1, ui().BitBtn2, ui().BitBtn4, ui().BitBtn5);
  connect(ui().BitBtn3, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddProducent::FormCreate() {
  const CatalogueListing listing = ReadListing();
  ui().Opis->setPlainText("brak");
  if (TableLoaded()) FillList(listing);
  // The counter reads 255 while the description still holds "brak".
  SetCounter(kDescriptionLength);
}

QString TWinAddProducent::VendorDeleteText() const {
  return QString::fromUtf8("Nie można usuwać producentów pobranych z bazy");
}

QString TWinAddProducent::VendorChangeText() const {
  return QString::fromUtf8("Nie można edytować producentów pobranych z bazy");
}

QString TWinAddProducent::DeleteQuestion() const {
  return QString::fromUtf8("Czy na pewno chcesz usunąć\ndane producenta z programu ?");
}

// The producer lists, from which the device editors fill their producer combos, follow the table,
// and so do the combos of the editors, of which the modeless ones may be open meanwhile.
void TWinAddProducent::TableChanged(bool /*rowAdded*/) {
  MainCatalogues().BuildProducerLists();
  CatalogueEditorFrame* const editors[] = {WinAddZasobnik,   WinAddKolektor, WinAddSterownik,
                                           WinAddNaczynie,   WinAddPompa,    WinAddIzolacja,
                                           WinAddKonstrukcja};
  for (CatalogueEditorFrame* editor : editors)
    if (editor) editor->ProducersChanged();
}
