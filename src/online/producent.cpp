#include "online/producent.h"

TWinProducenci::TWinProducenci(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
}
