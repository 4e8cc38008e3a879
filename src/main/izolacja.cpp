#include "main/izolacja.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

#include "app/windows.h"
#include "editors/AddIzolacja.h"
#include "editors/AddKonstrukcja.h"
#include "engine/cost_limit.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/gridcell.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"

namespace {

// Columns of a thickness row.
constexpr int kKindColumn = 1;
constexpr int kDiameterColumn = 2;
constexpr int kThicknessColumn = 3;
constexpr int kPriceColumn = 4;
// The thickness whose price the creation takes when the main window insulates the pipes.
constexpr int kStartThicknessRow = 4;
constexpr int kDiameterRow = 5;

// The grid draws its own cells; the first cell of its current row carries a red frame.
class CurrentRowFrame : public QStyledItemDelegate {
 public:
  explicit CurrentRowFrame(QTableWidget* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != 0 || index.row() != grid_->currentRow()) return;
    painter->save();
    painter->setPen(QPen(QColor(255, 0, 0), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    painter->restore();
  }

 private:
  QTableWidget* grid_;
};

QString Currency(float value, int precision) {
  return QString::fromStdString(CurrencyText(value, precision, DotFormatSettings));
}

QString Millimetres(float thickness) {
  return QString::fromStdString(General15(thickness) + " [mm]");
}

}  // namespace

TWinIzolacja::TWinIzolacja(QWidget* parent) : TSelectionWindow(parent) {
  insulation_ = MakePanel(Engine.SelectedInsulation.get(), Form1->InsulationCatalogue, 4,
                          {&CIzolacja::StronaProducenta});
  structure_ = MakePanel(Engine.SelectedStructure.get(), Form1->StructureCatalogue, 2,
                         {&CKonstrukcjaWsporcza::StronaProducenta});
  PutOffWidgets(ui, [this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinIzolacja::BuildForm() {
  ui.form().setupUi(this);
  PrepareCombo(ui().ComboWyborIzolacji, "       -- wybierz rodzaj izolacji --");
  PrepareCombo(ui().ComboWyborKonstrukcji, "  -- wybierz rodzaj konstrukcji wsporczej --");
  insulation_.Attach(ui().ComboWyborIzolacji, ui().TabelaIzolacja, ui().Opis1, {ui().StaticText8});
  structure_.Attach(ui().ComboWyborKonstrukcji, ui().TabelaKonstrukcji, ui().Opis2,
                    {ui().StaticText11});
  platform::Connect(ui().ComboWyborIzolacji, &QComboBox::activated, this,
                    &TWinIzolacja::ComboWyborIzolacjiSelect);
  platform::Connect(ui().ComboWyborKonstrukcji, &QComboBox::activated, this,
                    &TWinIzolacja::ComboWyborKonstrukcjiSelect);
  // A thickness is chosen by moving to its cell with the keys or by clicking it, also when the
  // cell is already the current one.
  for (QTableWidget* grid : {ui().StringGrid1, ui().StringGrid2}) {
    const auto select = [this, grid](int row, int col) {
      grid == ui().StringGrid1 ? StringGrid1SelectCell(col, row) : StringGrid2SelectCell(col, row);
    };
    platform::Connect(grid, &QTableWidget::currentCellChanged, this, select);
    platform::Connect(grid, &QTableWidget::cellClicked, this, select);
  }
  ConnectButtons(this);
  platform::Connect(ui().BitBtn4, &QPushButton::clicked, this, &TWinIzolacja::BitBtn4Click);
  ConnectLink(ui().StaticText8, [this] { StaticText8Click(); });
  ConnectLink(ui().StaticText11, [this] { StaticText11Click(); });
}

void TWinIzolacja::FormCreate() {
  Later([this] {
    SetUpGrid(ui().TabelaIzolacja, {172, 228},
              {"Producent", "Współczynnik przenikania ciepła", "Materiał", "Symbol/Producent",
               "Dopuszczalna temperatura pracy", "Średnica"});
    // Its first row is a heading, broken into lines within the cell.
    PaintCells(ui().TabelaIzolacja, OddRows(kLightBlue), 1);
    // A long producer's name or material reads whole on more lines.
    FitRowsToTexts(ui().TabelaIzolacja, 18);
    const QColor fixed = palette().color(QPalette::Button);
    for (QTableWidget* grid : {ui().StringGrid1, ui().StringGrid2}) {
      grid->setColumnWidth(0, 90);
      grid->setColumnWidth(1, 90);
      grid->verticalHeader()->setMinimumSectionSize(1);
      grid->verticalHeader()->setDefaultSectionSize(18);
      grid->setItemDelegate(new CurrentRowFrame(grid));
      platform::SetCell(grid, 0, 0, "Grubość");
      platform::SetCell(grid, 1, 0, "Cena");
      for (int col = 0; col < 2; ++col) {
        grid->item(0, col)->setBackground(fixed);
        grid->item(0, col)->setFlags(Qt::ItemIsEnabled);
      }
    }
  });
  ShowDiameterCell(Diameter() + " [mm]");

  CIzolacja& insulation = *Engine.SelectedInsulation;
  insulation.GruboscIzolacjiZew = Engine.OutdoorInsulationThickness;
  insulation.GruboscIzolacjiWew = Engine.IndoorInsulationThickness;
  if (CreatePanel(insulation_, Engine.InsulationIndex)) {
    const Thicknesses listed = ListedThicknesses(insulation.ID);
    Later([this, listed] { ShowThicknesses(listed, true); });
    if (Form1->ui().CheckIzolacja->isChecked()) {
      Engine.InsulationLambda = insulation.Lambda;
      // The fourth thickness gives the start costs; a shorter list gives none.
      const auto startCost = [&listed](float length) {
        if (listed.size() < size_t(kStartThicknessRow)) return 0.0f;
        const float price = ReadFloat(listed[size_t(kStartThicknessRow - 1)].second);
        // Nor does a price whose cost is too large to compute: it is refused when chosen.
        const double cost = double(price) * length;
        return FloatHolds(cost) ? static_cast<float>(cost) : 0.0f;
      };
      insulation.CenaIzolacjiWew = startCost(Engine.DlugoscPrzewodowWewnatrz);
      insulation.CenaIzolacjiZew = startCost(Engine.DlugoscPrzewodowNaZewnatrz);
      Later([this, indoorCost = insulation.CenaIzolacjiWew,
             outdoorCost = insulation.CenaIzolacjiZew, outdoor = insulation.GruboscIzolacjiZew,
             indoor = insulation.GruboscIzolacjiWew] {
        ui().Label2->setText(Currency(indoorCost, 4));
        ui().Label1->setText(Currency(outdoorCost, 4));
        ui().Label5->setText(Millimetres(outdoor));
        ui().Label6->setText(Millimetres(indoor));
      });
    }
    // The price is the sum of the two costs as they now stand.
    insulation.Cena = insulation.CenaIzolacjiZew + insulation.CenaIzolacjiWew;
    Engine.InsulationCost = insulation.Cena;
    Form1->ui().Label71->setText(QString::fromStdString(insulation.Model));
    Form1->ui().Label72->setText(QString::fromStdString(GeneralText(insulation.Lambda, 2, 4)));
  }

  Later([this] {
    SetUpGrid(ui().TabelaKonstrukcji, {160, 225},
              {"Producent lub dystrybutor", "Producent-Model", "Liczba kolektorow", "Typ kolektora",
               "Nachylenie", "Nośność", "Montaż na ścianie", "Typ pokrycia dachu", "Cena netto"});
  });
  // The structure's price counts only once the user picks one.
  CreatePanel(structure_, Engine.StructureIndex);
}

void TWinIzolacja::ComboWyborIzolacjiSelect() {
  const int row = ui().ComboWyborIzolacji->currentIndex();
  if (row < 0 || row >= Rows(insulation_)) return;
  Engine.InsulationIndex = row;
  if (!TakeRow(insulation_, row)) return;
  CIzolacja& insulation = *Engine.SelectedInsulation;
  Engine.InsulationLambda = insulation.Lambda;
  if (ListThicknesses(insulation.ID, true) > 0) {
    SetStatusText(QString::fromStdString("Wybrano Izolację: " + insulation.Model));
  } else {
    platform::MessageBox(
        "Wybrany rodzaj izolacji nie posiada \nżadnych grubości dla ustawionej wielkości "
        "średnicy\nSpróbuj zminić wielkośc średnicy albo rodzaj izolacji",
        "Komunikat", platform::Icon::Warning);
  }
  Engine.Izolacja = 1;
  Engine.SetPriceMode = 0;
  insulation.CenaIzolacjiWew = 0;
  insulation.CenaIzolacjiZew = 0;
  insulation.Cena = 0;
  Engine.InsulationCost = 0;
  Engine.IndoorInsulationThickness = 0;
  Engine.OutdoorInsulationThickness = 0;
  ui().Label1->setText(Currency(0, 6));
  ui().Label2->setText(Currency(0, 6));
  Form1->DesignChanged();
}

void TWinIzolacja::StringGrid1SelectCell(int, int row) {
  ChooseThickness(true, row);
}

void TWinIzolacja::StringGrid2SelectCell(int, int row) {
  ChooseThickness(false, row);
}

void TWinIzolacja::ChooseThickness(bool outdoor, int row) {
  QTableWidget* grid = outdoor ? ui().StringGrid1 : ui().StringGrid2;
  // Row 0 holds the headings; an empty row offers nothing.
  if (row < 1 || row >= grid->rowCount() || platform::Cell(grid, 0, row).isEmpty() ||
      platform::Cell(grid, 1, row).isEmpty())
    return;
  CIzolacja& insulation = *Engine.SelectedInsulation;
  const float price = ReadFloat(platform::Cell(grid, 1, row).toStdString());
  const float thickness = ReadFloat(platform::Cell(grid, 0, row).toStdString());
  const float length =
      outdoor ? Engine.DlugoscPrzewodowNaZewnatrz : Engine.DlugoscPrzewodowWewnatrz;
  const double product = double(price) * length;
  const double sum = product + (outdoor ? insulation.CenaIzolacjiWew : insulation.CenaIzolacjiZew);
  if (!FloatHolds(product) || !FloatHolds(sum)) {
    const std::string group =
        outdoor ? "Wybór grubości izolacji na zewnątrz" : "Wybór grubości izolacji wewnątrz";
    platform::MessageBox(
        QString::fromStdString(
            FloatHolds(product) ? "Koszt izolacji (" + GeneralText(sum, 6, 2) +
                                      " zł) jest zbyt duży do obliczenia: popraw ceny grubości."
                                : TooLargeProduct(group, "długość przewodów",
                                                  GeneralText(length, 6, 2) + " m", "cena", price)),
        "Uwaga", platform::Icon::Warning);
    return;
  }
  const float cost = static_cast<float>(product);
  (outdoor ? insulation.CenaIzolacjiZew : insulation.CenaIzolacjiWew) = cost;
  (outdoor ? ui().Label1 : ui().Label2)->setText(Currency(cost, 4));
  insulation.Cena = insulation.CenaIzolacjiZew + insulation.CenaIzolacjiWew;
  Engine.InsulationCost = insulation.Cena;
  (outdoor ? insulation.GruboscIzolacjiZew : insulation.GruboscIzolacjiWew) = thickness;
  (outdoor ? Engine.OutdoorInsulationThickness : Engine.IndoorInsulationThickness) = thickness;
  (outdoor ? ui().Label5 : ui().Label6)->setText(Millimetres(thickness));
  grid->viewport()->update();
  Form1->DesignChanged();
}

void TWinIzolacja::ComboWyborKonstrukcjiSelect() {
  if (!ChoosePanel(structure_, Engine.StructureIndex)) return;
  Engine.CenaInne = Engine.SelectedStructure->Cena;
  SetStatusText(
      QString::fromStdString("Wybrano konstrukcję wsporczą: " + Engine.SelectedStructure->Model));
}

void TWinIzolacja::FormShow() {
  const bool showDevices = ShowsEngineDevices() && Engine.SelectedInsulation->ID > 0;
  ShowPanel(insulation_, showDevices);
  ShowPanel(structure_, showDevices);
  if (showDevices) ListThicknesses(Engine.SelectedInsulation->ID, false);
  ShowDiameterCell(Diameter() + " [mm]");
}

void TWinIzolacja::BitBtn1Click() {
  if (Engine.OutdoorInsulationThickness == 0 && Engine.IndoorInsulationThickness == 0) {
    platform::MessageBox("Nie zaznaczyłeś grubości dla wybranej izolacji !!!", "Ostrzeżenie",
                         platform::Icon::Warning);
    return;
  }
  const CIzolacja& insulation = *Engine.SelectedInsulation;
  Form1->ui().Label71->setText(QString::fromStdString(insulation.Model));
  Form1->ui().Label72->setText(QString::fromStdString(GeneralText(insulation.Lambda, 2, 4)));
  accept();
}

void TWinIzolacja::BitBtn3Click() {
  ShowEditor(WinAddIzolacja, true);
}

void TWinIzolacja::BitBtn4Click() {
  ShowEditor(WinAddKonstrukcja, true);
}

int TWinIzolacja::ListThicknesses(int32_t kind, bool fitHeight) {
  const Thicknesses listed = ListedThicknesses(kind);
  ShowThicknesses(listed, fitHeight);
  return int(listed.size());
}

TWinIzolacja::Thicknesses TWinIzolacja::ListedThicknesses(int32_t kind) {
  const std::string diameter = Diameter().toStdString();
  Thicknesses listed;
  const CCatalogueTable& table = Form1->ThicknessCatalogue;
  const int rows = std::max(0, std::min(table.RowCount, int(table.Rows.size())));
  for (int i = 0; i < rows; ++i) {
    const std::vector<std::string>& row = table.Rows[size_t(i)];
    if (row.size() <= size_t(kPriceColumn) || row[kDiameterColumn] != diameter) continue;
    if (ReadInt(row[kKindColumn]) == kind)
      listed.emplace_back(row[kThicknessColumn], row[kPriceColumn]);
  }
  return listed;
}

void TWinIzolacja::ShowThicknesses(const Thicknesses& listed, bool fitHeight) {
  const int n = int(listed.size());
  for (QTableWidget* grid : {ui().StringGrid1, ui().StringGrid2}) {
    // Rebuilding the list is no choice of a thickness.
    const QSignalBlocker blocker(grid);
    grid->setRowCount(n + 1);
    for (int j = 0; j < n; ++j) {
      platform::SetCell(grid, 0, j + 1, listed[size_t(j)].first);
      platform::SetCell(grid, 1, j + 1, listed[size_t(j)].second);
      grid->setRowHeight(j + 1, 18);
    }
    // No row of the new list is chosen yet.
    grid->setCurrentCell(-1, -1);
    if (fitHeight) grid->setFixedHeight(19 * n + 20);
    grid->viewport()->update();
  }
}

QString TWinIzolacja::Diameter() {
  return Form1->ui().ComboSrednicaPrzewodu->currentText();
}

void TWinIzolacja::ShowDiameterCell(const QString& text) {
  Later([this, text] { platform::SetCell(ui().TabelaIzolacja, 1, kDiameterRow, text); });
}
