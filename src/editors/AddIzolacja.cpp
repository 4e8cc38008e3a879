#include "editors/AddIzolacja.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <map>

#include "app/windows.h"
#include "economics/edit_filters.h"
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

const char* const kMissingFields =
    "Nie wypełniono wszystkich pól.\nProszę uzupełnić brakujące pola";

// Empties the row buffer however the command ends, so that the next one starts from nothing.
struct BufferReset {
  std::vector<std::string>& buffer;
  ~BufferReset() { buffer.clear(); }
};

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
    : CatalogueEditorFrame(parent, {kInsulationFile, &CCatalogues::InsulationCatalogue, 4, 8}) {
  ui.setupUi(this);
  BindFrame(ui.LstIzolacja, ui.ComboBox1, ui.Opis, ui.StaticText12);
  BindProducerTargets(ui.Edit6, ui.Opis);
  for (QLineEdit* edit : {ui.Edit2, ui.Edit5})
    economics::InstallKeyFilter(edit, economics::KeyRule::Decimal);
  platform::Connect(ui.BitBtn1, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn1Click);
  platform::Connect(ui.BitBtn3, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn3Click);
  platform::Connect(ui.BitBtn4, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn4Click);
  platform::Connect(ui.BitBtn5, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn5Click);
  platform::Connect(ui.BitBtn6, &QPushButton::clicked, this, &TWinAddIzolacja::BitBtn6Click);
  platform::Connect(ui.LstIzolacja, &QListWidget::itemDoubleClicked, this,
                    [this] { LstIzolacjaDblClick(); });
  platform::Connect(ui.GridGrubosci, &QTableWidget::currentCellChanged, this,
                    [this](int row, int col) { GridGrubosciSelectCell(col, row); });
  connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddIzolacja::FormCreate() {
  QTableWidget* grid = ui.GridGrubosci;
  PrepareTitledGrid(grid, 46, 16, 1);
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

  // New records stand on lines of their own, one tab per level.
  XMLIzolacja.SetIndentString("\t");
  CreateFrame();
  XMLGrubosci.SetFileName(kThicknessFile);
  SetCounter(kDescriptionLength);
  FreeEditing = 1;
}

void TWinAddIzolacja::ClearKind() {
  for (QLineEdit* edit : {ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit5, ui.Edit6}) edit->clear();
  ui.Opis->clear();
  ClearGrid();
  RememberShownGrid();
  FreeEditing = 1;
  GridGrubosciSelectCell(ui.GridGrubosci->currentColumn(), ui.GridGrubosci->currentRow());
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
  const int index = ui.LstIzolacja->currentRow();
  if (FreeEditing != 0 || index < 0 || index >= static_cast<int>(RowNodes.size())) return;
  QTableWidget* grid = ui.GridGrubosci;
  std::map<std::pair<int, int>, QString> edited;
  for (int k = 1; k <= 8; ++k)
    for (int col = 1; col <= 2 * kGridThicknesses; ++col) {
      const QString text = platform::Cell(grid, col, k);
      if (text != shownGrid_[size_t(k)][size_t(col)]) edited[{col, k}] = text;
    }
  try {
    LoadThicknesses();
    FillGrid(RowNodes[size_t(index)].Child(0).Text());
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
  QTableWidget* grid = ui.GridGrubosci;
  const bool editable = FreeEditing == 1 || !platform::Cell(grid, col, row).isEmpty();
  grid->setEditTriggers(editable
                            ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
}

// ---------------------------------------------------------------- add

bool TWinAddIzolacja::CollectKind() {
  int missing = 0;
  const QString required[] = {ui.ComboBox1->currentText(), ui.Edit2->text(), ui.Edit3->text(),
                              ui.Edit4->text(), ui.Edit5->text()};
  for (const QString& text : required) {
    if (text.isEmpty()) {
      ++missing;
    } else {
      RowBuffer.push_back(text.toStdString());
    }
  }
  for (const QString& text : {ui.Edit6->text(), ui.Opis->toPlainText()})
    RowBuffer.push_back(text.isEmpty() ? std::string("brak") : text.toStdString());
  if (missing > 0) {
    WarnField(kMissingFields);
    return false;
  }
  // The selection window and the design read both as numbers.
  return editors::CheckNumberField(ui.Edit2->text(), ui.lblEdit2->text(),
                                   editors::NumberKind::Decimal) &&
         editors::CheckNumberField(ui.Edit5->text(), ui.lblEdit5->text(),
                                   editors::NumberKind::Decimal);
}

void TWinAddIzolacja::ReloadInsulationTable() {
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().InsulationCatalogue, kInsulationFile);
}

void TWinAddIzolacja::BitBtn1Click() {
  BufferReset reset{RowBuffer};
  RowBuffer.push_back("0");
  if (!CollectKind()) return;
  RowBuffer.push_back("0");

  // The record goes onto the file as it is now, not onto an older copy of it.
  LoadInsulation();
  const int32_t largest = editors::LargestRecordId(RowNodes);
  if (!editors::IdLeftAfter(largest, "izolacja.xml")) return;
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
    LoadInsulation();  // the document follows the file it failed to replace
    throw;
  }
  const bool tableLoaded = TableLoaded();
  ReloadInsulationTable();
  LoadInsulation();
  if (tableLoaded) {
    ++MainCatalogues().DeviceCount;
    Engine.CataloguesChanged = 1;
    FillList();
  }
}

// ---------------------------------------------------------------- show

void TWinAddIzolacja::LstIzolacjaDblClick() {
  ShowRow(ui.LstIzolacja->currentRow());
  FreeEditing = 0;
  GridGrubosciSelectCell(ui.GridGrubosci->currentColumn(), ui.GridGrubosci->currentRow());
}

void TWinAddIzolacja::ShowRow(int index) {
  try {
    if (index < 0 || index >= static_cast<int>(RowNodes.size()))
      throw xml::Error("Indeks listy poza zakresem");
    LoadThicknesses();
    const xml::Element kind = RowNodes[static_cast<size_t>(index)];
    ui.ComboBox1->setEditText(QString::fromStdString(kind.Child(1).Text()));
    QLineEdit* const edits[] = {ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit5, ui.Edit6};
    for (int k = 0; k < 5; ++k) edits[k]->setText(QString::fromStdString(kind.Child(k + 2).Text()));
    ui.Opis->setPlainText(QString::fromStdString(kind.Child(7).Text()));

    FillGrid(kind.Child(0).Text());
  } catch (const std::exception&) {
    platform::MessageBox(QString::fromUtf8("Nie udało się wczytać pliku izolacja.xml"), "UWAGA",
                         platform::Icon::Warning);
  }
  RememberShownGrid();
}

void TWinAddIzolacja::FillGrid(const std::string& kindId) {
  ClearGrid();
  QTableWidget* grid = ui.GridGrubosci;
  ForEachGridThickness(XMLGrubosci, kindId, [grid](const xml::Element& thickness, int k, int n) {
    const QString value = QString::fromStdString(thickness.Child(kThicknessValue).Text());
    const QString price = QString::fromStdString(thickness.Child(kThicknessPrice).Text());
    if (n < kGridThicknesses) {
      platform::SetCell(grid, 2 * n + 1, k, value);
      platform::SetCell(grid, 2 * n + 2, k, price);
      return;
    }
    // The grid has five pairs per diameter; further thicknesses are named in the tip of
    // the diameter's title, so that none is hidden from the user.
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
      platform::SetCell(ui.GridGrubosci, col, k, QString());
    ui.GridGrubosci->item(k, 0)->setToolTip(QString());
  }
}

void TWinAddIzolacja::RememberShownGrid() {
  for (int k = 1; k <= 8; ++k)
    for (int col = 1; col <= 2 * kGridThicknesses; ++col)
      shownGrid_[size_t(k)][size_t(col)] = platform::Cell(ui.GridGrubosci, col, k);
}

// ---------------------------------------------------------------- change and delete

void TWinAddIzolacja::LoadInsulation() {
  insulationBytes_ = editors::LoadKeepingBytes(XMLIzolacja, kInsulationFile);
  Root = XMLIzolacja.DocumentElement();
  RowNodes = Root.Children();
}

std::string TWinAddIzolacja::LoadThicknesses() {
  return editors::LoadKeepingBytes(XMLGrubosci, kThicknessFile);
}

int TWinAddIzolacja::LocateListed(int index) {
  const auto ids = [this] {
    std::vector<std::string> listed;
    for (const xml::Element& record : RowNodes)
      listed.push_back(record.ChildCount() > 0 ? record.Child(0).Text() : std::string());
    return listed;
  };
  const std::vector<std::string> before = ids();
  const std::string id =
      index >= 0 && index < static_cast<int>(before.size()) ? before[size_t(index)] : "";
  LoadInsulation();
  const std::vector<std::string> after = ids();
  int found = -1;
  if (!id.empty()) {
    // The same place first; elsewhere when the file was rewritten meanwhile.
    if (index < static_cast<int>(after.size()) && after[size_t(index)] == id) {
      found = index;
    } else {
      const auto place = std::find(after.begin(), after.end(), id);
      if (place != after.end()) found = static_cast<int>(place - after.begin());
    }
  }
  // The list keeps standing for the records of the document, entry for record.
  if (after != before) {
    FillList();
    ui.LstIzolacja->setCurrentRow(found);
  }
  if (found < 0) {
    platform::MessageBox(QString::fromUtf8("Wybranej izolacji nie ma już w pliku izolacja.xml.\n"
                                           "Lista izolacji została odczytana ponownie."),
                         "Uwaga", platform::Icon::Warning);
  }
  return found;
}

bool TWinAddIzolacja::WriteGridBack(const std::string& kindId) {
  struct Write {
    xml::Element field;
    std::string text;
  };
  std::vector<Write> writes;
  bool valid = true;
  QTableWidget* grid = ui.GridGrubosci;
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
  const int index = ui.LstIzolacja->currentRow();
  if (index < 0) return;
  ChangeRow(index);
  Engine.CataloguesChanged = 1;
}

void TWinAddIzolacja::ChangeRow(int index) {
  BufferReset reset{RowBuffer};
  const int p = LocateListed(index);
  if (p < 0) return;
  xml::Element kind = RowNodes[size_t(p)];
  if (ReadInt(kind.Child(8).Text()) != 0) {
    platform::MessageBox(VendorChangeText(), "Uwaga");
    return;
  }
  if (!CollectKind()) return;
  const std::string thicknessBefore = LoadThicknesses();
  if (!WriteGridBack(kind.Child(0).Text())) return;
  for (size_t k = 0; k < RowBuffer.size(); ++k) kind.Child(int(k) + 1).SetText(RowBuffer[k]);

  // The kind and its thicknesses are written together: a failed write leaves both files as they
  // were, and the window's documents are read again to match them.
  try {
    editors::ReplaceFilesTogether({{kInsulationFile, insulationBytes_, XMLIzolacja.SaveText()},
                                   {kThicknessFile, thicknessBefore, XMLGrubosci.SaveText()}});
  } catch (...) {
    LoadInsulation();
    throw;
  }
  LoadInsulation();
  ReloadInsulationTable();
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().ThicknessCatalogue, kThicknessFile);
  // The list shows the changed symbol at once, the changed kind still selected.
  FillList();
  ui.LstIzolacja->setCurrentRow(p);
  RememberShownGrid();  // the file now holds what the grid shows
}

void TWinAddIzolacja::BitBtn4Click() {
  const int index = ui.LstIzolacja->currentRow();
  if (index < 0) return;
  if (InUse(ui.LstIzolacja->item(index)->text().toStdString())) {
    platform::MessageBox(InUseText(), "Uwaga", platform::Icon::Warning);
    return;
  }
  const bool removed = DeleteRow(index);
  Engine.CataloguesChanged = 1;
  if (removed) --MainCatalogues().DeviceCount;
}

bool TWinAddIzolacja::DeleteRow(int index) {
  if (platform::MessageBox(DeleteQuestion(), "Pytanie", platform::Icon::Question,
                           platform::Buttons::YesNo) != platform::Answer::Yes) {
    return false;
  }
  if (RowNodes.empty()) return false;
  const int p = LocateListed(index);
  if (p < 0) return false;
  xml::Element kind = RowNodes[size_t(p)];
  if (ReadInt(kind.Child(8).Text()) != 0) {
    platform::MessageBox(VendorDeleteText(), "Uwaga", platform::Icon::Warning);
    return false;
  }
  const int32_t id = ReadInt(kind.Child(0).Text());
  if (id <= 0) return false;

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
    LoadInsulation();  // the document follows the file again
    return failed("Wystapił błąd podczas usuwania danych");
  }
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().ThicknessCatalogue, kThicknessFile);
  ReloadInsulationTable();
  LoadInsulation();
  FillList();
  return true;
}
