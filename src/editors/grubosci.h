// The window that adds a row to the insulation-thickness catalogue ("Dane/grubosci.xml") or gives
// an existing row a new price; opened modally by the insulation editor.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "ui_grubosci.h"
#include "xml/xmldoc.h"

class TWinGrubosci : public QDialog {
 public:
  explicit TWinGrubosci(QWidget* parent = nullptr);

  Ui::TWinGrubosci ui;
  xml::Document XMLGrubosc;
  std::vector<std::string> RowBuffer;   // the six values of the row being added
  std::vector<std::string> FieldNames;  // the field names of a thickness row, in column order

  void FormCreate();
};
