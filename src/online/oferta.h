// One producer's offer from the remote database: a grid per device kind and the producer's
// contact data, with the spreadsheet export and links to the producer's pages.
#pragma once

#include <QDialog>
#include <cstdint>

#include "ui_oferta.h"

class TWinOferta : public QDialog {
 public:
  explicit TWinOferta(QWidget* parent = nullptr);

  Ui::TWinOferta ui;

  // The producer whose offer is shown; the producer list sets it before showing the window.
  int32_t ProducerId = 0;
};
