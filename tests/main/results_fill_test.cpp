// The results command: the design data, the energy summary and the monthly grid written into the
// results window from Engine, its layout for the four scheme and pool cases, and its modal show.
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <iterator>

#include "command_fixture.h"

namespace {

class ResultsFillTest : public CommandTest {
 protected:
  static Ui::TWinWyniki& Results() { return WinWyniki->ui(); }

  // Fills the results command and closes the results window once it runs modally.
  static void ShowResults() {
    Form1->ui().BitBtn11->setEnabled(true);  // as the compute command leaves it
    QWidget* modal = ModalDuring([] { Form1->ui().BitBtn11->click(); });
    EXPECT_EQ(modal, WinWyniki);
  }

  static std::string Cell(int col, int row) {
    return Text(Results().TabZyskEnergetyczny, col, row);
  }

  // Monthly values whose sums and means are known exactly: month m (0 = January) holds m + 1
  // times the base, so a year holds 78 times it.
  static void FillMonths() {
    for (int m = 0; m < 12; ++m) {
      const float k = float(m + 1);
      Engine.Naslonecznienie[m] = 10 * k;
      Engine.CollectorEfficiency[m] = 2 * k;
      Engine.SystemEfficiency[m] = 3 * k;
      Engine.HeatLoss[m][0] = 4 * k;
      Engine.HeatLoss[m][1] = 1000;  // without circulation: not shown
      Engine.HotWaterSolarEnergy[m] = 5 * k;
      Engine.HotWaterCoverage[m] = 6 * k;
      Engine.PoolSolarEnergy[m] = 7 * k;
      Engine.HeatingSolarEnergy[m] = 8 * k;
    }
  }

  platform::ScriptedDialogs dialogs;
};

TEST_F(ResultsFillTest, MonthlyGridHoldsEachMonthAndTheYearsSumsAndMeans) {
  FillMonths();
  ShowResults();
  // January and December.
  const std::vector<std::vector<std::string>> months = {
      {"10", "2 %", "3 %", "4", "5", "6 %", "7", "8", "20"},
      {"120", "24 %", "36 %", "48", "60", "72 %", "84", "96", "240"},
  };
  for (int col = 1; col <= 9; ++col) {
    EXPECT_EQ(Cell(col, 1), months[0][size_t(col - 1)]) << "column " << col;
    EXPECT_EQ(Cell(col, 12), months[1][size_t(col - 1)]) << "column " << col;
  }
  // The year: sums, and the means of the three percentages with " %".
  const std::vector<std::string> year = {"780",  "13 %", "19.5 %", "312", "390",
                                         "39 %", "546",  "624",    "1560"};
  for (int col = 1; col <= 9; ++col)
    EXPECT_EQ(Cell(col, 13), year[size_t(col - 1)]) << "column " << col;
  EXPECT_EQ(Cell(0, 13), "rocznie");
  EXPECT_EQ(Cell(0, 1), "Styczeń");
}

TEST_F(ResultsFillTest, NumbersFollowTheirSignificantDigits) {
  std::fill(std::begin(Engine.Naslonecznienie), std::end(Engine.Naslonecznienie), 0.0f);
  Engine.Naslonecznienie[0] = 123.456f;    // 3 digits in the month, 6 in the year
  Engine.CollectorEfficiency[0] = 45.67f;  // 3 digits
  Engine.SystemEfficiency[0] = 45.67f;     // 4 digits
  Engine.HotWaterSolarEnergy[0] = 12345;   // 4 digits: exponent form
  ShowResults();
  EXPECT_EQ(Cell(1, 1), "123");
  EXPECT_EQ(Cell(1, 13), "123.456");
  EXPECT_EQ(Cell(2, 1), "45.7 %");
  EXPECT_EQ(Cell(3, 1), "45.67 %");
  EXPECT_EQ(Cell(5, 1), "1.235E4");
}

// The four scheme and pool cases: columns 7 to 9 share 200 px, the captions say what is chosen,
// and the hidden values are still written.
TEST_F(ResultsFillTest, LayoutFollowsPoolAndCentralHeating) {
  struct Case {
    bool pool;
    int scheme;
    int poolWidth, heatingWidth, sumWidth;
    const char* poolCaption;
    const char* heatingCaption;
    const char* type;
  };
  const Case cases[] = {
      {false, 0, 0, 0, 200, "Nie wybrano basenu", "Nie wybrano wspomagania CO", "CWU"},
      {true, 0, 60, 0, 140, "Suma energii na Basen", "Nie wybrano wspomagania CO", "CWU"},
      {false, 1, 0, 60, 140, "Nie wybrano basenu", "Suma energii na CO", "CO + CWU"},
      {true, 1, 60, 60, 80, "Suma energii na Basen", "Suma energii na CO", "CO + CWU"},
  };
  Engine.AnnualPoolSolarEnergy = 321;
  Engine.AnnualHeatingSolarEnergy = 654;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + (c.pool ? " with pool" : ""));
    Form1->ui().CheckBasen->setChecked(c.pool);
    Engine.CWUCO = c.scheme;
    ShowResults();
    QTableWidget* grid = Results().TabZyskEnergetyczny;
    EXPECT_EQ(grid->columnWidth(7), c.poolWidth);
    EXPECT_EQ(grid->columnWidth(8), c.heatingWidth);
    EXPECT_EQ(grid->columnWidth(9), c.sumWidth);
    EXPECT_EQ(grid->columnWidth(7) + grid->columnWidth(8) + grid->columnWidth(9), 200);
    EXPECT_EQ(Results().StaticText47->text(), QString::fromUtf8(c.poolCaption));
    EXPECT_EQ(Results().StaticText45->text(), QString::fromUtf8(c.heatingCaption));
    EXPECT_EQ(Results().StaticText42->text(), c.type);
    for (QWidget* w : {Results().StaticText50, Results().StaticText51, Results().StaticText67,
                       Results().StaticText68, Results().StaticText69, Results().StaticText65,
                       Results().StaticText66, Results().StaticText61})
      EXPECT_EQ(w->isHidden(), !c.pool) << w->objectName().toStdString();
    for (QWidget* w : {Results().StaticText59, Results().StaticText60, Results().StaticText46,
                       Results().StaticText62, Results().StaticText63, Results().StaticText64,
                       Results().StaticText72, Results().StaticText49})
      EXPECT_EQ(w->isHidden(), c.scheme == 0) << w->objectName().toStdString();
    EXPECT_EQ(Results().StaticText67->text(), "321");
    EXPECT_EQ(Results().StaticText62->text(), "654");
  }
}

TEST_F(ResultsFillTest, DesignDataAndSummaryComeFromTheDesign) {
  Engine.LiczbaKolektorow = 3;
  Engine.CollectorArea = 2.1f;
  Engine.LiczbaOsob = 4;
  Engine.DCWU = 50;
  Engine.HotWaterEnergy = 300;
  Engine.LiczbaZasobnikow = 2;
  Engine.TotalTankVolume = 500;
  Engine.TemperaturaWodyWZasobniku = 55;
  Engine.TemperaturaWodySieci = 10;
  Engine.KatBeta = 35;
  Engine.KatGamma = 15;
  Engine.SzerokoscGeograficzna = 52.23f;
  Engine.AnnualHotWaterSolarEnergy = 2345.6f;
  Engine.AnnualHeatLoss = 400;
  Engine.AnnualHotWaterCoverage = 56.78f;
  Engine.AnnualHeatingDemand = 18000;
  Engine.HeatingCoverage = 12.34f;
  Engine.PoolEnergyDemand = 150;
  Engine.BasenOd = 4;
  Engine.BasenDo = 7;
  Engine.PoolCoverage = 45.6f;
  Engine.YieldPerSquareMetre = 412.3f;
  Engine.Costs.PaybackYears = 12.34f;
  Engine.Costs.ResultsComputed = true;
  ShowResults();

  const std::vector<std::pair<QLabel*, const char*>> expected = {
      {Results().StaticText26, "52.23"},  {Results().StaticText2, "200"},
      {Results().StaticText28, "10"},     {Results().StaticText16, "2"},
      {Results().StaticText31, "500"},    {Results().StaticText17, "55"},
      {Results().StaticText18, "10"},     {Results().StaticText19, "3"},
      {Results().StaticText22, "35"},     {Results().StaticText23, "15"},
      {Results().StaticText24, "2.1"},    {Results().StaticText34, "6.3"},
      {Results().StaticText53, "2345.6"}, {Results().StaticText57, "4000"},
      {Results().StaticText58, "56.78"},  {Results().StaticText63, "18000"},
      {Results().StaticText64, "12.3"},   {Results().StaticText68, "600"},
      {Results().StaticText69, "45.6"},   {Results().StaticText70, "412.3"},
      {Results().StaticText73, "12.3"},
  };
  for (const auto& [label, text] : expected)
    EXPECT_EQ(label->text(), text) << label->objectName().toStdString();

  // A tank count other than 1 or 2 leaves the text as it was.
  Engine.LiczbaZasobnikow = 3;
  ShowResults();
  EXPECT_EQ(Results().StaticText16->text(), "2");
  // A season whose first month follows its last has no pool demand.
  Engine.BasenOd = 8;
  Engine.BasenDo = 2;
  ShowResults();
  EXPECT_EQ(Results().StaticText68->text(), "0");
  // Without a cost calculation of this design there is no payback period, not one of 0 years.
  Engine.Costs.ClearResults();
  ShowResults();
  EXPECT_EQ(Results().StaticText73->text(), "b/d");
}

// After a project was opened the location window's grid may still show the city chosen before;
// the results show the design's own location.
TEST_F(ResultsFillTest, LocationIsTheDesignsNotTheLocationGrids) {
  platform::SetCell(WinLokalizacja->ui().TblMiasto, 0, 1, "Gdańsk");
  Form1->ui().Label49->setText("Zakopane");
  Engine.SzerokoscGeograficzna = 49.3f;
  ShowResults();
  EXPECT_EQ(Results().StaticText27->text(), "Zakopane");
  EXPECT_EQ(Results().StaticText26->text(), "49.3");
}

// The pollutant grid and the savings belong to the calculators: the command leaves them.
TEST_F(ResultsFillTest, CalculatorsResultsStayAsTheyWere) {
  Results().StaticText71->setText("777");
  platform::SetCell(Results().tabZanieczyszczenia, 1, 0, "1234");
  ShowResults();
  EXPECT_EQ(Results().StaticText71->text(), "777");
  EXPECT_EQ(Text(Results().tabZanieczyszczenia, 1, 0), "1234");
}

}  // namespace
