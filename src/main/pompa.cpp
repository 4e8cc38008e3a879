#include "main/pompa.h"

#include "app/windows.h"
#include "editors/AddPompa.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/guard.h"

TWinPompa::TWinPompa(QWidget* parent) : TSelectionWindow(parent) {
  panel_ = MakePanel(Engine.SelectedPump.get(), Form1->PumpCatalogue, 2,
                     {&CPompaObiegowa::StronaProducenta, &CPompaObiegowa::Certyfikat});
  PutOffWidgets(ui, [this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinPompa::BuildForm() {
  ui.form().setupUi(this);
  PrepareCombo(ui().ComboWyborPompy, "     ---- wybierz pompę ----");
  panel_.Attach(ui().ComboWyborPompy, ui().TabelaPomp, ui().Opis,
                {ui().StaticText2, ui().StaticText4});
  platform::Connect(ui().ComboWyborPompy, &QComboBox::activated, this,
                    &TWinPompa::ComboWyborPompySelect);
  ConnectButtons(this);
  ConnectLink(ui().StaticText2, [this] { StaticText2Click(); });
  ConnectLink(ui().StaticText4, [this] { StaticText4Click(); });
}

void TWinPompa::FormCreate() {
  Later([this] {
    SetUpGrid(ui().TabelaPomp, {184, 196},
              {"Producent lub dystrybutor", "Producent-Model", "Maksymalna wysokość podnoszenia",
               "Liczba zaworów odcinających", "Ciśnienie reakcji zaworu", "Maksymalna wydajność",
               "Cena netto"});
  });
  if (CreatePanel(panel_, Engine.PumpIndex)) CopyIntoEngine();
}

void TWinPompa::ComboWyborPompySelect() {
  if (!ChoosePanel(panel_, Engine.PumpIndex)) return;
  CopyIntoEngine();
  SetStatusText(QString::fromStdString("Wybrano Pompę obiegową: " + Engine.SelectedPump->Model));
}

void TWinPompa::FormShow() {
  ShowPanel(panel_, Engine.SelectedPump->ID > 0);
}

void TWinPompa::BitBtn1Click() {
  accept();
  Form1->ui().Label77->setText(QString::fromStdString(Engine.SelectedPump->Model));
}

void TWinPompa::BitBtn3Click() {
  ShowEditor(WinAddPompa, true);
}

void TWinPompa::CopyIntoEngine() {
  Engine.CenaPompa = Engine.SelectedPump->Cena;
  Form1->ui().Label77->setText(QString::fromStdString(Engine.SelectedPump->Model));
}
