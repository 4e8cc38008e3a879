// The window that adds a row to the insulation-thickness catalogue ("Dane/grubosci.xml") or gives
// an existing row a new price; opened modally by the insulation editor.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_ui.h"
#include "ui_grubosci.h"
#include "xml/xmldoc.h"

class TWinGrubosci : public QDialog {
 public:
  explicit TWinGrubosci(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinGrubosci> ui;
  xml::Document XMLGrubosc;
  std::vector<std::string> RowBuffer;   // the six values of the row being added
  std::vector<std::string> FieldNames;  // the field names of a thickness row, in column order

  void FormCreate();
  void FormShow();
  void btbDodajClick();
  // Lists the kinds afresh after the catalogue update replaced the insulation file, and drops the
  // choice: a kind's id may now stand for another kind. A window not built yet is left so: its
  // building lists the kinds as they are then.
  void FileReplaced() {
    if (ui.Built()) FormShow();
  }

  // Appends the row held in RowBuffer to the document's file.
  void AppendRow(xml::Document& document);
  // Gives the record at the index of the document's file the price.
  void UpdateRowPrice(xml::Document& document, int index, const std::string& price);

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildForm();
  // One item per row of the insulation table, carrying the kind's id.
  void FillKinds();
  // The id (column 0) of the kind the combo names, none when its text names no listed kind.
  std::optional<std::string> ChosenKind() const;
};
