// The report options window: the texts of the report's page header, whether the project file
// remembers each of them, and the choice of chapters.
#pragma once

#include <QDialog>

#include "ui_raport.h"

class TWinRaport : public QDialog {
  Q_OBJECT

 public:
  explicit TWinRaport(QWidget* parent = nullptr);

  Ui::TWinRaport ui;

  void BitBtn2Click();  // "&Zamknij"
};
