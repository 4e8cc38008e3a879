#include "editors/AddKonstrukcja.h"

#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/izolacja.h"
#include "platform/guard.h"

TWinAddKonstrukcja::TWinAddKonstrukcja(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/konstrukcje.xml", &CCatalogues::StructureCatalogue, 2, 12}) {}

void TWinAddKonstrukcja::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstKonstrukcja, ui().ComboBox1, ui().Opis, ui().Label1);
  BindFields(InColumnOrder({ui().ComboBox1, ui().Edit1, ui().Edit2, ui().Edit3, ui().Edit4,
                            ui().Edit5, ui().ComboBox2, ui().Edit6, ui().Edit7},
                           {ui().Edit8, ui().Opis}),
             {ui().Edit1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7,
              ui().Edit8, ui().Opis},
             {});
  // The number of collectors and the tilt are kept as texts; the load capacity and the price are
  // read as numbers.
  BindNumericColumns({{6, false, "Nośność"}, {9, false, "Cena netto"}});
  BindProducerTargets(ui().Edit8, ui().Opis);
  BindButtons(ui().BitBtn2, ui().BitBtn3, ui().BitBtn5, ui().BitBtn1);
  connect(ui().BitBtn4, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddKonstrukcja::FormCreate() {
  CreateFrame();
  ui().StaticText14->setText(QString::fromUtf8("[ °]"));
  ui().ComboBox2->setCurrentIndex(0);  // "Tak"
  SetCounter(kDescriptionLength);
}

// The wall-mounting choice keeps its text between openings.
void TWinAddKonstrukcja::FormShow() {
  FillProducerCombo();
  ClearFields();
}

bool TWinAddKonstrukcja::InUse(const std::string& listed) const {
  return listed == Engine.SelectedStructure->Model;
}

// An added structure is offered at once by the insulation selection window, which may be the
// window this editor was opened from.
void TWinAddKonstrukcja::TableChanged(bool rowAdded) {
  if (!rowAdded || !WinIzolacja) return;
  QComboBox* combo = WinIzolacja->ui().ComboWyborKonstrukcji;
  combo->clear();
  for (const std::vector<std::string>& row : MainCatalogues().StructureCatalogue.Rows)
    combo->addItem(QString::fromStdString(row.size() > 2 ? row[2] : std::string()));
  combo->setCurrentIndex(-1);
}
