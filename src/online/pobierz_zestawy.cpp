#include "online/pobierz_zestawy.h"

TWinPobierzZestawy::TWinPobierzZestawy(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  connect(ui.BitBtn3, &QPushButton::clicked, this, &QDialog::close);
}
