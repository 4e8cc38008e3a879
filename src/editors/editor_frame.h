// The frame the nine row editors of the catalogues share: the editor's own XML document of its
// catalogue file, the list of one column of every record (vendor records grey italic), the
// producer combo filled from the main window's producer lists, and the description counter.
// Each editor states only its parameters and what it does beyond the frame. None is seen at
// start, so each builds its widgets at its first use (CatalogueEditor below).
#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "platform/form_ui.h"
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

  // A column the program reads as a number (a device object, the location window): its text
  // must read as one before a row is stored, or the catalogue could no longer be used. The label
  // names the field in the warning.
  struct NumericColumn {
    int column;
    bool integer;
    QString label;
  };

  const Parameters& Frame() const { return parameters_; }

  // The widgets, built now if they were put off: their building lists the file and the producers
  // as they are then.
  virtual void BuildWidgets() = 0;
  virtual bool WidgetsBuilt() const = 0;
  // The widgets are built before every showing (show(), exec(), open()).
  void setVisible(bool visible) override;

  // The commands. Each works on the file as it is now: the document is read again first, so a
  // catalogue replaced meanwhile is never overwritten by an outdated copy. Each, and each of the
  // operations below, builds the widgets first when called before the first showing.
  void AddRow();
  void ChangeSelected();
  void DeleteSelected();
  // Reads the file again and lists it afresh, after something other than this editor replaced
  // it (the catalogue update). An editor not built yet is left so: its building reads the file.
  virtual void FileReplaced();
  // Operations on the record a list entry shows (list index), found by its id in the file as it
  // is now; a record that is no longer there is reported and nothing is written. DeleteRow
  // returns whether a row was removed. An editor whose record spans more than its row (the
  // insulation editor) does more in its own.
  // After a delete the fields show no record that is gone: those of the deleted record are
  // emptied, and a record they still show is selected again, so that "Zmień" acts on what is
  // shown.
  virtual bool DeleteRow(int index);
  virtual void ChangeRow(int index);
  virtual void ShowRow(int index);
  void ClearFields();
  // The producer of the combo's entry `index`, found by name: its web page and description.
  void ProducerSelected(int index);
  // Refills the producer combo from the producer lists, keeping its text: the producer editor
  // calls it after every change of the producers. An editor not built yet is left so: its
  // building fills the combo from the lists as they are then.
  void ProducersChanged() {
    if (WidgetsBuilt()) FillProducerCombo();
  }

  // The editor's own copy of the catalogue file, held only while a command runs: between
  // commands the editor keeps only its list. Record element i, list entry i and row i of the
  // main window's table are the same record, since all three follow the file order.
  xml::Document Document;
  xml::Element Root;
  std::vector<xml::Element> RowNodes;
  std::vector<std::string> RowBuffer;  // the values of the row being added or changed

 protected:
  CatalogueEditorFrame(QWidget* parent, const Parameters& parameters);

  // Empties the row buffer however a command ends, so that the next one starts from nothing.
  struct BufferReset {
    std::vector<std::string>& buffer;
    ~BufferReset() { buffer.clear(); }
  };
  // Frees the document's tree however a command ends: a catalogue at scale is many megabytes of
  // tree, and every editor is made at start-up.
  struct DocumentRelease {
    CatalogueEditorFrame& frame;
    ~DocumentRelease() { frame.ReleaseDocument(); }
  };

  // The editor's widgets and what binds them to the frame, run at their first use: starts with
  // the form's setupUi and ends with the editor's FormCreate.
  virtual void BuildForm() = 0;

  // The frame's controls; producers and counter may be null (editors without them). Connects the
  // description to its counter.
  void BindFrame(QListWidget* list, QComboBox* producers, QPlainTextEdit* description,
                 QLabel* counter);

  // The frame's part of building the widgets: reads the file and, when the main window's table
  // was loaded, lists the records and fills the producer combo; the description starts empty.
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
  // The columns whose texts must read as numbers before a row is stored.
  void BindNumericColumns(std::vector<NumericColumn> columns);
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
  static void WarnField(const QString& text);

  // Reads the catalogue file into the document and takes RowNodes afresh.
  virtual void LoadDocument();
  // Drops the document's tree and RowNodes; the file name stays.
  void ReleaseDocument();
  bool TableLoaded() const;
  // Lists the records of RowNodes.
  void FillList();
  // The file's list entries read in one pass, without a tree; names the document after the file.
  CatalogueListing ReadListing();
  // Lists the entries of a one-pass reading; its error, if any, is thrown once its records are in.
  void FillList(const CatalogueListing& listing);
  // The producer names, item 1 of each producer list; the combo's own text stays as it was.
  void FillProducerCombo();
  void SetCounter(int charactersLeft);
  void OpisChange();

  // Appends the fields' texts to RowBuffer ("brak" for an empty optional one); false after the
  // warning of a missing required field.
  bool CollectFields();
  // Whether every numeric column reads as a number; warns about the first that does not.
  bool NumbersValid();
  // Reads the file again and returns the row of the record list entry `index` shows (its id;
  // the same place first), or -1 after reporting that the record is gone. A file rewritten
  // meanwhile is listed afresh, the found record selected.
  int FindListedRecord(int index);
  // The first steps of a change: the listed record found again, not a vendor's, the fields
  // collected into RowBuffer and checked. Its row, or -1 after the refusal's message.
  int ChangeableRecord(int index);
  // The first steps of a delete: the question answered Yes, the listed record found again, not a
  // vendor's. Its row, or -1 (after the refusal's message).
  int DeletableRecord(int index);
  // The row of RowNodes that list entry `index` stands for, by its id, without reading the file;
  // -1 when none.
  int ListedRow(int index) const;
  // Puts the record's fields into their controls; false when the row is none or a field is
  // missing (the fields filled so far keep their texts).
  bool ShowRecord(int row);
  // The warning that the catalogue file could not be read into the window ("UWAGA").
  void ReportUnreadable() const;
  void SelectListedId(const std::string& id);
  // The main window's table read again from the file.
  void ReloadTable();
  QString FileBaseName() const;
  // The fields no longer hold a record's texts (an opening emptied them).
  void ForgetShownRecord() { shownId_.clear(); }

 private:
  bool IsVendorRow(int row) const;
  void AddListItem(const std::string& text, const std::string& id, bool vendor);
  // Whether the list holds the document's records, entry for record, with their ids and texts.
  bool ListShowsDocument() const;
  std::string ListedId(int index) const;
  void SaveDocument();
  // Empties the fields of the record they show; a choice among fixed answers (Tak/Nie) keeps its
  // answer, as "Wyczyść" leaves it.
  void EmptyShownRecord();

  std::vector<Field> fields_;
  std::vector<NumericColumn> numeric_;
  std::vector<QWidget*> cleared_;
  QLineEdit* producerWebPage_ = nullptr;
  QPlainTextEdit* producerDescription_ = nullptr;
  // The id of the record whose texts the fields hold (shown, added or changed); empty while
  // they hold none.
  std::string shownId_;

  Parameters parameters_;
  QListWidget* list_ = nullptr;
  QComboBox* producers_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QLabel* counter_ = nullptr;
};

// An editor whose widgets, those of Form, wait for their first use: the start makes the window
// without them.
template <class Form>
class CatalogueEditor : public CatalogueEditorFrame {
 public:
  platform::FormUi<Form> ui;

  void BuildWidgets() override { ui.Build(); }
  bool WidgetsBuilt() const override { return ui.Built(); }

 protected:
  CatalogueEditor(QWidget* parent, const Parameters& parameters)
      : CatalogueEditorFrame(parent, parameters) {
    ui.Defer([this] { BuildForm(); });
  }
};
