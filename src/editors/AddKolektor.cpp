#include "editors/AddKolektor.h"

#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "platform/guard.h"

TWinAddKolektor::TWinAddKolektor(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/kolektor.xml", &CCatalogues::CollectorCatalogue, 3, 16}) {}

void TWinAddKolektor::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstKolektory, ui().ComboBox1, ui().Opis, ui().StaticText25);
  // The certificate and test-result links follow the description.
  BindFields(
      InColumnOrder({ui().ComboBox1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6,
                     ui().Edit7, ui().Edit8, ui().Edit9, ui().Edit10, ui().Edit11},
                    {ui().Edit12, ui().Opis, ui().Edit1, ui().Edit13}),
      {ui().Edit1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7,
       ui().Edit8, ui().Edit9, ui().Edit10, ui().Edit11, ui().Edit12, ui().Edit13, ui().Opis},
      {ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8, ui().Edit9, ui().Edit10,
       ui().Edit11});
  BindNumericColumns({{4, false, "Liniowy wskaźnik przenikania ciepła"},
                      {5, false, "Kwadratowy wskaźnik przenikania ciepła"},
                      {6, false, "Sprawność optyczna"},
                      {7, false, "Jednostkowe natężenie przepływu"},
                      {8, false, "Jednostkowa strata ciśnienia"},
                      {9, false, "Pojemność absorbera"},
                      {10, false, "Powierzchnia efektywna"},
                      {11, false, "Cena netto"}});
  BindProducerTargets(ui().Edit12, ui().Opis);
  BindButtons(ui().BitBtn1, ui().BitBtn3, ui().BtnDelete, ui().BitBtn4);
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddKolektor::FormCreate() {
  CreateFrame();
  SetCounter(kDescriptionLength);
}

void TWinAddKolektor::FormShow() {
  FillProducerCombo();
  ClearFields();
}

bool TWinAddKolektor::InUse(const std::string& listed) const {
  return listed == Engine.SelectedCollector->Model;
}

// The heat-loss coefficients and the optical efficiency (a percentage) within their ranges; the
// limits themselves pass.
bool TWinAddKolektor::ValuesValid() {
  if (ReadFloat(ui().Edit4->text().toStdString()) > 5) {
    WarnField(
        "Wartość liniowego wskaźnika przenikalności cieplnej k1 poza dopuszczalną wartością.\n"
        "Proszę wprowadzić poprawną wartość");
    return false;
  }
  if (ReadFloat(ui().Edit5->text().toStdString()) > 1) {
    WarnField(
        "Wartość kwadratowego wskaźnika przenikalności cieplnej k2 poza dopuszczalną wartością "
        ".\nProszę wprowadzić poprawną wartość");
    return false;
  }
  const float efficiency = ReadFloat(ui().Edit6->text().toStdString());
  if (efficiency > 99 || efficiency < 50) {
    WarnField("Nieprawidłowa wartość sprawności optycznej!\nProszę wprowadzić poprawną wartość");
    return false;
  }
  return true;
}
