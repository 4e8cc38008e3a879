#include "editors/AddPompa.h"

#include "engine/vindargast2.h"
#include "platform/guard.h"

TWinAddPompa::TWinAddPompa(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/pompy.xml", &CCatalogues::PumpCatalogue, 2, 11}) {}

void TWinAddPompa::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstPompa, ui().ComboBox1, ui().Opis, nullptr);
  // Every value is stored as typed; the characteristic link follows the description.
  BindFields(InColumnOrder({ui().ComboBox1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5,
                            ui().Edit6, ui().Edit7},
                           {ui().Edit8, ui().Opis, ui().Edit1}),
             {ui().Edit1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7,
              ui().Edit8, ui().Opis},
             {ui().Edit3, ui().Edit5, ui().Edit7});
  // The maximum flow is kept as text; the other values are read as numbers.
  BindNumericColumns({{3, false, "Maksymalna wysokość podnoszenia"},
                      {4, true, "Liczba zaworów odcinających"},
                      {5, false, "Ciśnienie reakcji zaworu bezpieczeństwa"},
                      {7, false, "Cena netto"}});
  BindProducerTargets(ui().Edit8, ui().Opis);
  BindButtons(ui().BitBtn1, ui().BitBtn3, ui().BitBtn4, ui().BitBtn5);
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddPompa::FormCreate() {
  CreateFrame();
}

// The description keeps its text between openings.
void TWinAddPompa::FormShow() {
  FillProducerCombo();
  for (QLineEdit* edit : {ui().Edit1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6,
                          ui().Edit7, ui().Edit8})
    edit->clear();
  ForgetShownRecord();
}

bool TWinAddPompa::InUse(const std::string& listed) const {
  return listed == Engine.SelectedPump->Model;
}
