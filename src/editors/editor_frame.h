// The frame the nine row editors of the catalogues share: the editor's own XML document of its
// catalogue file, the list of one column of every record (vendor records grey italic), the
// producer combo filled from the main window's producer lists, and the description counter.
// Each editor states only its parameters and what it does beyond the frame.
#pragma once

#include <QDialog>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "xml/xmldoc.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QWidget;

// The main window's catalogue tables, which every editor keeps equal to its file.
CCatalogues& MainCatalogues();

// Prepares a string grid whose row 0 and column 0 hold titles: no headers and no scroll bars, an
// item in every cell so that the (column, row) helpers reach each one, the title cells read-only,
// and the cells painted as the editors' grids are drawn (odd rows light blue, the texts centred;
// the first headingRows rows word-wrapped).
void PrepareTitledGrid(QTableWidget* grid, int defaultColumnWidth, int defaultRowHeight,
                       int headingRows);

// Sizes the grid to show all its cells at their widths and heights, without scrolling.
void FitGridToCells(QTableWidget* grid);

// Characters a description may hold; the counter beside it shows how many are left.
inline constexpr int kDescriptionLength = 255;

class CatalogueEditorFrame : public QDialog {
 public:
  struct Parameters {
    const char* fileName;                 // relative to the working folder
    CCatalogueTable CCatalogues::*table;  // the main window's table of the same file
    int listColumn;                       // the column the list shows
    int flagColumn;                       // origin flag: "1" vendor record, "0" the user's
  };

  // One column of the row and the control that shows it: a line edit, a combo box (its text), the
  // description memo or one cell (cellColumn, cellRow) of a grid. An optional field is written as
  // "brak" when empty.
  struct Field {
    int column;
    QWidget* control;
    bool required;
    int cellColumn = 0;
    int cellRow = 0;
  };

  const Parameters& Frame() const { return parameters_; }

  // The commands. Each works on the file as it is now: the document is read again first, so a
  // catalogue replaced meanwhile is never overwritten by an outdated copy.
  void AddRow();
  void ChangeSelected();
  void DeleteSelected();
  // Operations on one row (list index): DeleteRow returns whether a row was removed.
  bool DeleteRow(int index);
  void ChangeRow(int index);
  void ShowRow(int index);
  void ClearFields();
  void ProducerSelected(int index);

  // The editor's own copy of the catalogue file, held only while a command changes a record:
  // between commands the editor keeps only what it lists. Record element i, list entry i and row
  // i of the main window's table are the same record, since all three follow the file order.
  xml::Document Document;
  xml::Element Root;
  std::vector<xml::Element> RowNodes;
  CatalogueListing Listing;            // what the list shows, as last read from the file
  std::vector<std::string> RowBuffer;  // the values of the row being added or changed

 protected:
  CatalogueEditorFrame(QWidget* parent, const Parameters& parameters);

  // The frame's controls; producers and counter may be null (editors without them). Connects the
  // description to its counter.
  void BindFrame(QListWidget* list, QComboBox* producers, QPlainTextEdit* description,
                 QLabel* counter);

  // The frame's creation: loads the document and, when the main window's table was loaded, lists
  // the records and fills the producer combo; the description starts empty.
  void CreateFrame();

  // Fields numbered from column 1 in the order given: the required ones, then the optional ones.
  static std::vector<Field> InColumnOrder(std::initializer_list<QWidget*> required,
                                          std::initializer_list<QWidget*> optional);
  // The row's fields in column order (columns 1 to the flag column - 1), the controls "Wyczyść"
  // empties, and the edits that take only decimal keys.
  void BindFields(std::vector<Field> fields, std::vector<QWidget*> clearedControls,
                  std::vector<QLineEdit*> numericEdits);
  // The web-page and description controls a producer choice fills (null: no producer choice).
  void BindProducerTargets(QLineEdit* webPage, QPlainTextEdit* description);
  // Connects the frame's buttons to the commands (any may be null).
  void BindButtons(QPushButton* add, QPushButton* change, QPushButton* remove, QPushButton* clear);

  // Whether a listed text names the record the design uses, which cannot be deleted.
  virtual bool InUse(const std::string& /*listed*/) const { return false; }
  // Whether the catalogue is one of the seven device catalogues: counted in DeviceCount, and
  // its changes set the design's catalogues-changed flag.
  virtual bool CountsAsDevice() const { return true; }
  virtual QString VendorDeleteText() const;
  virtual QString VendorChangeText() const;
  virtual QString InUseText() const;
  virtual QString DeleteQuestion() const;
  // Runs once the main window's table follows a changed file (an added row, or a deleted or
  // changed one), for what is derived from the table.
  virtual void TableChanged(bool /*rowAdded*/) {}
  // Checks of the fields' values before writing; false stops the add or change after the check's
  // own message.
  virtual bool ValuesValid() { return true; }

  // Each opening runs the editor's FormShow under the handler guard.
  void showEvent(QShowEvent* event) override;
  virtual void FormShow() {}
  // The warning box of a field check ("Ostrzeżenie", exclamation icon); the text is UTF-8.
  static void WarnField(const char* text);

  void LoadDocument();
  // Frees the document's tree once a command is done with it.
  void ReleaseDocument();
  // Reads the listed column and the origin flags of the file's records into Listing.
  void ReadListing();
  bool TableLoaded() const;
  void FillList();
  // The producer names, item 1 of each producer list; the combo's own text stays as it was.
  void FillProducerCombo();
  void SetCounter(int charactersLeft);
  void OpisChange();

 private:
  bool IsVendorRow(int row) const;
  bool CollectFields();
  void ReloadTable();
  void SaveDocument();
  QString FileBaseName() const;

  std::vector<Field> fields_;
  std::vector<QWidget*> cleared_;
  QLineEdit* producerWebPage_ = nullptr;
  QPlainTextEdit* producerDescription_ = nullptr;

  Parameters parameters_;
  QListWidget* list_ = nullptr;
  QComboBox* producers_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QLabel* counter_ = nullptr;
};
