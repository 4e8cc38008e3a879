#include "report/raport.h"

#include "platform/guard.h"

TWinRaport::TWinRaport(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  platform::Connect(ui.BitBtn2, &QPushButton::clicked, this, &TWinRaport::BitBtn2Click);
}

void TWinRaport::BitBtn2Click() {
  close();
}
