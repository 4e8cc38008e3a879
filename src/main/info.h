// The about window: product name, the running program's version, the vendor's and the partner's
// web sites and the support address. Shown modally from the main menu; closed by its own button.
#pragma once

#include <QDialog>

#include "platform/form_ui.h"
#include "ui_info.h"

class TWinInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TWinInfo(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinInfo> ui;

  void FormCreate();
  void StaticText6Click();
  void Label2Click();
  void Label7Click();
  void Label1Click();
  void BitBtn1Click();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
};
