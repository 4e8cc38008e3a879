// The window that downloads the list of device sets from the vendor's web server and a chosen set
// into "Zestawy". Shown modally.
#pragma once

#include <QDialog>
#include <string>

#include "platform/form_ui.h"
#include "ui_pobierz_zestawy.h"

class TWinPobierzZestawy : public QDialog {
 public:
  explicit TWinPobierzZestawy(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinPobierzZestawy> ui;

  // The list line clicked last; kept while the window is closed and shown again.
  std::string SelectedSetName;

  void FormShow();
  void BitBtn1Click();  // "Pokaż zestawy": the server's list of sets
  void ListaZestawowClick();
  void BitBtn2Click();  // "Pobierz zestaw": the set last clicked into "Zestawy"
  void FormClose();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildForm();
};
