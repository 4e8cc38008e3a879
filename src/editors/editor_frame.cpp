#include "editors/editor_frame.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdint>
#include <filesystem>

#include "app/windows.h"
#include "economics/edit_filters.h"
#include "editors/number_fields.h"
#include "editors/record_ids.h"
#include "engine/numtext.h"
#include "engine/producer_lookup.h"
#include "engine/vindargast2.h"
#include "main/gridcell.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"

namespace {
// The list entries' data role that holds their record's id.
constexpr int kIdRole = Qt::UserRole;
}  // namespace

CCatalogues& MainCatalogues() {
  return *Form1;
}

void PrepareTitledGrid(QTableWidget* grid, int defaultColumnWidth, int defaultRowHeight,
                       int headingRows) {
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setDefaultSectionSize(defaultColumnWidth);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(defaultRowHeight);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < grid->rowCount(); ++row) {
    for (int col = 0; col < grid->columnCount(); ++col) {
      auto* item = new QTableWidgetItem();
      if (row == 0 || col == 0) item->setFlags(Qt::ItemIsEnabled);
      grid->setItem(row, col, item);
    }
  }
  // The title cells keep the colour of fixed cells except in the odd rows, which are light blue
  // across the whole row.
  const QColor fixed = grid->palette().color(QPalette::Button);
  PaintCells(
      grid,
      [fixed](int col, int row) {
        if (row % 2 == 1) return kLightBlue;
        return row == 0 || col == 0 ? fixed : QColor();
      },
      headingRows);
}

void FitGridToCells(QTableWidget* grid) {
  int width = 2 * grid->frameWidth();
  for (int col = 0; col < grid->columnCount(); ++col) width += grid->columnWidth(col);
  int height = 2 * grid->frameWidth();
  for (int row = 0; row < grid->rowCount(); ++row) height += grid->rowHeight(row);
  grid->setFixedSize(width, height);
}

// The document is named after the file at once: the file is read only when the widgets are built.
CatalogueEditorFrame::CatalogueEditorFrame(QWidget* parent, const Parameters& parameters)
    : QDialog(parent), parameters_(parameters) {
  Document.SetFileName(parameters_.fileName);
}

void CatalogueEditorFrame::setVisible(bool visible) {
  if (visible) BuildWidgets();
  QDialog::setVisible(visible);
}

void CatalogueEditorFrame::BindFrame(QListWidget* list, QComboBox* producers,
                                     QPlainTextEdit* description, QLabel* counter) {
  list_ = list;
  producers_ = producers;
  description_ = description;
  counter_ = counter;
  if (counter_ && description_) {
    connect(description_, &QPlainTextEdit::textChanged, this, [this] { OpisChange(); });
  }
}

// Listed from a one-pass reading: no tree of the file is built while the window is made.
void CatalogueEditorFrame::CreateFrame() {
  const CatalogueListing listing = ReadListing();
  if (TableLoaded()) {
    FillList(listing);
    FillProducerCombo();
  }
  if (description_) description_->clear();
}

void CatalogueEditorFrame::LoadDocument() {
  Document.LoadFile(parameters_.fileName);
  Root = Document.DocumentElement();
  RowNodes = Root.Children();
}

void CatalogueEditorFrame::ReleaseDocument() {
  RowNodes.clear();
  Root = xml::Element();
  Document.Close();
}

void CatalogueEditorFrame::FileReplaced() {
  if (!WidgetsBuilt()) return;
  const DocumentRelease release{*this};
  LoadDocument();
  if (list_ && TableLoaded()) FillList();
  FillProducerCombo();
  // An id of the old file may stand for another record in the new one.
  ForgetShownRecord();
}

bool CatalogueEditorFrame::TableLoaded() const {
  return !(MainCatalogues().*parameters_.table).Rows.empty();
}

bool CatalogueEditorFrame::IsVendorRow(int row) const {
  const xml::Element& node = RowNodes[row];
  if (node.ChildCount() <= parameters_.flagColumn) return false;
  try {
    return ReadInt(node.Child(parameters_.flagColumn).Text()) == 1;
  } catch (const NumberConversionError&) {
    return false;  // a flag that is no number draws the record as the user's
  }
}

// Each entry keeps its record's id, by which a change or a delete finds the record again.
void CatalogueEditorFrame::AddListItem(const std::string& text, const std::string& id,
                                       bool vendor) {
  auto* item = new QListWidgetItem(QString::fromStdString(text));
  item->setData(kIdRole, QString::fromStdString(id));
  if (vendor) {
    item->setForeground(QColor(128, 128, 128));
    QFont font = list_->font();
    font.setItalic(true);
    item->setFont(font);
  }
  list_->addItem(item);
}

void CatalogueEditorFrame::FillList() {
  list_->clear();
  for (int row = 0; row < static_cast<int>(RowNodes.size()); ++row)
    AddListItem(RowNodes[row].Child(parameters_.listColumn).Text(), RowNodes[row].Child(0).Text(),
                IsVendorRow(row));
}

CatalogueListing CatalogueEditorFrame::ReadListing() {
  Document.SetFileName(parameters_.fileName);
  return ReadCatalogueListing(parameters_.fileName, parameters_.listColumn, parameters_.flagColumn);
}

void CatalogueEditorFrame::FillList(const CatalogueListing& listing) {
  list_->clear();
  for (size_t row = 0; row < listing.texts.size(); ++row)
    AddListItem(listing.texts[row], listing.ids[row], listing.vendor[row]);
  // A record without the listed column ends the list there, as a listing from the tree would.
  if (listing.error) throw xml::Error(*listing.error);
}

void CatalogueEditorFrame::FillProducerCombo() {
  if (!producers_) return;
  const CCatalogues& catalogues = MainCatalogues();
  const QString text = producers_->currentText();
  producers_->clear();
  const int count = std::min<int>(catalogues.ProducerCatalogue.RowCount,
                                  static_cast<int>(catalogues.ProducerLists.size()));
  for (int j = 0; j < count; ++j) {
    const auto& producer = catalogues.ProducerLists[j];
    producers_->addItem(QString::fromStdString(producer.size() > 1 ? producer[1] : ""));
  }
  producers_->setCurrentIndex(-1);
  if (producers_->isEditable()) producers_->setEditText(text);
}

void CatalogueEditorFrame::SetCounter(int charactersLeft) {
  if (counter_) counter_->setText(QString::fromStdString(General15(charactersLeft)));
}

void CatalogueEditorFrame::OpisChange() {
  SetCounter(kDescriptionLength - description_->toPlainText().length());
}

// ---------------------------------------------------------------- the commands

namespace {

const char* const kMissingFields =
    "Nie wypełniono wszystkich pól.\nProszę uzupełnić brakujące pola";

QString ControlText(const CatalogueEditorFrame::Field& field) {
  const QWidget* control = field.control;
  if (auto* grid = qobject_cast<const QTableWidget*>(control))
    return platform::Cell(grid, field.cellColumn, field.cellRow);
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) return memo->toPlainText();
  return {};
}

void SetControlText(const CatalogueEditorFrame::Field& field, const QString& text) {
  QWidget* control = field.control;
  if (auto* grid = qobject_cast<QTableWidget*>(control)) {
    platform::SetCell(grid, field.cellColumn, field.cellRow, text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (combo->isEditable()) {
      combo->setEditText(text);
    } else {
      combo->setCurrentText(text);
    }
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
    memo->setPlainText(text);
  }
}

}  // namespace

std::vector<CatalogueEditorFrame::Field> CatalogueEditorFrame::InColumnOrder(
    std::initializer_list<QWidget*> required, std::initializer_list<QWidget*> optional) {
  std::vector<Field> fields;
  for (QWidget* control : required) fields.push_back({int(fields.size()) + 1, control, true});
  for (QWidget* control : optional) fields.push_back({int(fields.size()) + 1, control, false});
  return fields;
}

void CatalogueEditorFrame::BindFields(std::vector<Field> fields,
                                      std::vector<QWidget*> clearedControls,
                                      std::vector<QLineEdit*> numericEdits) {
  fields_ = std::move(fields);
  cleared_ = std::move(clearedControls);
  for (QLineEdit* edit : numericEdits)
    economics::InstallKeyFilter(edit, economics::KeyRule::Decimal);
}

void CatalogueEditorFrame::BindNumericColumns(std::vector<NumericColumn> columns) {
  numeric_ = std::move(columns);
}

void CatalogueEditorFrame::BindProducerTargets(QLineEdit* webPage, QPlainTextEdit* description) {
  producerWebPage_ = webPage;
  producerDescription_ = description;
  if (producers_) {
    platform::Connect(producers_, &QComboBox::activated, this,
                      [this](int index) { ProducerSelected(index); });
  }
}

void CatalogueEditorFrame::BindButtons(QPushButton* add, QPushButton* change, QPushButton* remove,
                                       QPushButton* clear) {
  if (add) platform::Connect(add, &QPushButton::clicked, this, [this] { AddRow(); });
  if (change) platform::Connect(change, &QPushButton::clicked, this, [this] { ChangeSelected(); });
  if (remove) platform::Connect(remove, &QPushButton::clicked, this, [this] { DeleteSelected(); });
  if (clear) platform::Connect(clear, &QPushButton::clicked, this, [this] { ClearFields(); });
  if (list_) {
    platform::Connect(list_, &QListWidget::itemDoubleClicked, this,
                      [this] { ShowRow(list_->currentRow()); });
  }
}

void CatalogueEditorFrame::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void CatalogueEditorFrame::WarnField(const char* text) {
  WarnField(QString::fromUtf8(text));
}

void CatalogueEditorFrame::WarnField(const QString& text) {
  platform::MessageBox(text, QString::fromUtf8("Ostrzeżenie"), platform::Icon::Warning);
}

QString CatalogueEditorFrame::VendorChangeText() const {
  return QString::fromUtf8("Nie można edytować urządzeń pobranych z bazy");
}

QString CatalogueEditorFrame::InUseText() const {
  return QString::fromUtf8(
      "Nie można usunąć tego modelu ponieważ \njest on obecnie ustawiony w programie.\nAby usunąć "
      "ten model należy ustawić inny model w programie.");
}

QString CatalogueEditorFrame::DeleteQuestion() const {
  return QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany sprzęt z programu ?");
}

QString CatalogueEditorFrame::VendorDeleteText() const {
  return QString::fromUtf8("Nie można usuwać urzadzeń producentów pobranych z bazy");
}

QString CatalogueEditorFrame::FileBaseName() const {
  return QString::fromStdString(std::filesystem::path(parameters_.fileName).filename().string());
}

bool CatalogueEditorFrame::CollectFields() {
  int missing = 0;
  for (const Field& field : fields_) {
    const QString text = ControlText(field);
    if (!text.isEmpty()) {
      RowBuffer.push_back(text.toStdString());
    } else if (field.required) {
      ++missing;
    } else {
      RowBuffer.push_back("brak");
    }
  }
  if (missing == 0) return true;
  WarnField(kMissingFields);
  return false;
}

bool CatalogueEditorFrame::NumbersValid() {
  for (const NumericColumn& numeric : numeric_) {
    for (const Field& field : fields_) {
      if (field.column != numeric.column) continue;
      if (editors::CheckNumberField(
              ControlText(field), numeric.label,
              numeric.integer ? editors::NumberKind::Whole : editors::NumberKind::Decimal))
        continue;
      if (auto* grid = qobject_cast<QTableWidget*>(field.control))
        grid->setCurrentCell(field.cellRow, field.cellColumn);
      field.control->setFocus();
      return false;
    }
  }
  return true;
}

void CatalogueEditorFrame::ReloadTable() {
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().*parameters_.table, parameters_.fileName);
}

// Saves the editor's document whole or not at all; after a failed save the document is read
// again, so that it keeps matching the file it failed to replace.
void CatalogueEditorFrame::SaveDocument() {
  try {
    Document.SaveFile(parameters_.fileName);
  } catch (...) {
    LoadDocument();
    throw;
  }
}

void CatalogueEditorFrame::AddRow() {
  BuildWidgets();
  const DocumentRelease release{*this};
  BufferReset reset{RowBuffer};
  RowBuffer.push_back("0");
  if (!CollectFields()) return;
  RowBuffer.push_back("0");
  if (!NumbersValid() || !ValuesValid()) return;
  Document.SetFileName(parameters_.fileName);
  const int32_t largest = LargestCatalogueId(Document);
  if (!editors::IdLeftAfter(largest, FileBaseName())) return;
  RowBuffer[0] = General15(static_cast<double>(largest) + 1);
  CCatalogueTable& table = MainCatalogues().*parameters_.table;
  try {
    AppendCatalogueRow(Document, parameters_.fileName, RowBuffer, table.ColumnCount);
  } catch (...) {
    LoadDocument();
    throw;
  }
  ReloadTable();
  LoadDocument();
  if (CountsAsDevice()) {
    ++MainCatalogues().DeviceCount;
    Engine.CataloguesChanged = 1;
  }
  shownId_ = RowBuffer[0];  // the fields keep their texts, the new record's
  FillList();
  TableChanged(true);
}

void CatalogueEditorFrame::ChangeSelected() {
  BuildWidgets();
  const int index = list_->currentRow();
  if (index < 0) return;
  ChangeRow(index);
  if (CountsAsDevice()) Engine.CataloguesChanged = 1;
}

std::string CatalogueEditorFrame::ListedId(int index) const {
  const QListWidgetItem* item = list_ ? list_->item(index) : nullptr;
  return item ? item->data(kIdRole).toString().toStdString() : std::string();
}

void CatalogueEditorFrame::SelectListedId(const std::string& id) {
  for (int i = 0; i < list_->count(); ++i) {
    if (ListedId(i) == id) {
      list_->setCurrentRow(i);
      return;
    }
  }
}

bool CatalogueEditorFrame::ListShowsDocument() const {
  if (list_->count() != static_cast<int>(RowNodes.size())) return false;
  for (int row = 0; row < list_->count(); ++row) {
    const xml::Element& record = RowNodes[size_t(row)];
    if (ListedId(row) != editors::RecordId(record) ||
        record.ChildCount() <= parameters_.listColumn ||
        list_->item(row)->text().toStdString() != record.Child(parameters_.listColumn).Text())
      return false;
  }
  return true;
}

int CatalogueEditorFrame::FindListedRecord(int index) {
  const std::string id = ListedId(index);
  LoadDocument();
  const int found = id.empty() ? -1 : editors::RowOfId(RowNodes, index, id);
  // A file rewritten meanwhile is listed afresh, the found record selected, so that the next
  // command acts on the record the user sees selected.
  if (!ListShowsDocument()) {
    FillList();
    list_->setCurrentRow(found);
  }
  if (found >= 0) return found;
  platform::MessageBox(QString::fromUtf8("Wybranej pozycji nie ma już w pliku %1.\n"
                                         "Lista została odświeżona.")
                           .arg(FileBaseName()),
                       "Uwaga", platform::Icon::Warning);
  return -1;
}

int CatalogueEditorFrame::ChangeableRecord(int index) {
  const int row = FindListedRecord(index);
  if (row < 0) return -1;
  if (ReadInt(RowNodes[size_t(row)].Child(parameters_.flagColumn).Text()) != 0) {
    platform::MessageBox(VendorChangeText(), "Uwaga");
    return -1;
  }
  if (!CollectFields() || !NumbersValid() || !ValuesValid()) return -1;
  return row;
}

int CatalogueEditorFrame::DeletableRecord(int index) {
  if (platform::MessageBox(DeleteQuestion(), "Pytanie", platform::Icon::Question,
                           platform::Buttons::YesNo) != platform::Answer::Yes) {
    return -1;
  }
  const int row = FindListedRecord(index);
  if (row < 0) return -1;
  if (ReadInt(RowNodes[size_t(row)].Child(parameters_.flagColumn).Text()) != 0) {
    platform::MessageBox(VendorDeleteText(), "Uwaga", platform::Icon::Warning);
    return -1;
  }
  return row;
}

void CatalogueEditorFrame::ChangeRow(int index) {
  BuildWidgets();
  BufferReset reset{RowBuffer};
  const DocumentRelease release{*this};
  const int row = ChangeableRecord(index);
  if (row < 0) return;
  const std::string id = editors::RecordId(RowNodes[size_t(row)]);
  for (size_t k = 0; k < RowBuffer.size(); ++k)
    RowNodes[row].Child(fields_[k].column).SetText(RowBuffer[k]);
  SaveDocument();
  // The table and the list follow the file only once the file holds the change.
  ReloadTable();
  LoadDocument();
  shownId_ = id;
  FillList();
  SelectListedId(id);
  TableChanged(false);
}

void CatalogueEditorFrame::DeleteSelected() {
  BuildWidgets();
  const int index = list_->currentRow();
  if (index < 0) return;
  if (InUse(list_->item(index)->text().toStdString())) {
    platform::MessageBox(InUseText(), "Uwaga", platform::Icon::Warning);
    return;
  }
  const bool removed = DeleteRow(index);
  if (!CountsAsDevice()) return;
  Engine.CataloguesChanged = 1;
  if (removed) --MainCatalogues().DeviceCount;
}

bool CatalogueEditorFrame::DeleteRow(int index) {
  BuildWidgets();
  const DocumentRelease release{*this};
  const int row = DeletableRecord(index);
  if (row < 0) return false;
  const std::string id = editors::RecordId(RowNodes[size_t(row)]);
  RowNodes[size_t(row)].Remove();
  SaveDocument();
  ReloadTable();
  LoadDocument();
  FillList();
  if (!shownId_.empty() && id == shownId_)
    EmptyShownRecord();
  else if (!shownId_.empty())
    SelectListedId(shownId_);
  TableChanged(false);
  return true;
}

void CatalogueEditorFrame::EmptyShownRecord() {
  for (const Field& field : fields_) {
    if (qobject_cast<QComboBox*>(field.control) && field.control != producers_) continue;
    SetControlText(field, QString());
  }
  shownId_.clear();
}

// The record as the file holds it now, found by the entry's id.
void CatalogueEditorFrame::ShowRow(int index) {
  BuildWidgets();
  const DocumentRelease release{*this};
  try {
    LoadDocument();
  } catch (const std::exception&) {
    return ReportUnreadable();
  }
  const int row = ListedRow(index);
  if (!ShowRecord(row)) return ReportUnreadable();
  shownId_ = editors::RecordId(RowNodes[size_t(row)]);
}

int CatalogueEditorFrame::ListedRow(int index) const {
  if (index < 0 || index >= static_cast<int>(RowNodes.size())) return -1;
  // The entry's own record, should the document have been read again since the list was filled.
  const std::string id = ListedId(index);
  return id.empty() ? index : editors::RowOfId(RowNodes, index, id);
}

bool CatalogueEditorFrame::ShowRecord(int row) {
  if (row < 0 || row >= static_cast<int>(RowNodes.size())) return false;
  for (const Field& field : fields_) {
    std::string text;
    try {
      text = RowNodes[size_t(row)].Child(field.column).Text();
    } catch (const xml::Error&) {
      return false;  // the fields filled so far keep their texts
    }
    SetControlText(field, QString::fromStdString(text));
  }
  return true;
}

void CatalogueEditorFrame::ReportUnreadable() const {
  platform::MessageBox(QString::fromUtf8("Nie udało się wczytać pliku ") + FileBaseName(), "UWAGA",
                       platform::Icon::Warning);
}

void CatalogueEditorFrame::ClearFields() {
  BuildWidgets();
  for (QWidget* control : cleared_) SetControlText({0, control, false}, QString());
  ForgetShownRecord();
}

void CatalogueEditorFrame::ProducerSelected(int index) {
  BuildWidgets();
  if (!producers_ || index < 0 || index >= producers_->count()) return;
  const std::vector<std::string>* producer =
      FindProducer(MainCatalogues(), producers_->itemText(index).toStdString());
  if (!producer) return;  // deleted since the combo was filled
  if (producerWebPage_ && producer->size() > 2)
    producerWebPage_->setText(QString::fromStdString((*producer)[2]));
  if (producerDescription_ && producer->size() > 3)
    producerDescription_->setPlainText(QString::fromStdString((*producer)[3]));
}
