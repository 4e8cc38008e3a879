#include "editors/AddLokalizacja.h"

#include "app/windows.h"
#include "engine/climate.h"
#include "engine/numtext.h"
#include "main/lokalizacja.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"

namespace {
const char* const kHeadings[4] = {"Miesiąc", "Nasłonecznienie w [kWh/m2]", "Temperatura w [C]",
                                  "Usłonecznienie w godzinach"};
const char* const kLatitudeCaption = "Szerokość geograficzna";

// The field of a month's value as the warnings name it: the grid's heading and the month.
QString MonthField(int quantity, int month) {
  return QString::fromUtf8(kHeadings[quantity]) + ", " + MonthNames[month - 1];
}

QString Number(double value) {
  return QString::fromStdString(General15(value));
}

// The warning for a month's value, or an empty text when the climate has it.
QString MonthlyValueFault(int quantity, int month, const QString& text) {
  const float value = ReadFloat(text.toStdString());
  const QString field = MonthField(quantity, month);
  const QString ending = QString::fromUtf8("\nProszę wprowadzić poprawną wartość");
  switch (quantity) {
    case 1:
      if (climate::InsolationUsable(value)) return {};
      return QString::fromUtf8(
                 "Wartość „%1” w polu „%2” jest ujemna: nasłonecznienie nie może być "
                 "mniejsze od 0.")
                 .arg(text, field) +
             ending;
    case 2:
      if (climate::MeanTemperatureUsable(value)) return {};
      return QString::fromUtf8(
                 "Wartość „%1” w polu „%2” jest poza zakresem od %3 do %4 °C: "
                 "żadne miejsce nie ma takiej średniej temperatury miesiąca.")
                 .arg(text, field, Number(climate::kLowestMeanTemperature),
                      Number(climate::kHighestMeanTemperature)) +
             ending;
    default:
      if (climate::SunshineHoursUsable(month - 1, value)) return {};
      return QString::fromUtf8(
                 "Wartość „%1” w polu „%2” jest poza zakresem od 0 do %3 godzin, "
                 "jakie ma ten miesiąc.")
                 .arg(text, field, Number(climate::HoursOfMonth(month - 1))) +
             ending;
  }
}
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
      numeric.push_back({2 + 12 * quantity + month, false, MonthField(quantity + 1, month + 1)});
  numeric.push_back({38, false, QString::fromUtf8(kLatitudeCaption)});
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

// A climate that no place has is never stored: a negative insolation gives a negative solar
// energy, and a latitude the compute refuses makes the location unusable. Rows already in the
// catalogue are read as they are.
bool TWinAddMiasta::ValuesValid() {
  QTableWidget* grid = ui().DaneMiasta;
  for (int quantity = 1; quantity <= 3; ++quantity) {
    for (int month = 1; month <= 12; ++month) {
      const QString fault =
          MonthlyValueFault(quantity, month, platform::Cell(grid, quantity, month));
      if (fault.isEmpty()) continue;
      WarnField(fault);
      grid->setCurrentCell(month, quantity);
      grid->setFocus();
      return false;
    }
  }
  const QString latitude = ui().Edit2->text();
  if (climate::LatitudeUsable(ReadFloat(latitude.toStdString()))) return true;
  WarnField(QString::fromUtf8("Wartość „%1” w polu „%2” jest poza zakresem metody obliczeń: w "
                              "niektórych miesiącach panuje tam dzień lub noc polarna.\nProszę "
                              "wprowadzić szerokość geograficzną miejsca położonego bliżej "
                              "równika.")
                .arg(latitude, QString::fromUtf8(kLatitudeCaption)));
  ui().Edit2->setFocus();
  return false;
}
