#include "main/zasobnik.h"

#include "app/windows.h"
#include "editors/AddZasobnik.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"

namespace {

const char* const kInvitation = " ---- wybierz zasobnik ----";
constexpr int kRequiredVolumeRow = 12;
constexpr int kCapacityColumn = 4;

const TWinZasobnik::TankFields kFirstTank{
    &CVindargast2::Tank1Volume,          &CVindargast2::Tank1PressureLoss,
    &CVindargast2::Tank1ExchangerVolume, &CVindargast2::Tank1Height,
    &CVindargast2::Tank1Diameter,        &CVindargast2::Tank1InsulationThickness};
const TWinZasobnik::TankFields kSecondTank{
    &CVindargast2::Tank2Volume,          &CVindargast2::Tank2PressureLoss,
    &CVindargast2::Tank2ExchangerVolume, &CVindargast2::Tank2Height,
    &CVindargast2::Tank2Diameter,        &CVindargast2::Tank2InsulationThickness};

void TooSmallWarning() {
  platform::MessageBox("Wybrana pojemność zasobnika jest zbyt mała.\nProszę wybrać większą",
                       "Ostrzeżenie", platform::Icon::Warning);
}

}  // namespace

TWinZasobnik::TWinZasobnik(QWidget* parent) : TSelectionWindow(parent) {
  first_ =
      MakePanel(Engine.SelectedTank.get(), Form1->TankCatalogue, 2, {&CZasobnik::StronaProducenta});
  second_ = MakePanel(Engine.SelectedTank2.get(), Form1->TankCatalogue, 2,
                      {&CZasobnik::StronaProducenta});
  PutOffWidgets(ui, [this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinZasobnik::BuildForm() {
  ui.form().setupUi(this);
  PrepareCombo(ui().ComboWyborZasobnika, kInvitation);
  PrepareCombo(ui().ComboWyborZasobnika2, kInvitation);
  first_.Attach(ui().ComboWyborZasobnika, ui().TabelaZasobnika1, ui().Opis2, {ui().StaticText2});
  second_.Attach(ui().ComboWyborZasobnika2, ui().TabelaZasobnika2, ui().Opis1, {ui().StaticText4});
  platform::Connect(ui().ComboWyborZasobnika, &QComboBox::activated, this,
                    &TWinZasobnik::ComboWyborZasobnikaSelect);
  platform::Connect(ui().ComboWyborZasobnika2, &QComboBox::activated, this,
                    &TWinZasobnik::ComboWyborZasobnika2Select);
  ConnectButtons(this);
  ConnectLink(ui().StaticText2, [this] { StaticText2Click(); });
  ConnectLink(ui().StaticText4, [this] { StaticText4Click(); });
}

void TWinZasobnik::StoreTankPrice() {
  Engine.Tank2Price = Engine.LiczbaZasobnikow == 2 ? Engine.SelectedTank2->Cena : 0.0f;
  Engine.CenaZasobnik = Engine.SelectedTank->Cena + Engine.Tank2Price;
}

void TWinZasobnik::FormCreate() {
  ComputeRequiredVolume();
  Later([this, required = RequiredVolume] {
    ShowRequiredVolume(ui().TabelaZasobnika1, required);
    ShowRequiredVolume(ui().TabelaZasobnika2, required);
    for (QTableWidget* grid : {ui().TabelaZasobnika1, ui().TabelaZasobnika2}) {
      SetUpGrid(
          grid, {171, 233},
          {"Producent lub dystrybutor", "Producent-Model", "Rodzaj", "Pojemność Zasobnika",
           "Straty Ciśnienia", "Pojemność wymiennika solarnego", "Maksymalna temperatura wody",
           "Maksymalne Ciśnienie Pracy", "Wysokość Zasobnika", "Średnica Zasobnika",
           "Grubość Izolacji", "Cena netto", "Wymagana pojemność zasobnika"});
    }
    FillCombo(second_);
    ui().ComboWyborZasobnika2->setEditText(kInvitation);
  });

  // With one tank the first tank larger than the required volume; else the row kept.
  int row = Engine.Tank1Index;
  if (Engine.LiczbaZasobnikow == 1) {
    const CatalogueRows& rows = Form1->TankCatalogue.Rows;
    for (int i = 0; i < Rows(first_); ++i) {
      if (size_t(kCapacityColumn) < rows[size_t(i)].size() &&
          ReadFloat(rows[size_t(i)][kCapacityColumn]) > RequiredVolume) {
        row = i;
        break;
      }
    }
  }
  if (!CreatePanel(first_, Engine.Tank1Index, row)) return;
  CopyTank(*Engine.SelectedTank, kFirstTank);
  ShowSummary(false);
}

void TWinZasobnik::ComboWyborZasobnikaSelect() {
  const int row = ui().ComboWyborZasobnika->currentIndex();
  if (row < 0 || row >= Rows(first_)) return;
  Engine.Tank1Index = row;
  ComputeRequiredVolume();
  ShowRequiredVolume(ui().TabelaZasobnika1);
  if (!TakeRow(first_, row)) return;
  if (Engine.SelectedTank->PojemnoscZasobnika < Engine.RequiredTankVolume) TooSmallWarning();
  CopyTank(*Engine.SelectedTank, kFirstTank);
  SetStatusText(QString::fromStdString("Wybrano zasobnik: " + Engine.SelectedTank->Model));
  ShowSummary(false);
  Engine.SetPriceMode = 0;
  Form1->DesignChanged();
  Form1->ClearHydraulics();  // the exchanger's volume and pressure drop
}

void TWinZasobnik::ComboWyborZasobnika2Select() {
  const int row = ui().ComboWyborZasobnika2->currentIndex();
  if (row < 0 || row >= Rows(second_)) return;
  Engine.Tank2Index = row;
  ComputeRequiredVolume();
  if (!TakeRow(second_, row)) return;
  if (Engine.RequiredTankVolume > Engine.SelectedTank->PojemnoscZasobnika ||
      Engine.RequiredTankVolume > Engine.SelectedTank2->PojemnoscZasobnika)
    TooSmallWarning();
  CopyTank(*Engine.SelectedTank2, kSecondTank);
  ShowRequiredVolume(ui().TabelaZasobnika1);
  ShowRequiredVolume(ui().TabelaZasobnika2);
  Engine.SetPriceMode = 0;
  Form1->DesignChanged();
  Form1->ClearHydraulics();  // the exchanger's volume and pressure drop
}

void TWinZasobnik::FormShow() {
  const bool twoTanks = Engine.LiczbaZasobnikow == 2;
  FillCombo(first_);
  FillCombo(second_);
  setMaximumWidth(kTwoTanksWidth);
  resize(twoTanks ? kTwoTanksWidth : kOneTankWidth, height());
  ComputeRequiredVolume();
  ShowRequiredVolume(ui().TabelaZasobnika1);
  if (twoTanks) ShowRequiredVolume(ui().TabelaZasobnika2);
  if (ShowsEngineDevices() && Engine.SelectedTank->ID > 0) {
    ShowEngineDevice(first_);
    if (twoTanks && Engine.SelectedTank2->ID > 0) ShowEngineDevice(second_);
  }
  ShowRequiredVolume(ui().TabelaZasobnika1);
}

void TWinZasobnik::BitBtn1Click() {
  accept();
  ShowSummary(true);
  StoreTankPrice();
}

void TWinZasobnik::BitBtn3Click() {
  ShowEditor(WinAddZasobnik, false);
}

void TWinZasobnik::ComputeRequiredVolume() {
  RequiredVolume = Engine.ComputeRequiredTankVolume();
}

void TWinZasobnik::ShowRequiredVolume(QTableWidget* grid) const {
  ShowRequiredVolume(grid, RequiredVolume);
}

void TWinZasobnik::ShowRequiredVolume(QTableWidget* grid, float required) {
  platform::SetCell(grid, 1, kRequiredVolumeRow, General15(required));
}

void TWinZasobnik::CopyTank(const CZasobnik& tank, const TankFields& fields) {
  Engine.*fields.volume = tank.PojemnoscZasobnika;
  Engine.*fields.pressureLoss = tank.StratyCisnienia;
  Engine.*fields.exchangerVolume = tank.PojemnoscWymiennika;
  Engine.*fields.height = tank.WysokoscZasobnika;
  Engine.*fields.diameter = tank.SrednicaZasobnika;
  Engine.*fields.insulationThickness = tank.GruboscIzolacji;
  StoreTankPrice();
}

void TWinZasobnik::ShowSummary(bool withSecondCapacity) {
  Form1->ui().Label66->setText(QString::fromStdString(Engine.SelectedTank->Model));
  Form1->ui().Label67->setText(
      QString::fromStdString(General15(Engine.SelectedTank->PojemnoscZasobnika)));
  Form1->ui().Label64->setText(withSecondCapacity ? QString::fromStdString(General15(
                                                        Engine.SelectedTank2->PojemnoscZasobnika))
                                                  : QString());
}
