// The expansion vessel selection window.
#pragma once

#include "main/selection.h"
#include "platform/form_ui.h"
#include "ui_naczynie.h"

class TWinNaczynie : public TSelectionWindow {
  Q_OBJECT

 public:
  explicit TWinNaczynie(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinNaczynie> ui;

  void FormCreate();
  void ComboWyborNaczyniaSelect();
  void FormShow() override;
  void StaticText2Click() { OpenLink(ui().StaticText2); }
  void BitBtn1Click() { accept(); }
  void BitBtn2Click() { ShowProducers(); }
  void BitBtn3Click();

 private:
  void BuildForm();
  void CopyIntoEngine();

  DevicePanel panel_;
};
