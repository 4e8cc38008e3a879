// The producers that have an offer in the remote database; a double click shows a producer's
// offer. Shown modally once the data module's connection is open; closing it disconnects.
#pragma once

#include <QDialog>

#include "platform/form_ui.h"
#include "ui_producent.h"

class TWinProducenci : public QDialog {
 public:
  explicit TWinProducenci(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinProducenci> ui;

  void BitBtn1Click();
  void DBGrid1DblClick();
  void FormClose();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void BuildForm();
};
