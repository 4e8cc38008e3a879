#include "editors/AddZasobnik.h"

#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "platform/guard.h"

TWinAddZasobnik::TWinAddZasobnik(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/zasobnik.xml", &CCatalogues::TankCatalogue, 2, 15}) {}

void TWinAddZasobnik::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().ListBoxZasobnik, ui().ComboBox1, ui().Opis, ui().StaticText29);
  BindFields(
      InColumnOrder({ui().ComboBox1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6,
                     ui().Edit7, ui().Edit8, ui().Edit9, ui().Edit10, ui().Edit11, ui().Edit12},
                    {ui().Edit13, ui().Opis}),
      {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8,
       ui().Edit9, ui().Edit10, ui().Edit11, ui().Edit12, ui().Edit13, ui().Opis},
      {ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8, ui().Edit9, ui().Edit10,
       ui().Edit11, ui().Edit12});
  BindNumericColumns({{4, false, "Pojemność Zasobnika"},
                      {5, false, "Straty ciśnienia wymiennika solarnego"},
                      {6, false, "Pojemność wymiennika solarnego"},
                      {7, false, "Maksymalna temperatura wody"},
                      {8, false, "Maksymalne cisnienie pracy"},
                      {9, false, "Wysokość zasobnika"},
                      {10, false, "Średnica zasobnika"},
                      {11, false, "Grubość izolacji zasobnika"},
                      {12, false, "Cena"}});
  BindProducerTargets(ui().Edit13, ui().Opis);
  BindButtons(ui().BitBtnDodaj, ui().BitBtn4, ui().BitDelete, ui().BitBtn3);
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddZasobnik::FormCreate() {
  CreateFrame();
  SetCounter(kDescriptionLength);
}

// The description keeps its text between openings.
void TWinAddZasobnik::FormShow() {
  FillProducerCombo();
  for (QLineEdit* edit :
       {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8,
        ui().Edit9, ui().Edit10, ui().Edit11, ui().Edit12, ui().Edit13})
    edit->clear();
  ForgetShownRecord();
}

// Both tank objects count, whatever the number of tanks in the design.
bool TWinAddZasobnik::InUse(const std::string& listed) const {
  return listed == Engine.SelectedTank->Model || listed == Engine.SelectedTank2->Model;
}

// The insulation must fit twice into the diameter and the height, and the capacity must stay
// below the square prism around the tank (dimensions in millimetres, capacity in litres).
bool TWinAddZasobnik::ValuesValid() {
  const auto number = [](const QLineEdit* edit) {
    return static_cast<double>(ReadFloat(edit->text().toStdString()));
  };
  const double thickness = number(ui().Edit11);
  const double diameter = number(ui().Edit10);
  const double height = number(ui().Edit9);
  if (2 * thickness > diameter || 2 * thickness > height) {
    WarnField("Grubość izolacji musi być dwa razy mniejsza od wysokości oraz średnicy Zasobnika !");
    return false;
  }
  const double capacity = number(ui().Edit4);
  if (capacity * 1000000 >= 4 * (diameter * 0.5) * (diameter * 0.5) * height) {
    WarnField(
        "Nieprawidłowa pojemność lub wymiary zasobnika (wymiary należy podawać w milimetrach a "
        "pojemność w litrach)!");
    return false;
  }
  return true;
}
