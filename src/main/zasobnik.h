// The tank selection window: the design's storage tank, or both tanks when the design has two,
// each checked against the required volume.
#pragma once

#include "engine/vindargast2.h"
#include "main/selection.h"
#include "platform/form_ui.h"
#include "ui_zasobnik.h"

class TWinZasobnik : public TSelectionWindow {
  Q_OBJECT

 public:
  explicit TWinZasobnik(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinZasobnik> ui;
  // The required tank volume (l) the window shows in row 12 of its grids.
  float RequiredVolume = 0;

  // The tank cost item: the first tank's price, plus the second tank's when the design has two;
  // Tank2Price is the second tank's price then, else 0. Called whenever a tank or the number of
  // tanks changes, so the cost never depends on how the window was left.
  static void StoreTankPrice();

  void FormCreate();
  void ComboWyborZasobnikaSelect();
  void ComboWyborZasobnika2Select();
  void FormShow() override;
  void BitBtn1Click();
  void BitBtn2Click() { ShowProducers(); }
  void BitBtn3Click();
  void StaticText2Click() { OpenLink(ui().StaticText2); }
  void StaticText4Click() { OpenLink(ui().StaticText4); }

  // Engine's fields of one of the two tanks.
  struct TankFields {
    float CVindargast2::*volume;
    float CVindargast2::*pressureLoss;
    float CVindargast2::*exchangerVolume;
    float CVindargast2::*height;
    float CVindargast2::*diameter;
    float CVindargast2::*insulationThickness;
  };

  static constexpr int kOneTankWidth = 460;
  static constexpr int kTwoTanksWidth = 933;

 private:
  void BuildForm();
  void ComputeRequiredVolume();
  void ShowRequiredVolume(QTableWidget* grid) const;
  static void ShowRequiredVolume(QTableWidget* grid, float required);
  // What the heat losses, the collector simulation and the fittings read of a tank.
  static void CopyTank(const CZasobnik& tank, const TankFields& fields);
  // The main window's summary of the tanks; the second capacity is shown only with two tanks.
  static void ShowSummary(bool withSecondCapacity);

  DevicePanel first_;
  DevicePanel second_;
};
