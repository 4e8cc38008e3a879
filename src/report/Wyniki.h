// The results window: a computed design at a glance. It computes nothing: the main window's
// results command writes the design data, the energy summary and the monthly table into it, the
// cost window and the ecological calculator write their results whenever they run.
#pragma once

#include <QDialog>

#include "platform/form_ui.h"
#include "ui_Wyniki.h"

class TWinWyniki : public QDialog {
  Q_OBJECT

 public:
  explicit TWinWyniki(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinWyniki> ui;

  void FormCreate();
  void BitBtn1Click();  // "Generuj raport "
  void BitBtn2Click();  // "Zamknij okno"
  void BitBtn3Click();  // "Wykres"

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  // A white page, as a printed chart or table would be.
  void paintEvent(QPaintEvent* event) override;

 public:
  // Back to what the window showed before a first compute, when the design is replaced.
  void ClearResults();
  // "b/d" for every yearly reduction of a pollutant: none is computed for the design.
  void ClearReductions();

 private:
  void BuildForm();
};
