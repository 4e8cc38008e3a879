// The collector selection window: the collector of the design, its parameters and a chart of its
// efficiency over the temperature difference at the irradiance the user enters.
#pragma once

#include <QImage>

#include "main/selection.h"
#include "platform/form_ui.h"
#include "ui_kolektor.h"

class TWinKolektor : public TSelectionWindow {
  Q_OBJECT

 public:
  explicit TWinKolektor(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinKolektor> ui;

  void FormCreate();
  void ComboWyborKolektoraSelect();
  void FormShow() override;
  void StaticText8Click() { OpenLink(ui().StaticText8); }
  void StaticText6Click() { OpenLink(ui().StaticText6); }
  void StaticText9Click() { OpenLink(ui().StaticText9); }
  void BitBtn1Click() { accept(); }
  void BitBtn2Click() { ShowProducers(); }
  void BitBtn3Click();

  // The chart as last drawn into Image26 (the frame is drawn with the widgets).
  const QImage& Chart() const {
    ui.Build();
    return chart_;
  }

 private:
  void BuildForm();
  // What the design takes from the collector (creation and choice).
  void CopyIntoEngine();
  // Frame, grid and labels; the curve of Engine's collector at the irradiance when given.
  void DrawChart(const float* irradiance);

  DevicePanel panel_;
  QImage chart_;
};
