#include "online/OpenZestaw.h"

TWinOpenZestaw::TWinOpenZestaw(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  connect(ui.BitBtn3, &QPushButton::clicked, this, &QDialog::close);
}
