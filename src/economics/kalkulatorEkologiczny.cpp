#include "economics/kalkulatorEkologiczny.h"

#include <QShowEvent>

#include "app/windows.h"
#include "economics/edit_text.h"
#include "economics/fuel_table.h"
#include "engine/design_error.h"
#include "engine/ecology.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/form_texts.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"
#include "platform/user_change.h"
#include "report/Wyniki.h"

using economics::FuelCell;

namespace {

constexpr int32_t kLastHeatingType = 7;
constexpr int32_t kHeatPump = 7;

// Heating types 1 to 3 give their emission factors per m3 of flue gas; 1 to 6 are fuels burnt in a
// boiler, with a calorific value and carbon and sulphur contents.
bool FluGasFuel(int32_t type) {
  return type >= 1 && type <= 3;
}
bool BurntFuel(int32_t type) {
  return type >= 1 && type <= 6;
}

// Built-in emission factors of boilers burning types 1 to 4, for the manual and the automatic
// boiler: CO, NOx, dust, TOC, 16 WWA and BaP (Edit3 to Edit8), then per type the carbon and
// sulphur contents, the efficiency and the calorific value.
struct FactorSet {
  const char* factors[6];
  const char* efficiency[4];
};
const FactorSet kManualBoiler = {{"5000", "400", "200", "150", "15", "0.15"},
                                 {"75", "75", "75", "75"}};
const FactorSet kAutomaticBoiler = {{"1200", "400", "125", "75", "5", "0.075"},
                                    {"80", "80", "80", "78"}};
const char* const kCarbon[4] = {"70", "50", "50", "50"};
const char* const kSulphur[4] = {"0.65", "0.1", "0.1", "0.1"};
const char* const kCalorificValue[4] = {"7.5", "4.1", "5.1", "5"};

}  // namespace

TWinKalkulatorEkologiczny::TWinKalkulatorEkologiczny(QWidget* parent) : QDialog(parent) {
  // Nothing of the design is set here: the widgets wait for the window's first use.
  ui.Defer([this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinKalkulatorEkologiczny::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinKalkulatorEkologiczny::BuildForm() {
  ui.form().setupUi(this);
  ConnectHandlers();
  widgetSteps_.Run();
}

std::array<TWinKalkulatorEkologiczny::Input, 13> TWinKalkulatorEkologiczny::Inputs() const {
  std::array<Input, 13> inputs{};
  for (int i = 0; i < 13; ++i) {
    const QString edit = QStringLiteral("Edit%1").arg(i + 1);
    inputs[i] = {findChild<QLineEdit*>(edit), findChild<QLabel*>(edit + QStringLiteral("Caption")),
                 findChild<QLabel*>(edit + QStringLiteral("Unit"))};
  }
  return inputs;
}

void TWinKalkulatorEkologiczny::ConnectHandlers() {
  platform::Connect(ui().ComboBox1, &QComboBox::activated, this,
                    &TWinKalkulatorEkologiczny::ComboBox1Select);
  platform::Connect(ui().CheckBox1, &QCheckBox::toggled, this,
                    &TWinKalkulatorEkologiczny::CheckBox1Click);
  platform::Connect(ui().RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButton1Click();
  });
  platform::Connect(ui().RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButton2Click();
  });
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this,
                    &TWinKalkulatorEkologiczny::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this,
                    &TWinKalkulatorEkologiczny::BitBtn2Click);
  platform::OnUserChange(this, [this] {
    if (resultsShown_) ClearReductions();
  });
}

void TWinKalkulatorEkologiczny::FormCreate() {
  // The fuels as the catalogue holds them now.
  widgetSteps_.Add([this, fuels = Form1->FuelCatalogue.Rows] {
    economics::FillFuelCombo(ui().ComboBox1, fuels);
    ChooseFuel(0, fuels);
  });
}

void TWinKalkulatorEkologiczny::ShowFileInputs(
    const std::array<std::optional<std::string>, 13>& texts, std::optional<int> fuel) {
  widgetSteps_.Add([this, texts, fuel] {
    for (size_t i = 0; i < texts.size(); ++i)
      if (texts[i]) Inputs()[i].edit->setText(QString::fromStdString(*texts[i]));
    if (fuel) ui().ComboBox1->setCurrentIndex(*fuel);
  });
}

void TWinKalkulatorEkologiczny::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TWinKalkulatorEkologiczny::ShowYearlySolarEnergy() {
  const QString unit = QStringLiteral(" [kWh/rok]");
  ui().StaticText56->setText(economics::Q(General4(Engine.AnnualHotWaterSolarEnergy)) + unit);
  ui().StaticText57->setText(economics::Q(General4(Engine.AnnualHeatingSolarEnergy)) + unit);
}

void TWinKalkulatorEkologiczny::FormShow() {
  ShowYearlySolarEnergy();
  const int32_t type = Engine.Costs.TypOgrzewania;
  if (type < 0 || type > kLastHeatingType) return;
  ui().ComboBox1->setCurrentIndex(type);
  // The boiler radios stay as they are: selecting one loads its factor set over the factors the
  // user chose.
  ApplyFuelLayout(type);
}

int32_t TWinKalkulatorEkologiczny::ChosenFuel() const {
  return economics::ChosenRow(ui().ComboBox1);
}

void TWinKalkulatorEkologiczny::SetInputShown(int edit, bool shown) {
  const Input input = Inputs()[edit];
  input.edit->setVisible(shown);
  input.caption->setVisible(shown);
  input.unit->setVisible(shown);
}

void TWinKalkulatorEkologiczny::SetInputsEnabled(bool enabled) {
  for (const Input& input : Inputs()) {
    input.edit->setEnabled(enabled);
    input.caption->setEnabled(enabled);
    input.unit->setEnabled(enabled);
  }
}

void TWinKalkulatorEkologiczny::ApplyFuelLayout(int32_t type) {
  if (type < 0 || type > kLastHeatingType) return;
  const QString factorUnit = FluGasFuel(type) ? QStringLiteral("mg/m3") : QStringLiteral("mg/kWh");
  for (int edit = 2; edit <= 7; ++edit) Inputs()[edit].unit->setText(factorUnit);

  SetInputShown(0, BurntFuel(type));
  if (type == 5) {
    ui().Edit1Unit->setText(QStringLiteral("kWh/litr paliwa"));
  } else if (type == 6) {
    ui().Edit1Unit->setText(QStringLiteral("kWh/m3 paliwa"));
  } else if (BurntFuel(type)) {
    ui().Edit1Unit->setText(QStringLiteral("kWh/kg paliwa"));
  }
  ui().Edit2Caption->setText(type == 0           ? QStringLiteral("Sprawność procesu")
                             : type == kHeatPump ? QStringLiteral("COP pompy")
                                                 : QString::fromUtf8("Sprawność kotła"));
  SetInputShown(11, BurntFuel(type));   // carbon
  SetInputShown(12, BurntFuel(type));   // sulphur
  SetInputShown(8, !BurntFuel(type));   // CO2 share
  SetInputShown(9, !BurntFuel(type));   // SO2 share
  SetInputShown(10, FluGasFuel(type));  // flue-gas volume
  ui().RadioButton1->setEnabled(FluGasFuel(type));
  ui().RadioButton2->setEnabled(FluGasFuel(type));
  ui().Label2->setVisible(type == 2 || type == 3);

  ui().CheckBox1->setChecked(false);
  SetInputsEnabled(false);
}

void TWinKalkulatorEkologiczny::ChooseFuel(int32_t type) {
  ChooseFuel(type, Form1->FuelCatalogue.Rows);
}

void TWinKalkulatorEkologiczny::ChooseFuel(int32_t type, const CatalogueRows& fuels) {
  const auto cell = [&fuels](int32_t row, int32_t col) {
    return economics::FuelCell(fuels, row, col);
  };
  ui().ComboBox1->setCurrentIndex(type);
  if (type < 0 || type > kLastHeatingType) return;
  ApplyFuelLayout(type);
  // The catalogue's values replace whatever the boiler radio's handler loads.
  if (FluGasFuel(type)) ui().RadioButton1->setChecked(true);
  for (int edit = 2; edit <= 7; ++edit) Inputs()[edit].edit->setText(cell(type, edit + 3));
  ui().Edit2->setText(cell(type, type == kHeatPump ? 2 : 4));
  if (BurntFuel(type)) {
    ui().Edit1->setText(cell(type, 2));
    ui().Edit12->setText(cell(type, 11));
    ui().Edit13->setText(cell(type, 12));
  }
  if (FluGasFuel(type)) ui().Edit11->setText(cell(type, 13));
  if (!BurntFuel(type)) {
    ui().Edit9->setText(cell(type, 11));
    ui().Edit10->setText(cell(type, 12));
  }
}

void TWinKalkulatorEkologiczny::ComboBox1Select(int index) {
  SelectedFuelRow = index;
  if (index < 0 || index > kLastHeatingType) return;
  Engine.Costs.TypOgrzewania = index;
  ChooseFuel(index);
}

void TWinKalkulatorEkologiczny::CheckBox1Click() {
  SetInputsEnabled(ui().CheckBox1->isChecked());
}

void TWinKalkulatorEkologiczny::LoadFactorSet(bool automaticBoiler) {
  const int32_t type = ChosenFuel();
  if (type < 1 || type > 4) return;
  const FactorSet& set = automaticBoiler ? kAutomaticBoiler : kManualBoiler;
  for (int i = 0; i < 6; ++i) Inputs()[i + 2].edit->setText(QString::fromUtf8(set.factors[i]));
  ui().Edit12->setText(QString::fromUtf8(kCarbon[type - 1]));
  ui().Edit13->setText(QString::fromUtf8(kSulphur[type - 1]));
  ui().Edit2->setText(QString::fromUtf8(set.efficiency[type - 1]));
  ui().Edit1->setText(QString::fromUtf8(kCalorificValue[type - 1]));
}

void TWinKalkulatorEkologiczny::RadioButton1Click() {
  LoadFactorSet(false);
}

void TWinKalkulatorEkologiczny::RadioButton2Click() {
  LoadFactorSet(true);
}

void TWinKalkulatorEkologiczny::BitBtn1Click() {
  ShowYearlySolarEnergy();
  const float energy = YearlySolarEnergy(Engine);
  const int32_t type = ChosenFuel();
  if (type < 0 || type > kLastHeatingType) {
    // Nothing was computed: every result stays as it was, here and in the other windows.
    platform::MessageBox(QStringLiteral("Nie wybrano rodzaju paliwa "), QString::fromUtf8("Błąd"),
                         platform::Icon::Warning);
    return;
  }
  // Every input the fuel's layout shows takes part in its formulas: an empty one has no value
  // to count with, and every result stays as it was.
  for (const Input& input : Inputs()) {
    if (input.edit->isHidden() || !input.edit->text().isEmpty()) continue;
    platform::MessageBox(QString::fromUtf8("Nie podano wartości: ") +
                             input.caption->text().trimmed() + QStringLiteral(" !"),
                         QStringLiteral("Uwaga"), platform::Icon::Warning);
    input.edit->setFocus();
    return;
  }
  // The inputs the layout hides play no part.
  auto read = [](const QLineEdit* edit, float& value) {
    if (!edit->isHidden() && !edit->text().isEmpty()) value = economics::ReadFloat(edit);
  };
  EmissionInputs inputs;
  for (int i = 0; i < 6; ++i) read(Inputs()[i + 2].edit, inputs.Factors[i]);
  read(ui().Edit2, inputs.Efficiency);
  read(ui().Edit1, inputs.CalorificValue);
  read(ui().Edit11, inputs.FlueGasVolume);
  read(ui().Edit9, inputs.Co2Share);
  read(ui().Edit10, inputs.So2Share);
  read(ui().Edit12, inputs.Carbon);
  read(ui().Edit13, inputs.Sulphur);
  EmissionReduction reduction;
  try {
    reduction = ComputeEmissionReduction(type, energy, inputs);
  } catch (const DesignInputError& error) {
    platform::MessageBox(QString::fromUtf8(error.what()), QStringLiteral("Komunikat"),
                         platform::Icon::Warning);
    return;
  }

  // CO2, SO2 and the six pollutants in the order of the results window's table.
  float values[8] = {reduction.Co2, reduction.So2};
  for (int i = 0; i < 6; ++i) values[i + 2] = reduction.Pollutants[i];
  QLabel* const labels[8] = {ui().StaticText12, ui().StaticText13, ui().StaticText14,
                             ui().StaticText15, ui().StaticText16, ui().StaticText17,
                             ui().StaticText18, ui().StaticText19};
  for (int row = 0; row < 8; ++row) {
    const std::string text = GeneralText(values[row], 5, 2);
    economics::SetText(labels[row], text);
    platform::SetCell(WinWyniki->ui().tabZanieczyszczenia, 1, row, text);
  }
  Form1->ui().Label91->setText(economics::Q(GeneralText(reduction.Co2, 5, 2)));
  resultsShown_ = true;
}

void TWinKalkulatorEkologiczny::ClearReductions() {
  platform::RestoreSetUpTexts<Ui::TWinKalkulatorEkologiczny>(
      *this, {"StaticText12", "StaticText13", "StaticText14", "StaticText15", "StaticText16",
              "StaticText17", "StaticText18", "StaticText19"});
  WinWyniki->ClearReductions();
  Form1->ui().Label91->setText(QStringLiteral("b/d"));
  resultsShown_ = false;
}

void TWinKalkulatorEkologiczny::BitBtn2Click() {
  close();
}

void TWinKalkulatorEkologiczny::ClearResults() {
  // Unbuilt, the window has no results; its button is disabled after the creation's steps, as
  // the start leaves it.
  if (!ui.Built()) {
    if (!clearQueued_) widgetSteps_.Add([this] { ClearResults(); });
    clearQueued_ = true;
    return;
  }
  platform::RestoreSetUpTexts<Ui::TWinKalkulatorEkologiczny>(
      *this, {"StaticText12", "StaticText13", "StaticText14", "StaticText15", "StaticText16",
              "StaticText17", "StaticText18", "StaticText19", "StaticText56", "StaticText57"});
  ui().BitBtn1->setEnabled(false);
  resultsShown_ = false;
}
