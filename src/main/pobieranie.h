// The download progress window. The catalogue update and the program download show it
// modeless and drive its texts, bar and OK button; it has no logic of its own beyond closing,
// which only hides it, so that it keeps what its last driver left.
#pragma once

#include <QDialog>

#include "platform/form_ui.h"
#include "ui_pobieranie.h"

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

  platform::FormUi<Ui::TForm2> ui;

  void BitBtn1Click();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildForm();
};
