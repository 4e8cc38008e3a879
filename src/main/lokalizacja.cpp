#include "main/lokalizacja.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QShowEvent>
#include <algorithm>

#include "app/windows.h"
#include "editors/AddLokalizacja.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/gridcell.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"

int32_t SelectedCityRow = 0;

namespace {

// Columns of a city row.
constexpr int kIdColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kInsolationColumn = 2;    // 12 months from here
constexpr int kTemperatureColumn = 14;  // 12 months
constexpr int kSunshineColumn = 26;     // 12 months
constexpr int kLatitudeColumn = 38;
constexpr int kCityColumns = 39;  // the columns read; the origin flag is not used

const std::vector<std::string>& CityRow(int row) {
  return Form1->CityCatalogue.Rows[size_t(row)];
}

}  // namespace

TWinLokalizacja::TWinLokalizacja(QWidget* parent) : QDialog(parent) {
  // The city is taken into the design now; the widgets wait for the window's first use.
  ui.Defer([this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinLokalizacja::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinLokalizacja::BuildForm() {
  ui.form().setupUi(this);
  ui().ComboWyborLokalizacji->lineEdit()->setReadOnly(true);
  ui().ComboWyborLokalizacji->setEditText("----- wybierz miasto -----");
  platform::Connect(ui().ComboWyborLokalizacji, &QComboBox::activated, this,
                    &TWinLokalizacja::ComboWyborLokalizacjiSelect);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinLokalizacja::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinLokalizacja::BitBtn2Click);
  widgetSteps_.Run();
}

void TWinLokalizacja::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TWinLokalizacja::FormCreate() {
  widgetSteps_.Add([this] {
    QTableWidget* city = ui().TblMiasto;
    platform::SetCell(city, 0, 0, "Miasto");
    platform::SetCell(city, 1, 0, "Szerokość geograficzna");
    city->setColumnWidth(0, 110);
    city->setColumnWidth(1, 135);
    for (int row = 0; row < 2; ++row) city->setRowHeight(row, 18);

    QTableWidget* months = ui().TblLokalizacja;
    const int widths[4] = {70, 160, 120, 140};
    for (int col = 0; col < 4; ++col) months->setColumnWidth(col, widths[col]);
    months->verticalHeader()->setMinimumSectionSize(1);
    months->setRowHeight(0, 28);  // two lines of a heading
    for (int row = 1; row < 13; ++row) months->setRowHeight(row, 16);
    const char* headings[4] = {"Miesiąc", "Nasłonecznienie w [kWh/m2]", "Temperatura w [C]",
                               "Usłonecznienie w godzinach"};
    for (int col = 0; col < 4; ++col) platform::SetCell(months, col, 0, headings[col]);
    for (int month = 0; month < 12; ++month)
      platform::SetCell(months, 0, month + 1, MonthNames[month]);
    // Row 0 is the grid's fixed row, in the colour of fixed cells.
    const QColor fixed = palette().color(QPalette::Button);
    PaintCells(months, [fixed](int, int row) {
      if (row == 0) return fixed;
      return row % 2 == 1 ? kLightBlue : QColor();
    });
    for (QTableWidget* grid : {city, months})
      for (int col = 0; col < grid->columnCount(); ++col)
        if (QTableWidgetItem* item = grid->item(0, col)) {
          item->setBackground(fixed);
          item->setFlags(Qt::ItemIsEnabled);
        }

    FillCombo();
  });
  SelectedCityRow = 0;
  if (CityRows() == 0) return;
  // The combo shows the city taken now, whatever the catalogue holds by the build.
  const QString name = CityRow(0).size() > size_t(kNameColumn)
                           ? QString::fromStdString(CityRow(0)[kNameColumn])
                           : QString();
  widgetSteps_.Add([this, name] {
    QComboBox* combo = ui().ComboWyborLokalizacji;
    combo->setCurrentIndex(0);
    if (combo->currentText() != name) combo->setEditText(name);
  });
  TakeCity(0);
}

void TWinLokalizacja::ComboWyborLokalizacjiSelect() {
  const int row = ui().ComboWyborLokalizacji->currentIndex();
  if (row < 0 || row >= CityRows()) return;
  SelectedCityRow = row;
  if (!TakeCity(row)) return;
  Engine.ProjectLoaded = 0;
  Form1->DesignChanged();
  Form1->SetStatusText(
      0, QString::fromStdString("Wybrano miasto: " + CityRow(row)[kNameColumn] +
                                " o szerokości geograficznej " + CityRow(row)[kLatitudeColumn]));
}

void TWinLokalizacja::FormShow() {
  FillCombo();
  int row;
  if (Engine.ProjectLoaded == 1 && Engine.IDMiasta > 0) {
    // The project's own climate stays in Engine; only the city is looked up.
    row = FindCity(Engine.IDMiasta);
  } else {
    row = SelectedCityRow;
    // After the city editor has deleted rows the number may name another city or none: the
    // window then shows the city Engine holds, if the catalogue still has it.
    if (row < 0 || row >= CityRows() || CityRow(row).empty() ||
        ReadInt(CityRow(row)[kIdColumn]) != Engine.IDMiasta)
      row = FindCity(Engine.IDMiasta);
  }
  if (!ShowCity(row)) return;
  ui().ComboWyborLokalizacji->setCurrentIndex(row);
}

void TWinLokalizacja::BitBtn1Click() {
  if (ui().ComboWyborLokalizacji->currentIndex() < 0) {
    platform::MessageBox("Nie wybrałeś żadnej miejscowosci !!!", "Ostrzeżenie",
                         platform::Icon::Warning);
    return;
  }
  accept();
}

void TWinLokalizacja::BitBtn2Click() {
  WinAddMiasta->exec();
}

int TWinLokalizacja::CityRows() {
  const CCatalogueTable& table = Form1->CityCatalogue;
  return std::max(0, std::min(table.RowCount, int(table.Rows.size())));
}

bool TWinLokalizacja::Readable(int row) {
  return row >= 0 && row < CityRows() && CityRow(row).size() >= size_t(kCityColumns);
}

bool TWinLokalizacja::ShowCity(int row) {
  if (!Readable(row)) return false;
  ShowCity(CityRow(row));
  return true;
}

void TWinLokalizacja::ShowCity(const std::vector<std::string>& city) {
  platform::SetCell(ui().TblMiasto, 0, 1, city[kNameColumn]);
  platform::SetCell(ui().TblMiasto, 1, 1, city[kLatitudeColumn]);
  for (int m = 0; m < 12; ++m) {
    platform::SetCell(ui().TblLokalizacja, 1, m + 1, city[size_t(kInsolationColumn + m)]);
    platform::SetCell(ui().TblLokalizacja, 2, m + 1, city[size_t(kTemperatureColumn + m)]);
    platform::SetCell(ui().TblLokalizacja, 3, m + 1, city[size_t(kSunshineColumn + m)]);
  }
}

bool TWinLokalizacja::TakeCity(int row) {
  if (!Readable(row)) return false;
  const std::vector<std::string>& city = CityRow(row);
  widgetSteps_.Add([this, city] { ShowCity(city); });
  // The values as the grids show them: the catalogue's texts.
  for (int m = 0; m < 12; ++m) {
    Engine.Temperatura[m] = ReadFloat(city[size_t(kTemperatureColumn + m)]);
    Engine.Naslonecznienie[m] = ReadFloat(city[size_t(kInsolationColumn + m)]);
    Engine.Uslonecznienie[m] = ReadFloat(city[size_t(kSunshineColumn + m)]);
  }
  Engine.SzerokoscGeograficzna = ReadFloat(city[kLatitudeColumn]);
  Engine.IDMiasta = ReadInt(city[kIdColumn]);
  Form1->ui().Label49->setText(QString::fromStdString(city[kNameColumn]));
  return true;
}

void TWinLokalizacja::FillCombo() {
  QComboBox* combo = ui().ComboWyborLokalizacji;
  combo->clear();
  for (int row = 0; row < CityRows(); ++row)
    combo->addItem(CityRow(row).size() > size_t(kNameColumn)
                       ? QString::fromStdString(CityRow(row)[kNameColumn])
                       : QString());
  combo->setCurrentIndex(-1);
}

int TWinLokalizacja::FindCity(int32_t id) {
  int found = -1;
  for (int row = 0; row < CityRows(); ++row)
    if (!CityRow(row).empty() && ReadInt(CityRow(row)[kIdColumn]) == id) found = row;
  return found;
}
