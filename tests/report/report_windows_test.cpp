// The results window's fixed texts and cell colours, the chart window's axis rule and bar layout,
// and the report options window's start values.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <cmath>
#include <memory>
#include <ostream>
#include <vector>

#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/scripted_dialogs.h"
#include "qt_app.h"
#include "report/Wykres.h"
#include "report/Wyniki.h"
#include "report/raport.h"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

class ReportWindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    Engine = MakeDefaultDesign();
    // In the order of start-up.
    raport_ = std::make_unique<TWinRaport>();
    wyniki_ = std::make_unique<TWinWyniki>();
    wykres_ = std::make_unique<TWinWykres>();
    WinRaport = raport_.get();
    WinWyniki = wyniki_.get();
    WinWykres = wykres_.get();
  }
  void TearDown() override {
    WinRaport = nullptr;
    WinWyniki = nullptr;
    WinWykres = nullptr;
    Engine = MakeDefaultDesign();
  }

  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TWinRaport> raport_;
  std::unique_ptr<TWinWyniki> wyniki_;
  std::unique_ptr<TWinWykres> wykres_;
};

// The colour a cell is painted in, away from its text and grid lines.
QColor CellColour(QTableWidget* grid, int col, int row) {
  const QImage image = grid->viewport()->grab().toImage();
  const QRect cell = grid->visualRect(grid->model()->index(row, col));
  return image.pixelColor(cell.topLeft() + QPoint(2, 2));
}

TEST_F(ReportWindowsTest, ResultsWindowWritesItsHeadingsAndMonths) {
  auto& ui = wyniki_->ui;
  QTableWidget* monthly = ui().TabZyskEnergetyczny;
  ASSERT_EQ(monthly->columnCount(), 10);
  ASSERT_EQ(monthly->rowCount(), 14);
  const char* headings[10] = {"Miesiąc",
                              "Nasłonecznienie [kWh/m2/rok]",
                              "Sprawność kolektorów",
                              "Sprawność instalacji",
                              "Straty instalacji [kWh]",
                              "Energia na CWU [kWh]",
                              "Pokrycie CWU %",
                              "Energia na basen [kWh]",
                              "Energia na CO [kWh]",
                              "Suma energii słonecznej [kWh]"};
  for (int col = 0; col < 10; ++col) {
    EXPECT_EQ(platform::Cell(monthly, col, 0), QString::fromUtf8(headings[col])) << col;
  }
  EXPECT_EQ(platform::Cell(monthly, 0, 1), QString::fromUtf8("Styczeń"));
  EXPECT_EQ(platform::Cell(monthly, 0, 12), QString::fromUtf8("Grudzień"));
  EXPECT_EQ(platform::Cell(monthly, 0, 13), "rocznie");
  EXPECT_EQ(monthly->rowHeight(0), 50);
  const int widths[7] = {62, 86, 66, 66, 56, 66, 58};
  for (int col = 0; col < 7; ++col) EXPECT_EQ(monthly->columnWidth(col), widths[col]) << col;

  QTableWidget* pollutants = ui().tabZanieczyszczenia;
  ASSERT_EQ(pollutants->columnCount(), 3);
  ASSERT_EQ(pollutants->rowCount(), 8);
  const char* names[8] = {"CO2", "SO2", "CO", "NOx", "pyły", "TOC", "16WWA", "BaP"};
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(platform::Cell(pollutants, 0, row), QString::fromUtf8(names[row]));
    EXPECT_EQ(platform::Cell(pollutants, 2, row), row == 0 ? "kg/rok" : "g/rok");
    EXPECT_EQ(platform::Cell(pollutants, 1, row), "b/d");  // nothing computed yet
  }
  EXPECT_EQ(ui().StaticText73->text(), "b/d");
  EXPECT_EQ(ui().StaticText71->text(), "b/d");
  EXPECT_EQ(wyniki_->windowTitle(), "Wyniki");
}

TEST_F(ReportWindowsTest, ResultCellsArePaintedWhiteCreamAndSilver) {
  wyniki_->show();
  QTableWidget* monthly = wyniki_->ui().TabZyskEnergetyczny;
  const QColor white(255, 255, 255), cream(255, 251, 240), silver(192, 192, 192);
  struct Case {
    int row;
    QColor colour;
  };
  for (const Case& c : {Case{0, white}, Case{1, cream}, Case{2, white}, Case{11, cream},
                        Case{12, white}, Case{13, silver}}) {
    EXPECT_EQ(CellColour(monthly, 3, c.row), c.colour) << "row " << c.row;
  }
  QTableWidget* pollutants = wyniki_->ui().tabZanieczyszczenia;
  EXPECT_EQ(CellColour(pollutants, 1, 0), white);
  EXPECT_EQ(CellColour(pollutants, 1, 1), cream);
  EXPECT_EQ(CellColour(pollutants, 1, 6), white);
  EXPECT_EQ(CellColour(pollutants, 1, 7), cream);
  // The page around the tables is white.
  EXPECT_EQ(wyniki_->grab().toImage().pixelColor(2, 2), white);
  wyniki_->hide();
}

TEST_F(ReportWindowsTest, ResultButtonsOpenTheChartAndTheReportOptions) {
  wyniki_->ui().BitBtn3->click();
  EXPECT_TRUE(wykres_->isVisible());
  wyniki_->ui().BitBtn1->click();
  EXPECT_TRUE(raport_->isVisible());
  wykres_->ui().BitBtn1->click();
  raport_->ui().BitBtn2->click();
  EXPECT_FALSE(wykres_->isVisible());
  EXPECT_FALSE(raport_->isVisible());
}

// Every named widget of a window as a line: its geometry, its text, its picture and its cells.
QStringList WidgetState(const QWidget& window) {
  QStringList lines;
  for (const QWidget* widget : window.findChildren<const QWidget*>()) {
    if (widget->objectName().isEmpty()) continue;
    QString line = widget->objectName() + ' ' + QString::number(widget->x()) + ',' +
                   QString::number(widget->y()) + ' ' + QString::number(widget->width()) + 'x' +
                   QString::number(widget->height());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      line += " \"" + label->text() + '"';
      const QImage picture = label->pixmap().toImage();
      line += ' ' +
              QString::fromLatin1(QCryptographicHash::hash(
                                      QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                                 static_cast<int>(picture.sizeInBytes())),
                                      QCryptographicHash::Md5)
                                      .toHex());
    }
    if (const auto* grid = qobject_cast<const QTableWidget*>(widget)) {
      for (int row = 0; row < grid->rowCount(); ++row)
        for (int col = 0; col < grid->columnCount(); ++col)
          line += " |" + platform::Cell(grid, col, row);
    }
    lines << line;
  }
  lines.sort();
  return lines;
}

// The main window's first showing clears the results of windows the user has not opened yet:
// such a window, built later, shows what one built at start and cleared then would show, even
// when the design's results have changed in between.
TEST_F(ReportWindowsTest, AClearBeforeTheFirstUseLeavesWhatAClearAfterItLeaves) {
  TWinWyniki builtWyniki;
  TWinWykres builtWykres;
  builtWyniki.ui.Build();
  builtWykres.ui.Build();
  ASSERT_FALSE(wyniki_->ui.Built());
  ASSERT_FALSE(wykres_->ui.Built());

  // Results of a compute in the built windows.
  Engine.HotWaterSolarEnergy[6] = 300;
  Engine.HotWaterCoverage[6] = 55;
  Engine.CollectorEfficiency[2] = 40;
  builtWykres.LayOutCharts();
  builtWyniki.ui().StaticText53->setText(QStringLiteral("2345"));
  platform::SetCell(builtWyniki.ui().TabZyskEnergetyczny, 2, 3, "45 %");
  platform::SetCell(builtWyniki.ui().tabZanieczyszczenia, 1, 0, "1850.4");

  // The clear, with the results as they stand then (a design whose bars are not all gone).
  Engine.HotWaterSolarEnergy[6] = 120;
  Engine.HotWaterCoverage[6] = 0;
  Engine.CollectorEfficiency[2] = 0;
  for (TWinWyniki* window : {&builtWyniki, wyniki_.get()}) window->ClearResults();
  for (TWinWykres* window : {&builtWykres, wykres_.get()}) window->ClearResults();
  EXPECT_FALSE(wyniki_->ui.Built());
  EXPECT_FALSE(wykres_->ui.Built());

  // Later results reach a window only through its own commands.
  Engine.HotWaterSolarEnergy[6] = 900;
  Engine.SystemEfficiency[4] = 60;
  wyniki_->ui.Build();
  wykres_->ui.Build();
  EXPECT_EQ(WidgetState(*wyniki_), WidgetState(builtWyniki));
  EXPECT_EQ(WidgetState(*wykres_), WidgetState(builtWykres));
  EXPECT_EQ(wykres_->ui().Label7->text(), "0 %");
  EXPECT_EQ(wykres_->ui().Shape7->height(), 150);  // 120 kWh on a 200 kWh axis

  // The clear takes the reductions away, not their units.
  QTableWidget* pollutants = builtWyniki.ui().tabZanieczyszczenia;
  EXPECT_EQ(platform::Cell(pollutants, 1, 0), "b/d");
  EXPECT_EQ(platform::Cell(pollutants, 0, 0), "CO2");
  EXPECT_EQ(platform::Cell(pollutants, 2, 0), "kg/rok");
  EXPECT_EQ(platform::Cell(pollutants, 2, 7), "g/rok");
}

TEST(ChartAxisTop, FollowsTheLadder) {
  struct Case {
    float julyHotWater;
    float axisTop;
  };
  // T is July's energy + 50.
  const Case cases[] = {{0, 50},       {0.5f, 100},   {120, 200},     {370, 400},
                        {400, 400},    {410, 500},    {2450, 3000},   {6450, 7000},
                        {7950, 10000}, {9950, 10000}, {11950, 100000}};
  for (const Case& c : cases) {
    CVindargast2 design = MakeDefaultDesign();
    design.HotWaterSolarEnergy[6] = c.julyHotWater;
    EXPECT_EQ(ChartAxisTop(design), c.axisTop) << "July " << c.julyHotWater;
  }
}

TEST(ChartAxisTop, PoolAndHeatingDecideOnlyWhenTheyRiseAboveJuly) {
  CVindargast2 design = MakeDefaultDesign();
  design.HotWaterSolarEnergy[6] = 200;
  design.PoolSolarEnergy[5] = 300;
  design.PoolSolarEnergy[6] = 500;
  design.PoolSolarEnergy[7] = 400;
  // No pool in the design: the hot-water rule gives 250, but the 500 kWh bar is drawn all the
  // same and steps the axis up to fit it.
  EXPECT_EQ(ChartAxisTop(design), 500);
  design.Basen = 1;
  EXPECT_EQ(ChartAxisTop(design), 750);  // July rises last: 550

  CVindargast2 heating = MakeDefaultDesign();
  heating.HotWaterSolarEnergy[6] = 200;
  heating.CWUCO = 1;
  heating.HeatingSolarEnergy[8] = 200;  // equal: hot water decides
  EXPECT_EQ(ChartAxisTop(heating), 250);
  heating.HeatingSolarEnergy[8] = 201;
  EXPECT_EQ(ChartAxisTop(heating), 300);
  heating.Basen = 1;  // a pool that never rises does not count
  EXPECT_EQ(ChartAxisTop(heating), 300);
}

TEST(ChartAxisTop, StepsUpUntilTheTallestBarOfAnyMonthFits) {
  struct Case {
    const char* name;
    int month;
    float hotWater, heating, pool;
    float axisTop;
  };
  // July's hot water is 120 kWh in every case: the rule alone gives 200.
  const Case cases[] = {
      {"all under the rule's axis", 5, 200, 0, 0, 200},
      {"June's hot water", 5, 260, 0, 0, 300},
      {"January's heating", 0, 0, 380, 0, 400},
      {"between the ladder's 400 and 500", 0, 0, 420, 0, 500},
      {"August's pool", 7, 0, 0, 2600, 3000},
      {"beyond the ladder", 1, 20000, 0, 0, 100000},
      {"beyond its last step", 1, 2.5e5f, 0, 0, 1e6f},
      {"not a number", 1, std::nanf(""), 0, 0, 200},
  };
  for (const Case& c : cases) {
    CVindargast2 design = MakeDefaultDesign();
    design.HotWaterSolarEnergy[6] = 120;
    design.HotWaterSolarEnergy[c.month] = c.hotWater;
    design.HeatingSolarEnergy[c.month] = c.heating;
    design.PoolSolarEnergy[c.month] = c.pool;
    EXPECT_EQ(ChartAxisTop(design), c.axisTop) << c.name;
  }
}

TEST_F(ReportWindowsTest, NoChartBarLeavesItsFrame) {
  Engine.HotWaterSolarEnergy[6] = 120;
  Engine.HotWaterSolarEnergy[2] = 1e30f;
  Engine.PoolSolarEnergy[7] = -50;
  Engine.CollectorEfficiency[3] = 180;
  Engine.SystemEfficiency[4] = std::nanf("");
  wykres_->LayOutCharts();
  auto& ui = wykres_->ui;
  const QRect energy(ui().Image1->x() + 50, ui().Image1->y(), 600, 251);
  const QRect efficiency(ui().Image2->x() + 15, ui().Image2->y(), 635, 221);
  for (int n = 1; n <= 36; ++n) {
    const QWidget* bar = wykres_->findChild<QWidget*>(QStringLiteral("Shape%1").arg(n));
    EXPECT_TRUE(energy.contains(bar->geometry())) << n;
  }
  for (int n = 40; n <= 63; ++n) {
    const QWidget* bar = wykres_->findChild<QWidget*>(QStringLiteral("Shape%1").arg(n));
    EXPECT_TRUE(efficiency.contains(bar->geometry())) << n;
  }
  EXPECT_EQ(ui().Shape3->height(), 250);
  EXPECT_EQ(ui().Shape43->height(), 220);
  EXPECT_EQ(ui().Shape56->height(), 0);
}

TEST_F(ReportWindowsTest, ChartBarsAndLabelsStandOnTheirAxes) {
  Engine.HotWaterSolarEnergy[6] = 120;  // axis 200 kWh: 1.25 pixels per kWh
  Engine.HotWaterCoverage[6] = 87.654f;
  Engine.HeatingSolarEnergy[0] = 40;
  Engine.PoolSolarEnergy[6] = 16;
  Engine.CollectorEfficiency[6] = 100;
  Engine.SystemEfficiency[6] = 42.7f;
  wykres_->LayOutCharts();
  auto& ui = wykres_->ui;
  const QPoint energy = ui().Image1->pos();
  const QPoint efficiency = ui().Image2->pos();

  EXPECT_EQ(ui().Shape7->geometry(), QRect(energy.x() + 360, energy.y() + 100, 17, 150));
  EXPECT_EQ(ui().Label7->text(), "87.7 %");
  EXPECT_EQ(ui().Label7->pos(), QPoint(energy.x() + 360, energy.y() + 85));
  EXPECT_EQ(ui().Shape13->geometry(), QRect(energy.x() + 77, energy.y() + 200, 15, 50));
  EXPECT_EQ(ui().Shape31->geometry(), QRect(energy.x() + 377, energy.y() + 230, 15, 20));
  EXPECT_EQ(ui().Shape1->height(), 0);
  EXPECT_EQ(ui().Shape46->geometry(), QRect(efficiency.x() + 360, efficiency.y() + 20, 10, 200));
  EXPECT_EQ(ui().Shape58->geometry(), QRect(efficiency.x() + 372, efficiency.y() + 134, 10, 85));
}

// Each series' bars and legend swatch are filled with its colour inside a black box.
TEST_F(ReportWindowsTest, ChartBarsAndSwatchesHaveTheirSeriesColours) {
  for (int month = 0; month < 12; ++month) {
    Engine.HotWaterSolarEnergy[month] = 100;  // the pool's and heating's bars share a place:
    Engine.PoolSolarEnergy[month] = month % 2 == 0 ? 40 : 0;     // even months show the pool,
    Engine.HeatingSolarEnergy[month] = month % 2 == 1 ? 40 : 0;  // odd ones the heating
    Engine.CollectorEfficiency[month] = 50;
    Engine.SystemEfficiency[month] = 40;
  }
  wykres_->show();
  wykres_->LayOutCharts();
  const QImage drawn = wykres_->grab().toImage();
  EXPECT_EQ(drawn.pixelColor(2, 2), QColor(Qt::white));  // the page
  struct Series {
    int legend;
    std::vector<int> bars;
    QColor colour;
  };
  const Series series[] = {{37, {1, 6, 12}, QColor(0, 0, 255)},
                           {39, {14, 18, 24}, QColor(0, 255, 0)},
                           {38, {25, 27, 35}, QColor(255, 0, 255)},
                           {64, {40, 45, 51}, QColor(255, 0, 0)},
                           {65, {52, 57, 63}, QColor(255, 255, 0)}};
  for (const Series& s : series) {
    std::vector<int> shapes = s.bars;
    shapes.push_back(s.legend);
    for (int shape : shapes) {
      const QRect place =
          wykres_->findChild<QWidget*>(QStringLiteral("Shape%1").arg(shape))->geometry();
      ASSERT_GT(place.height(), 2) << shape;
      EXPECT_EQ(drawn.pixelColor(place.center()), s.colour) << shape;
      EXPECT_EQ(drawn.pixelColor(place.topLeft()), QColor(Qt::black)) << shape;
      EXPECT_EQ(drawn.pixelColor(place.bottomRight()), QColor(Qt::black)) << shape;
    }
  }
  wykres_->hide();
}

TEST_F(ReportWindowsTest, ReportLogoIsFoundInTheProgramFolder) {
  // Whatever the working folder is when the report is made.
  const QString logo = raport_->LogoFile;
  EXPECT_TRUE(QDir::isAbsolutePath(logo));
  EXPECT_EQ(logo, QDir(QCoreApplication::applicationDirPath()).filePath("Grafika/logowydruk.jpg"));
}

TEST_F(ReportWindowsTest, ReportOptionsStartEmptyWithTheirBoxes) {
  auto& ui = raport_->ui;
  for (QLineEdit* edit : {ui().ENazwaProjektu, ui().EProjektant, ui().ELokalizacja, ui().EWWW,
                          ui().EMail, ui().ETelefon}) {
    EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
  }
  const bool ticked[6] = {false, true, false, true, true, true};
  QCheckBox* boxes[6] = {ui().CheckBox1, ui().CheckBox2, ui().CheckBox3,
                         ui().CheckBox4, ui().CheckBox5, ui().CheckBox6};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(boxes[i]->isChecked(), ticked[i]) << i;
  for (QCheckBox* chapter :
       {ui().CheckInformacje, ui().CheckObliczenia, ui().CheckZwrot, ui().CheckWykresy}) {
    EXPECT_TRUE(chapter->isChecked());
  }
  EXPECT_EQ(raport_->windowTitle(), "Opcje Raportu");
  EXPECT_EQ(ui().BitGeneruj->text(), "Zapisz Raport");
}

}  // namespace
