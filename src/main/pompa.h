// The circulation pump selection window.
#pragma once

#include "main/selection.h"
#include "platform/form_ui.h"
#include "ui_pompa.h"

class TWinPompa : public TSelectionWindow {
  Q_OBJECT

 public:
  explicit TWinPompa(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinPompa> ui;

  void FormCreate();
  void ComboWyborPompySelect();
  void FormShow() override;
  void StaticText2Click() { OpenLink(ui().StaticText2); }
  // The pump characteristic.
  void StaticText4Click() { OpenLink(ui().StaticText4); }
  void BitBtn1Click();
  void BitBtn2Click() { ShowProducers(); }
  void BitBtn3Click();

 private:
  void BuildForm();
  void CopyIntoEngine();

  DevicePanel panel_;
};
