#include "editors/AddSterownik.h"

#include "engine/vindargast2.h"
#include "platform/guard.h"

TWinAddSterownik::TWinAddSterownik(QWidget* parent)
    : CatalogueEditorFrame(parent,
                           {"Dane/sterownik.xml", &CCatalogues::ControllerCatalogue, 10, 14}) {
  ui.setupUi(this);
  BindFrame(ui.LstSterownik, ui.ComboBox4, ui.Opis, ui.StaticText16);
  // The three Tak/Nie choices count as required fields: an emptied one refuses the row.
  BindFields(
      {{1, ui.ComboBox4, true},
       {2, ui.Edit2, true},
       {3, ui.ComboBox1, true},
       {4, ui.ComboBox2, true},
       {5, ui.ComboBox3, true},
       {6, ui.Edit3, true},
       {7, ui.Edit4, true},
       {8, ui.Edit5, true},
       {9, ui.Edit6, true},
       {10, ui.Edit7, true},
       {11, ui.Edit8, true},
       {12, ui.Edit9, false},
       {13, ui.Opis, false}},
      {ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit5, ui.Edit6, ui.Edit7, ui.Edit8, ui.Edit9, ui.Opis},
      {});
  BindProducerTargets(ui.Edit9, ui.Opis);
  BindButtons(ui.BitBtn1, ui.BitBtn4, ui.BitBtn3, ui.BitBtn5);
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

// The web page and the three choices keep their texts between openings.
void TWinAddSterownik::FormShow() {
  FillProducerCombo();
  for (QLineEdit* edit : {ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit5, ui.Edit6, ui.Edit7, ui.Edit8})
    edit->clear();
  ui.Opis->clear();
}

bool TWinAddSterownik::InUse(const std::string& listed) const {
  return listed == Engine.SelectedController->Model;
}
