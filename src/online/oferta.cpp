#include "online/oferta.h"

TWinOferta::TWinOferta(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
}
