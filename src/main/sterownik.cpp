#include "main/sterownik.h"

#include "app/windows.h"
#include "editors/AddSterownik.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"

namespace {
constexpr int kModelColumn = 10;
constexpr int kModelRow = 9;
}  // namespace

TWinSterownik::TWinSterownik(QWidget* parent) : TSelectionWindow(parent) {
  panel_ = MakePanel(Engine.SelectedController.get(), Form1->ControllerCatalogue, kModelColumn,
                     {&CSterownik::StronaProducenta});
  PutOffWidgets(ui, [this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinSterownik::BuildForm() {
  ui.form().setupUi(this);
  PrepareCombo(ui().ComboWyborSterownika, "  --- wybierz sterownik  ----");
  panel_.Attach(ui().ComboWyborSterownika, ui().TabelaSterownikow, ui().Opis, {ui().StaticText2});
  platform::Connect(ui().ComboWyborSterownika, &QComboBox::activated, this,
                    &TWinSterownik::ComboWyborSterownikaSelect);
  ConnectButtons(this);
  // The controller's link keeps the arrow cursor.
  ConnectLink(
      ui().StaticText2, [this] { StaticText2Click(); }, false);
}

void TWinSterownik::FormCreate() {
  Later([this] {
    SetUpGrid(ui().TabelaSterownikow, {176, 172},
              {"Producent lub dystrybutor", "Liczba zasobników", "Zastosowanie CWUCO",
               "Programowalny próg temperatury", "Ochrona przed przegrzaniem",
               "Liczba czujników temperatury", "Liczba Obiegów", "Liczba wyjść",
               "Czujnik temperatury", "Producent-Model", "Cena netto"});
  });
  if (CreatePanel(panel_, Engine.ControllerIndex)) CopyIntoEngine();
}

void TWinSterownik::ComboWyborSterownikaSelect() {
  if (!ChoosePanel(panel_, Engine.ControllerIndex)) return;
  CopyIntoEngine();
  SetStatusText(QString::fromStdString(
      "Wybrano Sterownik solarny: " +
      Form1->ControllerCatalogue.Rows[size_t(Engine.ControllerIndex)][kModelColumn]));
}

void TWinSterownik::FormShow() {
  ShowPanel(panel_, Engine.SelectedController->ID > 0);
}

void TWinSterownik::BitBtn1Click() {
  accept();
  // The model as the grid shows it.
  Form1->ui().Label70->setText(platform::Cell(ui().TabelaSterownikow, 1, kModelRow));
}

void TWinSterownik::BitBtn3Click() {
  ShowEditor(WinAddSterownik, false);
}

void TWinSterownik::CopyIntoEngine() {
  Engine.CenaSterownik = Engine.SelectedController->Cena;
  Form1->ui().Label70->setText(QString::fromStdString(Engine.SelectedController->Model));
}
