// The solar controller selection window.
#pragma once

#include "main/selection.h"
#include "platform/form_ui.h"
#include "ui_sterownik.h"

class TWinSterownik : public TSelectionWindow {
  Q_OBJECT

 public:
  explicit TWinSterownik(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinSterownik> ui;

  void FormCreate();
  void ComboWyborSterownikaSelect();
  void FormShow() override;
  void StaticText2Click() { OpenLink(ui().StaticText2); }
  void BitBtn1Click();
  void BitBtn2Click() { ShowProducers(); }
  void BitBtn3Click();

 private:
  void BuildForm();
  void CopyIntoEngine();

  DevicePanel panel_;
};
