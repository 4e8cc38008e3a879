// The pipe-insulation catalogue editor ("Dane/izolacja.xml"), shown modally, with the grid of the
// shown kind's thicknesses and prices per pipe diameter from "Dane/grubosci.xml". A kind and its
// thickness rows are one record to the user: a change writes both files, a delete removes both.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "editors/editor_frame.h"
#include "ui_AddIzolacja.h"

class TWinAddIzolacja : public CatalogueEditor<Ui::TWinAddIzolacja> {
 public:
  explicit TWinAddIzolacja(QWidget* parent = nullptr);

  xml::Document& XMLIzolacja = Document;
  xml::Document XMLGrubosci;  // the thickness file, loaded only while a kind is read or changed

  // The pipe diameters in mm: titles of grid rows 1 to 8 and the texts a thickness record's
  // diameter is matched against.
  static const std::array<const char*, 8> PipeDiameterLabels;

  // 1: every value cell of the grid may be edited (a new kind is entered); 0: only cells that
  // hold text (a shown kind is changed).
  uint8_t FreeEditing = 1;

  void FormCreate();
  void FormShow() override;
  void BitBtn1Click();  // "Dodaj"
  void BitBtn3Click();  // "Zmień"
  void BitBtn4Click();  // "Usuń wybraną izolację"
  void BitBtn5Click();  // "Wyczyść"
  void BitBtn6Click();  // "Dodaj grubości"
  void LstIzolacjaDblClick();
  void GridGrubosciSelectCell(int col, int row);

  // Loads columns 1 to 7 of the kind at the list index into the fields and its thicknesses into
  // the grid.
  void ShowRow(int index) override;
  // Writes the fields over the kind at the list index and, when the grid shows that kind, the
  // grid's cells over its thickness rows; both files or neither.
  void ChangeRow(int index) override;
  // Removes the kind at the list index with all its thickness rows, both or neither; whether the
  // kind was removed.
  bool DeleteRow(int index) override;
  // Lists the replaced file; the grid, which showed a kind's rows of the old thickness file, is
  // emptied and freed.
  void FileReplaced() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
  // Reads the insulation file into the window's document, keeping the bytes read in
  // insulationBytes_ for a write of both files that fails.
  void LoadDocument() override;

 private:
  // Empties the fields, the description and the grid's value cells, and frees the grid.
  void ClearKind();
  // Empties the grid's value cells and frees them for editing.
  void FreeGrid();
  // Reads the thickness file into XMLGrubosci and returns the bytes read.
  std::string LoadThicknesses();
  // The cells of the grid written back over the kind's thickness rows, after the checks that a
  // thickness is a whole number and a price a number; false after a check's warning.
  bool WriteGridBack(const std::string& kindId);

  void ClearGrid();
  // The grid filled with the thickness rows of the kind of that id in XMLGrubosci.
  void FillGrid(const std::string& kindId);
  // Keeps the value cells as the file held them when the kind was shown (or written).
  void RememberShownGrid();

  std::string insulationBytes_;  // the insulation file as the document was last read from it
  // The id of the kind whose thicknesses the grid shows; empty while it shows none. The grid's
  // cells are matched to thickness rows by position, so they belong to this kind alone.
  std::string shownKindId_;
  // The value cells as last shown or written, [row][column] as the grid addresses cells.
  std::array<std::array<QString, 11>, 9> shownGrid_;
};
