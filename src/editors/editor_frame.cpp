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
#include <functional>
#include <limits>

#include "app/windows.h"
#include "economics/edit_filters.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/gridcell.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"

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

CatalogueEditorFrame::CatalogueEditorFrame(QWidget* parent, const Parameters& parameters)
    : QDialog(parent), parameters_(parameters) {}

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

void CatalogueEditorFrame::CreateFrame() {
  ReadListing();
  if (TableLoaded()) {
    FillList();
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

void CatalogueEditorFrame::ReadListing() {
  Document.SetFileName(parameters_.fileName);
  Listing = CatalogueListing();
  Listing =
      ReadCatalogueListing(parameters_.fileName, parameters_.listColumn, parameters_.flagColumn);
}

bool CatalogueEditorFrame::TableLoaded() const {
  return !(MainCatalogues().*parameters_.table).Rows.empty();
}

// A flag that is missing or no number draws the record as the user's.
bool CatalogueEditorFrame::IsVendorRow(int row) const {
  return Listing.vendor[static_cast<size_t>(row)];
}

void CatalogueEditorFrame::FillList() {
  list_->clear();
  for (int row = 0; row < static_cast<int>(Listing.texts.size()); ++row) {
    auto* item = new QListWidgetItem(QString::fromStdString(Listing.texts[row]));
    if (IsVendorRow(row)) {
      item->setForeground(QColor(128, 128, 128));
      QFont font = list_->font();
      font.setItalic(true);
      item->setFont(font);
    }
    list_->addItem(item);
  }
  // A record without the listed column ends the list there, as a positional read would.
  if (Listing.error) throw xml::Error(*Listing.error);
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

// Empties the row buffer however the command ends, so that the next one starts from nothing.
struct BufferReset {
  std::vector<std::string>& buffer;
  ~BufferReset() { buffer.clear(); }
};

// Runs an action however the scope ends (a command frees its document so).
struct AtExit {
  std::function<void()> action;
  ~AtExit() { action(); }
};

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
  platform::RunGuarded([this] { FormShow(); });
}

void CatalogueEditorFrame::WarnField(const char* text) {
  platform::MessageBox(QString::fromUtf8(text), QString::fromUtf8("Ostrzeżenie"),
                       platform::Icon::Warning);
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

void CatalogueEditorFrame::ReloadTable() {
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().*parameters_.table, parameters_.fileName);
}

// Saves the editor's document whole or not at all.
void CatalogueEditorFrame::SaveDocument() {
  Document.SaveFile(parameters_.fileName);
}

void CatalogueEditorFrame::AddRow() {
  BufferReset reset{RowBuffer};
  RowBuffer.push_back("0");
  if (!CollectFields()) return;
  RowBuffer.push_back("0");
  if (!ValuesValid()) return;
  Document.SetFileName(parameters_.fileName);
  const int32_t largest = LargestCatalogueId(Document);
  // Ids are 32-bit integers: past the largest one the catalogue's ids could not be read again.
  if (largest == std::numeric_limits<int32_t>::max()) {
    platform::MessageBox(
        QString::fromUtf8("Nie można dodać nowego rekordu: w pliku %1 wyczerpano numery "
                          "identyfikatorów.")
            .arg(FileBaseName()),
        "Uwaga", platform::Icon::Warning);
    return;
  }
  RowBuffer[0] = General15(static_cast<double>(largest) + 1);
  CCatalogueTable& table = MainCatalogues().*parameters_.table;
  {
    const AtExit release{[this] { ReleaseDocument(); }};
    AppendCatalogueRow(Document, parameters_.fileName, RowBuffer, table.ColumnCount);
  }
  ReloadTable();
  ReadListing();
  if (CountsAsDevice()) {
    ++MainCatalogues().DeviceCount;
    Engine.CataloguesChanged = 1;
  }
  FillList();
  TableChanged(true);
}

void CatalogueEditorFrame::ChangeSelected() {
  const int index = list_->currentRow();
  if (index < 0) return;
  ChangeRow(index);
  if (CountsAsDevice()) Engine.CataloguesChanged = 1;
}

void CatalogueEditorFrame::ChangeRow(int index) {
  BufferReset reset{RowBuffer};
  const AtExit release{[this] { ReleaseDocument(); }};
  LoadDocument();
  if (index >= static_cast<int>(RowNodes.size())) {
    // The file was replaced meanwhile: its rows are listed afresh.
    ReadListing();
    FillList();
    return;
  }
  if (ReadInt(RowNodes[index].Child(parameters_.flagColumn).Text()) != 0) {
    platform::MessageBox(VendorChangeText(), "Uwaga");
    return;
  }
  if (!CollectFields()) return;
  if (!ValuesValid()) return;
  for (size_t k = 0; k < RowBuffer.size(); ++k)
    RowNodes[index].Child(fields_[k].column).SetText(RowBuffer[k]);
  SaveDocument();
  // The table follows the file only once the file holds the change.
  CCatalogueTable& table = MainCatalogues().*parameters_.table;
  if (index < static_cast<int>(table.Rows.size())) {
    std::vector<std::string>& row = table.Rows[index];
    for (size_t k = 0; k < RowBuffer.size(); ++k) {
      const auto column = static_cast<size_t>(fields_[k].column);
      if (column < row.size()) row[column] = RowBuffer[k];
    }
  }
  TableChanged(false);
}

void CatalogueEditorFrame::DeleteSelected() {
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
  if (platform::MessageBox(DeleteQuestion(), "Pytanie", platform::Icon::Question,
                           platform::Buttons::YesNo) != platform::Answer::Yes) {
    return false;
  }
  const AtExit release{[this] { ReleaseDocument(); }};
  LoadDocument();
  if (RowNodes.empty()) return false;
  if (index >= static_cast<int>(RowNodes.size())) {
    // The file was replaced meanwhile: its rows are listed afresh.
    ReadListing();
    FillList();
    return false;
  }
  if (ReadInt(RowNodes[index].Child(parameters_.flagColumn).Text()) != 0) {
    platform::MessageBox(VendorDeleteText(), "Uwaga", platform::Icon::Warning);
    return false;
  }
  RowNodes[index].Remove();
  SaveDocument();
  ReloadTable();
  delete list_->takeItem(index);
  ReadListing();
  TableChanged(false);
  return true;
}

void CatalogueEditorFrame::ShowRow(int index) {
  const auto failed = [this] {
    platform::MessageBox(QString::fromUtf8("Nie udało się wczytać pliku ") + FileBaseName(),
                         "UWAGA", platform::Icon::Warning);
  };
  // The record as the file holds it now, read without keeping the document.
  std::optional<std::vector<std::string>> record;
  try {
    if (index >= 0) record = ReadCatalogueRecord(parameters_.fileName, index);
  } catch (const xml::Error&) {
    return failed();
  }
  if (!record) return failed();
  for (const Field& field : fields_) {
    if (field.column < 0 || static_cast<size_t>(field.column) >= record->size())
      return failed();  // the fields filled so far keep their texts
    const std::string& text = (*record)[static_cast<size_t>(field.column)];
    SetControlText(field, QString::fromStdString(text));
  }
}

void CatalogueEditorFrame::ClearFields() {
  for (QWidget* control : cleared_) SetControlText({0, control, false}, QString());
}

void CatalogueEditorFrame::ProducerSelected(int index) {
  const auto& lists = MainCatalogues().ProducerLists;
  if (index < 0 || index >= static_cast<int>(lists.size())) return;
  const std::vector<std::string>& producer = lists[index];
  if (producerWebPage_ && producer.size() > 2)
    producerWebPage_->setText(QString::fromStdString(producer[2]));
  if (producerDescription_ && producer.size() > 3)
    producerDescription_->setPlainText(QString::fromStdString(producer[3]));
}
