// The fittings window: counts and prices of the fittings, the pipes, the collectors' connection,
// and the hydraulic results of "PRZELICZ" (pressure drop, pump head and flow, water volumes,
// expansion vessel). It holds no data of its own: everything lives in Engine and its fittings
// record Engine.Armatura.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "engine/vindargast2.h"
#include "platform/form_ui.h"
#include "platform/put_off_steps.h"
#include "ui_Armatura.h"

class QLineEdit;

class TWinArmatura : public QDialog {
  Q_OBJECT

 public:
  explicit TWinArmatura(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinArmatura> ui;

  void FormCreate();
  void FormShow();
  void BitBtn1Click();  // "PRZELICZ"
  void BitBtn2Click();  // "Pompa obiegowa"
  void BitBtn3Click();  // "Naczynie wzbiorcze"
  void BitBtn4Click();  // "OK"
  void RSeriesClick();
  void RPararellClick();
  void RadioMixedClick();
  void EKolRownChange();
  void EKolSzeregChange();
  void EJednostkoweNatezenieChange();
  void EJednostkoweNatezenieExit();
  void EJednostkoweCisnienieChange();
  void EJednostkoweCisnienieExit();
  // The hydraulic figures the design holds: the record's after a "PRZELICZ" for this design,
  // else none.
  void ShowHydraulics();
  // The fittings cost item as the sum shown, while it is the sum of the counts, prices and pipes
  // on screen; else no sum.
  void ShowFittingsSum();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One fitting kind: its count and price edits and the record's fields they store into.
  struct FittingKind {
    QLineEdit* count;
    QLineEdit* price;
    int32_t CFittings::*countField;
    float CFittings::*priceField;
  };
  std::array<FittingKind, 6> Kinds() const;
  // The counts, prices, price per metre and pipe length on screen into a, as "PRZELICZ" reads
  // them: a kind without both its count and its price counts none.
  void ReadPricedInputs(CFittings& a) const;

  void ShowFieldValues();
  // The check of a unit value typed or left: stores and shows it, or warns and takes the focus.
  void CheckUnitValue(QLineEdit* edit, float CVindargast2::*field, QLineEdit* result,
                      float (CVindargast2::*fieldValue)() const);
  // Selects the radio of the connection type; a radio selected from code runs its handler.
  void SelectConnection(int32_t type);
  void ConnectHandlers();
  void BuildForm();

  platform::PutOffSteps widgetSteps_;
};
