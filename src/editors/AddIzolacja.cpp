#include "editors/AddIzolacja.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <limits>
#include <map>

#include "app/windows.h"
#include "economics/edit_filters.h"
#include "editors/grubosci.h"
#include "editors/number_fields.h"
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

// The largest id among the records, 0 when there is none; an id that is no integer raises the
// conversion error.
int32_t LargestId(const std::vector<xml::Element>& records) {
  int32_t largest = 0;
  for (const xml::Element& record : records)
    largest = std::max(largest, ReadInt(record.Child(0).Text()));
  return largest;
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
  for (int k = 1; k <= 8; ++k)
    for (int col = 1; col <= 2 * kGridThicknesses; ++col)
      platform::SetCell(ui.GridGrubosci, col, k, QString());
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
  if (WinGrubosci) WinGrubosci->exec();
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
  LoadDocument();
  const int32_t largest = LargestId(RowNodes);
  // Ids are 32-bit integers: past the largest one the catalogue's ids could not be read again.
  if (largest == std::numeric_limits<int32_t>::max()) {
    platform::MessageBox(
        QString::fromUtf8("Nie można dodać nowego rekordu: w pliku izolacja.xml wyczerpano "
                          "numery identyfikatorów."),
        "Uwaga", platform::Icon::Warning);
    return;
  }
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
  ReloadInsulationTable();
  LoadDocument();
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
    XMLGrubosci.LoadFile(kThicknessFile);
    const xml::Element kind = RowNodes[static_cast<size_t>(index)];
    ui.ComboBox1->setEditText(QString::fromStdString(kind.Child(1).Text()));
    QLineEdit* const edits[] = {ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit5, ui.Edit6};
    for (int k = 0; k < 5; ++k) edits[k]->setText(QString::fromStdString(kind.Child(k + 2).Text()));
    ui.Opis->setPlainText(QString::fromStdString(kind.Child(7).Text()));

    QTableWidget* grid = ui.GridGrubosci;
    for (int k = 1; k <= 8; ++k)
      for (int col = 1; col <= 2 * kGridThicknesses; ++col)
        platform::SetCell(grid, col, k, QString());
    // The n-th thickness of a diameter in file order fills pair n of that diameter's row; a
    // sixth or later one has no cells and stays in the file, untouched by a change.
    const std::string id = kind.Child(0).Text();
    std::map<std::string, int> shown;
    for (const xml::Element& thickness : XMLGrubosci.DocumentElement().Children()) {
      if (thickness.Child(kThicknessKind).Text() != id) continue;
      const std::string diameter = thickness.Child(kThicknessDiameter).Text();
      const auto label = std::find(PipeDiameterLabels.begin(), PipeDiameterLabels.end(), diameter);
      if (label == PipeDiameterLabels.end()) continue;
      const int k = static_cast<int>(label - PipeDiameterLabels.begin()) + 1;
      const int n = shown[diameter]++;
      if (n >= kGridThicknesses) continue;
      platform::SetCell(grid, 2 * n + 1, k, thickness.Child(kThicknessValue).Text());
      platform::SetCell(grid, 2 * n + 2, k, thickness.Child(kThicknessPrice).Text());
    }
  } catch (const std::exception&) {
    platform::MessageBox(QString::fromUtf8("Nie udało się wczytać pliku izolacja.xml"), "UWAGA",
                         platform::Icon::Warning);
  }
}
