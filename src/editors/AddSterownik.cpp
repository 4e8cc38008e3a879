#include "editors/AddSterownik.h"

#include "engine/vindargast2.h"
#include "platform/guard.h"

TWinAddSterownik::TWinAddSterownik(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/sterownik.xml", &CCatalogues::ControllerCatalogue, 10, 14}) {}

void TWinAddSterownik::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstSterownik, ui().ComboBox4, ui().Opis, ui().StaticText16);
  // The three Tak/Nie choices count as required fields: an emptied one refuses the row.
  BindFields(
      InColumnOrder({ui().ComboBox4, ui().Edit2, ui().ComboBox1, ui().ComboBox2, ui().ComboBox3,
                     ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8},
                    {ui().Edit9, ui().Opis}),
      {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8,
       ui().Edit9, ui().Opis},
      {});
  // The counts are whole numbers; the sensor kind and the choices are texts.
  BindNumericColumns({{2, true, "Liczba zasobników"},
                      {6, true, "Liczba czujników temperatury"},
                      {7, true, "Liczba obiegów"},
                      {8, true, "Liczba wyjść"},
                      {11, false, "Cena netto"}});
  BindProducerTargets(ui().Edit9, ui().Opis);
  BindButtons(ui().BitBtn1, ui().BitBtn4, ui().BitBtn3, ui().BitBtn5);
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddSterownik::FormCreate() {
  // The three Tak/Nie choices start on "Tak".
  ui().ComboBox1->setCurrentIndex(0);
  ui().ComboBox2->setCurrentIndex(0);
  ui().ComboBox3->setCurrentIndex(0);
  CreateFrame();
  SetCounter(kDescriptionLength);
}

// The web page and the three choices keep their texts between openings.
void TWinAddSterownik::FormShow() {
  FillProducerCombo();
  for (QLineEdit* edit :
       {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8})
    edit->clear();
  ui().Opis->clear();
  ForgetShownRecord();
}

bool TWinAddSterownik::InUse(const std::string& listed) const {
  return listed == Engine.SelectedController->Model;
}
