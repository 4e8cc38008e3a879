#include "editors/AddNaczynie.h"

#include "engine/vindargast2.h"
#include "platform/guard.h"

TWinAddNaczynie::TWinAddNaczynie(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/naczynie.xml", &CCatalogues::VesselCatalogue, 2, 10}) {}

void TWinAddNaczynie::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstNaczynie, ui().ComboBox1, ui().Opis, ui().StaticText17);
  BindFields(InColumnOrder({ui().ComboBox1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5,
                            ui().Edit6, ui().Edit7},
                           {ui().Edit8, ui().Opis}),
             {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8,
              ui().Opis},
             {ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7});
  BindNumericColumns({{3, false, "Dopuszczalna temperatura pracy"},
                      {4, false, "Dopuszczalne ciśnienie pracy"},
                      {5, false, "Ciśnienie wstępne"},
                      {6, false, "Pojemność"},
                      {7, false, "Cena netto"}});
  BindProducerTargets(ui().Edit8, ui().Opis);
  BindButtons(ui().BitBtn1, ui().BitBtn3, ui().BitBtn4, ui().BitBtn5);
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddNaczynie::FormCreate() {
  CreateFrame();
  SetCounter(kDescriptionLength);
}

void TWinAddNaczynie::FormShow() {
  FillProducerCombo();
  ClearFields();
}

bool TWinAddNaczynie::InUse(const std::string& listed) const {
  return listed == Engine.SelectedVessel->Model;
}

QString TWinAddNaczynie::VendorDeleteText() const {
  return QString::fromUtf8("Nie można usuwać urządzeń producentów pobranych z bazy");
}
