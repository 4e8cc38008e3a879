#include "editors/AddLokalizacja.h"

#include "app/windows.h"
#include "main/lokalizacja.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"

namespace {
const char* const kHeadings[4] = {"Miesiąc", "Nasłonecznienie w [kWh/m2]", "Temperatura w [C]",
                                  "Usłonecznienie w godzinach"};
}  // namespace

TWinAddMiasta::TWinAddMiasta(QWidget* parent)
    : CatalogueEditor(parent, {"Dane/miasta.xml", &CCatalogues::CityCatalogue, 1, 39}) {}

void TWinAddMiasta::BuildForm() {
  ui.form().setupUi(this);
  BindFrame(ui().LstMiasta, nullptr, nullptr, nullptr);
  // Month m of insolation, temperature and sunshine sits in grid row m, columns 1 to 3.
  std::vector<Field> fields{{1, ui().Edit1, true}};
  for (int quantity = 0; quantity < 3; ++quantity)
    for (int month = 1; month <= 12; ++month)
      fields.push_back({2 + 12 * quantity + month - 1, ui().DaneMiasta, true, quantity + 1, month});
  fields.push_back({38, ui().Edit2, true});
  BindFields(std::move(fields), {}, {});
  // The location window reads every monthly value and the latitude as numbers.
  std::vector<NumericColumn> numeric;
  for (int quantity = 0; quantity < 3; ++quantity)
    for (int month = 0; month < 12; ++month)
      numeric.push_back({2 + 12 * quantity + month, false,
                         QString::fromUtf8(kHeadings[quantity + 1]) + ", " + MonthNames[month]});
  numeric.push_back({38, false, QString::fromUtf8("Szerokość geograficzna")});
  BindNumericColumns(std::move(numeric));
  BindButtons(ui().BitBtn2, ui().BitBtn3, ui().BitBtn1, nullptr);
  connect(ui().BitBtn4, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinAddMiasta::FormCreate() {
  QTableWidget* grid = ui().DaneMiasta;
  PrepareTitledGrid(grid, 78, 16, 0);
  grid->setRowHeight(0, 28);  // two lines of a heading
  const int widths[4] = {70, 160, 120, 140};
  for (int col = 0; col < 4; ++col) {
    grid->setColumnWidth(col, widths[col]);
    platform::SetCell(grid, col, 0, kHeadings[col]);
  }
  for (int month = 0; month < 12; ++month) platform::SetCell(grid, 0, month + 1, MonthNames[month]);
  FitGridToCells(grid);

  CreateFrame();
}

// The location chosen in the design is the one the location window's combo shows.
bool TWinAddMiasta::InUse(const std::string& listed) const {
  return WinLokalizacja &&
         listed == WinLokalizacja->ui().ComboWyborLokalizacji->currentText().toStdString();
}

QString TWinAddMiasta::VendorChangeText() const {
  return QString::fromUtf8("Nie można edytować miejscowości pobranych z bazy");
}

QString TWinAddMiasta::VendorDeleteText() const {
  return QString::fromUtf8("Nie można usuwać urządzeń producentów pobranych z bazy");
}

QString TWinAddMiasta::InUseText() const {
  return QString::fromUtf8(
      "Nie można usunąć tej miejscowości ponieważ \njest ona obecnie ustawiona w programie.\nAby "
      "ją usunąć należy ustawić inną miejscowość w programie.");
}
