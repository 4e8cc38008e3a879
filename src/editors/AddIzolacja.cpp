#include "editors/AddIzolacja.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <map>

#include "app/windows.h"
#include "editors/grubosci.h"
#include "editors/number_fields.h"
#include "editors/paired_files.h"
#include "editors/record_ids.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"

const std::array<const char*, 8> TWinAddIzolacja::PipeDiameterLabels = {"10", "12", "15", "18",
                                                                        "22", "28", "30", "35"};

namespace {

const char* const kInsulationFile = "Dane/izolacja.xml";
const char* const kThicknessFile = "Dane/grubosci.xml";

// The names this window gives the fields of a new kind, in column order.
const std::array<const char*, 9> kInsulationFieldNames = {
    "idIzolacja", "nazwaProducenta", "wspPrzenikaniaCiepla", "material",
    "symbol",     "dopTempPracy",    "strona_www",           "opis",
    "flaga"};

// Columns of a thickness record.
constexpr int kThicknessKind = 1;
constexpr int kThicknessDiameter = 2;
constexpr int kThicknessValue = 3;
constexpr int kThicknessPrice = 4;

constexpr int kGridThicknesses = 5;  // thickness and price pairs per diameter

// Visits the kind's thickness records whose diameter has a grid row, in file order: visit(record,
// k, n) for the n-th record of the diameter of grid row k. Only n < 5 has cells; a record whose
// diameter is none of the grid's is not visited.
template <class Visit>
void ForEachGridThickness(const xml::Document& thicknesses, const std::string& kindId,
                          Visit visit) {
  std::map<std::string, int> counted;
  for (const xml::Element& thickness : thicknesses.DocumentElement().Children()) {
    if (thickness.Child(kThicknessKind).Text() != kindId) continue;
    const std::string diameter = thickness.Child(kThicknessDiameter).Text();
    const auto& labels = TWinAddIzolacja::PipeDiameterLabels;
    const auto label = std::find(labels.begin(), labels.end(), diameter);
    if (label == labels.end()) continue;
    visit(thickness, static_cast<int>(label - labels.begin()) + 1, counted[diameter]++);
  }
}

}  // namespace

TWinAddIzolacja::TWinAddIzolacja(QWidget* parent)
    : CatalogueEditor(parent, {kInsulationFile, &CCatalogues::InsulationCatalogue, 4, 8}) {
  // New records stand on lines of their own, one tab per level.
  XMLIzolacja.SetIndentString("\t");
  XMLGrubosci.SetFileName(kThicknessFile);
}

void TWinAddIzolacja::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstIzolacja, ui().ComboBox1, ui().Opis, ui().StaticText12);
  // Columns 1 to 7; the grid is written back by the window itself.
  BindFields(InColumnOrder({ui().ComboBox1, ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5},
                           {ui().Edit6, ui().Opis}),
             {}, {ui().Edit2, ui().Edit5});
  // The selection window and the design read the conductivity and the temperature as numbers.
  BindNumericColumns({{2, false, ui().lblEdit2->text()}, {5, false, ui().lblEdit5->text()}});
  BindProducerTargets(ui().Edit6, ui().Opis);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn1Click);
  platform::Connect(ui().BitBtn3, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn3Click);
  platform::Connect(ui().BitBtn4, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn4Click);
  platform::Connect(ui().BitBtn5, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn5Click);
  platform::Connect(ui().BitBtn6, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn6Click);
  platform::Connect(ui().LstIzolacja, &QListWidget::itemDoubleClicked, this,
                    [this] { LstIzolacjaDblClick(); });
  platform::Connect(ui().GridGrubosci, &QTableWidget::currentCellChanged, this,
                    [this](int row, int col) { GridGrubosciSelectCell(col, row); });
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddIzolacja::FormCreate() {
  QTableWidget* grid = ui().GridGrubosci;
  PrepareTitledGrid(grid, 47, 16, 1);
  grid->setRowHeight(0, 40);
  grid->setColumnWidth(0, 64);
  platform::SetCell(grid, 0, 0, "Średnica przewodu rurowego");
  for (int n = 0; n < kGridThicknesses; ++n) {
    platform::SetCell(grid, 2 * n + 1, 0, "Grubość [mm]");
    platform::SetCell(grid, 2 * n + 2, 0, "Cena zł");
  }
  for (int k = 1; k <= 8; ++k) platform::SetCell(grid, 0, k, PipeDiameterLabels[k - 1]);
  FitGridToCells(grid);
  editors::FilterGridKeys(grid);

  CreateFrame();
  SetCounter(kDescriptionLength);
  FreeEditing = 1;
}

void TWinAddIzolacja::ClearKind() {
  for (QLineEdit* edit : {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6})
    edit->clear();
  ui().Opis->clear();
  FreeGrid();
}

void TWinAddIzolacja::FreeGrid() {
  ClearGrid();
  shownKindId_.clear();
  RememberShownGrid();
  FreeEditing = 1;
  GridGrubosciSelectCell(ui().GridGrubosci->currentColumn(), ui().GridGrubosci->currentRow());
}

void TWinAddIzolacja::FileReplaced() {
  if (!WidgetsBuilt()) return;  // the building reads the file, with the grid empty
  const DocumentRelease release{*this};
  CatalogueEditorFrame::FileReplaced();
  FreeGrid();
}

void TWinAddIzolacja::FormShow() {
  ClearKind();
  FillProducerCombo();
}

void TWinAddIzolacja::BitBtn5Click() {
  ClearKind();
}

void TWinAddIzolacja::BitBtn6Click() {
  if (!WinGrubosci) return;
  WinGrubosci->exec();
  // A shown kind's grid lists what the thickness window added or re-priced meanwhile; a cell the
  // user had edited keeps the edit, which "Zmień" still writes.
  // The grid shows the kind last shown, whatever the list's selection is now.
  if (FreeEditing != 0 || shownKindId_.empty()) return;
  QTableWidget* grid = ui().GridGrubosci;
  std::map<std::pair<int, int>, QString> edited;
  for (int k = 1; k <= 8; ++k)
    for (int col = 1; col <= 2 * kGridThicknesses; ++col) {
      const QString text = platform::Cell(grid, col, k);
      if (text != shownGrid_[size_t(k)][size_t(col)]) edited[{col, k}] = text;
    }
  try {
    LoadThicknesses();
    FillGrid(shownKindId_);
  } catch (const std::exception&) {
    platform::MessageBox(QString::fromUtf8("Nie udało się wczytać pliku izolacja.xml"), "UWAGA",
                         platform::Icon::Warning);
    return;
  }
  RememberShownGrid();
  for (const auto& [cell, text] : edited) platform::SetCell(grid, cell.first, cell.second, text);
}

bool TWinAddIzolacja::InUse(const std::string& listed) const {
  return listed == Engine.SelectedInsulation->Model;
}

// ---------------------------------------------------------------- the grid

void TWinAddIzolacja::GridGrubosciSelectCell(int col, int row) {
  QTableWidget* grid = ui().GridGrubosci;
  const bool editable = FreeEditing == 1 || !platform::Cell(grid, col, row).isEmpty();
  grid->setEditTriggers(editable
                            ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
}

// ---------------------------------------------------------------- add

void TWinAddIzolacja::BitBtn1Click() {
  BuildWidgets();
  BufferReset reset{RowBuffer};
  RowBuffer.push_back("0");
  if (!CollectFields()) return;
  RowBuffer.push_back("0");
  if (!NumbersValid()) return;

  // The record goes onto the file as it is now, not onto an older copy of it.
  const DocumentRelease release{*this};
  LoadDocument();
  const int32_t largest = editors::LargestRecordId(RowNodes);
  if (!editors::IdLeftAfter(largest, FileBaseName())) return;
  RowBuffer[0] = std::to_string(static_cast<int64_t>(largest) + 1);
  xml::Element record = Root.AppendChild("row");
  for (size_t i = 0; i < kInsulationFieldNames.size(); ++i) {
    xml::Element field = record.AppendChild("field");
    field.SetAttribute("name", kInsulationFieldNames[i]);
    field.SetText(RowBuffer[i]);
  }
  try {
    XMLIzolacja.SaveFile(kInsulationFile);
  } catch (...) {
    LoadDocument();  // the document follows the file it failed to replace
    throw;
  }
  const bool tableLoaded = TableLoaded();
  ReloadTable();
  LoadDocument();
  if (tableLoaded) {
    ++MainCatalogues().DeviceCount;
    Engine.CataloguesChanged = 1;
    FillList();
  }
}

// ---------------------------------------------------------------- show

void TWinAddIzolacja::LstIzolacjaDblClick() {
  ShowRow(ui().LstIzolacja->currentRow());
  FreeEditing = 0;
  GridGrubosciSelectCell(ui().GridGrubosci->currentColumn(), ui().GridGrubosci->currentRow());
}

void TWinAddIzolacja::ShowRow(int index) {
  BuildWidgets();
  const DocumentRelease release{*this};
  bool shown = false;
  try {
    // The kind as the file holds it now, found by the entry's id.
    LoadDocument();
    const int row = ListedRow(index);
    // The thickness file is read first: when it cannot be, the fields stay as they were.
    if (row >= 0) {
      LoadThicknesses();
      shown = ShowRecord(row);
    }
    if (shown) {
      const std::string id = editors::RecordId(RowNodes[size_t(row)]);
      FillGrid(id);
      shownKindId_ = id;
    }
  } catch (const std::exception&) {
    shown = false;
  }
  if (!shown) ReportUnreadable();
  RememberShownGrid();
}

void TWinAddIzolacja::FillGrid(const std::string& kindId) {
  ClearGrid();
  QTableWidget* grid = ui().GridGrubosci;
  ForEachGridThickness(XMLGrubosci, kindId, [grid](const xml::Element& thickness, int k, int n) {
    const QString value = QString::fromStdString(thickness.Child(kThicknessValue).Text());
    const QString price = QString::fromStdString(thickness.Child(kThicknessPrice).Text());
    if (n < kGridThicknesses) {
      platform::SetCell(grid, 2 * n + 1, k, value);
      platform::SetCell(grid, 2 * n + 2, k, price);
      return;
    }
    // The grid has five pairs per diameter; further thicknesses are named in the tip of the
    // diameter's title, so that none is hidden from the user.
    QTableWidgetItem* title = grid->item(k, 0);
    QString tip = title->toolTip();
    tip += (tip.isEmpty() ? QString::fromUtf8("Dalsze grubości tej średnicy:") : QString()) +
           QString::fromUtf8("\n%1 mm – %2 zł").arg(value, price);
    title->setToolTip(tip);
  });
}

void TWinAddIzolacja::ClearGrid() {
  for (int k = 1; k <= 8; ++k) {
    for (int col = 1; col <= 2 * kGridThicknesses; ++col)
      platform::SetCell(ui().GridGrubosci, col, k, QString());
    ui().GridGrubosci->item(k, 0)->setToolTip(QString());
  }
}

void TWinAddIzolacja::RememberShownGrid() {
  for (int k = 1; k <= 8; ++k)
    for (int col = 1; col <= 2 * kGridThicknesses; ++col)
      shownGrid_[size_t(k)][size_t(col)] = platform::Cell(ui().GridGrubosci, col, k);
}

// ---------------------------------------------------------------- change and delete

void TWinAddIzolacja::LoadDocument() {
  insulationBytes_ = editors::LoadKeepingBytes(XMLIzolacja, kInsulationFile);
  Root = XMLIzolacja.DocumentElement();
  RowNodes = Root.Children();
}

std::string TWinAddIzolacja::LoadThicknesses() {
  return editors::LoadKeepingBytes(XMLGrubosci, kThicknessFile);
}

bool TWinAddIzolacja::WriteGridBack(const std::string& kindId) {
  struct Write {
    xml::Element field;
    std::string text;
  };
  std::vector<Write> writes;
  bool valid = true;
  QTableWidget* grid = ui().GridGrubosci;
  ForEachGridThickness(XMLGrubosci, kindId, [&](const xml::Element& thickness, int k, int n) {
    if (n >= kGridThicknesses) return;  // no cells: stays as it is
    const struct {
      int cellColumn, fieldColumn;
      editors::NumberKind kind;
    } cells[] = {{2 * n + 1, kThicknessValue, editors::NumberKind::Whole},
                 {2 * n + 2, kThicknessPrice, editors::NumberKind::Decimal}};
    for (const auto& cell : cells) {
      const QString text = platform::Cell(grid, cell.cellColumn, k);
      // An emptied cell leaves the field as it was, and so does a cell the user left as it was
      // shown: the thickness window may have re-priced that row since.
      if (text.isEmpty() || text == shownGrid_[size_t(k)][size_t(cell.cellColumn)] || !valid)
        continue;
      // The thickness search of the thickness window reads thicknesses as whole numbers, the
      // selection window prices as numbers.
      const QString name = platform::Cell(grid, cell.cellColumn, 0) +
                           QString::fromUtf8(", średnica ") + PipeDiameterLabels[size_t(k - 1)];
      valid = editors::CheckNumberField(text, name, cell.kind);
      writes.push_back({thickness.Child(cell.fieldColumn), text.toStdString()});
    }
  });
  if (!valid) return false;
  for (Write& write : writes) write.field.SetText(write.text);
  return true;
}

void TWinAddIzolacja::BitBtn3Click() {
  ChangeSelected();
}

void TWinAddIzolacja::ChangeRow(int index) {
  BuildWidgets();
  BufferReset reset{RowBuffer};
  const DocumentRelease release{*this};
  const int p = ChangeableRecord(index);
  if (p < 0) return;
  xml::Element kind = RowNodes[size_t(p)];
  const std::string id = editors::RecordId(kind);
  const std::string thicknessBefore = LoadThicknesses();
  // The grid may still show another kind (one selected in the list but not shown): its cells
  // are that kind's and are kept for it, not written over this kind's rows by position.
  const bool gridShowsKind = !id.empty() && id == shownKindId_;
  if (gridShowsKind && !WriteGridBack(id)) return;
  for (size_t k = 0; k < RowBuffer.size(); ++k) kind.Child(int(k) + 1).SetText(RowBuffer[k]);

  // The kind and its thicknesses are written together: a failed write leaves both files as they
  // were, and the window's documents are read again to match them.
  try {
    editors::ReplaceFilesTogether({{kInsulationFile, insulationBytes_, XMLIzolacja.SaveText()},
                                   {kThicknessFile, thicknessBefore, XMLGrubosci.SaveText()}});
  } catch (...) {
    LoadDocument();
    throw;
  }
  LoadDocument();
  ReloadTable();
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().ThicknessCatalogue, kThicknessFile);
  // The list shows the changed symbol at once, the changed kind still selected.
  FillList();
  SelectListedId(id);
  if (gridShowsKind) RememberShownGrid();  // the file now holds what the grid shows
}

void TWinAddIzolacja::BitBtn4Click() {
  DeleteSelected();
}

bool TWinAddIzolacja::DeleteRow(int index) {
  BuildWidgets();
  const DocumentRelease release{*this};
  const int p = DeletableRecord(index);
  if (p < 0) return false;
  xml::Element kind = RowNodes[size_t(p)];
  const int32_t id = ReadInt(kind.Child(0).Text());
  if (id <= 0) return false;
  const std::string kindId = editors::RecordId(kind);

  const auto failed = [](const char* text) {
    platform::MessageBox(QString::fromUtf8(text), "Komunikat", platform::Icon::Warning);
    return false;
  };
  // Both edits are made in memory first; the files are written only once both succeeded, and
  // then together: a failure anywhere leaves both files as they were.
  std::string thicknessBefore, thicknessAfter;
  try {
    thicknessBefore = LoadThicknesses();
    std::vector<xml::Element> kindThicknesses;
    for (const xml::Element& thickness : XMLGrubosci.DocumentElement().Children())
      if (ReadInt(thickness.Child(kThicknessKind).Text()) == id)
        kindThicknesses.push_back(thickness);
    for (auto it = kindThicknesses.rbegin(); it != kindThicknesses.rend(); ++it) it->Remove();
    thicknessAfter = XMLGrubosci.SaveText();
  } catch (const std::exception&) {
    return failed("Nie można było usunąc danych");
  }
  try {
    kind.Remove();
    editors::ReplaceFilesTogether({{kThicknessFile, thicknessBefore, thicknessAfter},
                                   {kInsulationFile, insulationBytes_, XMLIzolacja.SaveText()}});
  } catch (const std::exception&) {
    LoadDocument();  // the document follows the file again
    return failed("Wystapił błąd podczas usuwania danych");
  }
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().ThicknessCatalogue, kThicknessFile);
  ReloadTable();
  LoadDocument();
  FillList();
  // The fields and the grid no longer show a kind that is gone (a new kind may even be given its
  // id); a kind they still show is selected again, so that "Zmień" acts on what is shown.
  if (kindId == shownKindId_)
    ClearKind();
  else if (!shownKindId_.empty())
    SelectListedId(shownKindId_);
  return true;
}
