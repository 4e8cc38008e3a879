// The set opener: lists the set files of "Zestawy", shows a chosen set, deletes set files and
// loads a set into the design. Shown modeless.
#pragma once

#include <QDialog>
#include <QString>

#include "ui_OpenZestaw.h"
#include "xml/xmldoc.h"

class TWinOpenZestaw : public QDialog {
 public:
  explicit TWinOpenZestaw(QWidget* parent = nullptr);

  Ui::TWinOpenZestaw ui;
  xml::Document XMLZestaw;  // the document a set file is read into

  // The web page and the e-mail address of the set shown last; a click on their texts opens them.
  QString SetWebPage;
  QString SetEmail;
};
