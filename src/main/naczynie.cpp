#include "main/naczynie.h"

#include "app/windows.h"
#include "editors/AddNaczynie.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/guard.h"

TWinNaczynie::TWinNaczynie(QWidget* parent) : TSelectionWindow(parent) {
  panel_ = MakePanel(Engine.SelectedVessel.get(), Form1->VesselCatalogue, 2,
                     {&CNaczynie::StronaProducenta});
  PutOffWidgets(ui, [this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinNaczynie::BuildForm() {
  ui.form().setupUi(this);
  PrepareCombo(ui().ComboWyborNaczynia, "         --- wybierz naczynie ----");
  panel_.Attach(ui().ComboWyborNaczynia, ui().TabelaNaczyn, ui().Opis, {ui().StaticText2});
  platform::Connect(ui().ComboWyborNaczynia, &QComboBox::activated, this,
                    &TWinNaczynie::ComboWyborNaczyniaSelect);
  ConnectButtons(this);
  ConnectLink(ui().StaticText2, [this] { StaticText2Click(); });
}

void TWinNaczynie::FormCreate() {
  Later([this] {
    SetUpGrid(ui().TabelaNaczyn, {166, 204},
              {"Producent lub dystrybutor", "Producent-Model", "Dopuszczalna temperatura pracy",
               "Dopuszczalne ciśnienie pracy", "Ciśnienie wstępne", "Pojemność", "Cena netto"});
  });
  if (CreatePanel(panel_, Engine.VesselIndex)) CopyIntoEngine();
}

void TWinNaczynie::ComboWyborNaczyniaSelect() {
  if (!ChoosePanel(panel_, Engine.VesselIndex)) return;
  CopyIntoEngine();
  SetStatusText(QString::fromStdString("Wybrano Naczynie: " + Engine.SelectedVessel->Model));
}

void TWinNaczynie::FormShow() {
  // A vessel of a project is shown whatever the sign of its id.
  ShowPanel(panel_, Engine.SelectedVessel->ID != 0);
}

void TWinNaczynie::BitBtn3Click() {
  ShowEditor(WinAddNaczynie, false);
}

void TWinNaczynie::CopyIntoEngine() {
  const CNaczynie& vessel = *Engine.SelectedVessel;
  Engine.CenaNaczynie = vessel.Cena;
  Form1->ui().Label73->setText(QString::fromStdString(vessel.Model));
  Form1->ui().Label75->setText(QString::fromStdString(General15(vessel.Pojemnosc)));
}
