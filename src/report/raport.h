// The report options window: the texts of the report's page header, whether the project file
// remembers each of them, and the choice of chapters; "Zapisz Raport" builds the PDF report of
// the computed design and saves it where the user says.
#pragma once

#include <QDialog>
#include <QString>

#include "platform/form_ui.h"
#include "ui_raport.h"

struct PaybackTexts;

class TWinRaport : public QDialog {
  Q_OBJECT

 public:
  explicit TWinRaport(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinRaport> ui;

  void BitGenerujClick();  // "Zapisz Raport"
  void BitBtn2Click();     // "&Zamknij"

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

  // The logo printed in every page's header: "Grafika/logowydruk.jpg" of the program's folder.
  QString LogoFile;

 private:
  void BuildForm();
};

// The texts of the cost window and the ecological calculator as they stand now (empty for a
// window that does not exist).
PaybackTexts CurrentPaybackTexts();
