// The collector window's own copies into Engine and its efficiency chart, and what "Akceptuj"
// writes in the controller and pump windows.
#include <QPushButton>

#include "main/kolektor.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "selection_fixture.h"

namespace {

class CollectorWindowTest : public SelectionTest {
 protected:
  // Collector row 1 with eta0 80 %, k1 4, k2 0.0147 and a price of 1000.
  void SetUp() override {
    SelectionTest::SetUp();
    std::vector<std::string>& row = Form1->CollectorCatalogue.Rows[1];
    row[4] = "4";
    row[5] = "0.0147";
    row[6] = "80";
    row[11] = "1000";
  }

  static bool BlackNear(const QImage& chart, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      if (QColor(chart.pixel(x, y + dy)) == QColor(Qt::black)) return true;
    return false;
  }
};

TEST_F(CollectorWindowTest, PickCopiesTheCollectorAndPricesEveryCollector) {
  platform::ScriptedDialogs dialogs;
  Engine.LiczbaKolektorow = 4;
  TWinKolektor window;
  Pick(window.ui().ComboWyborKolektora, 1);
  const CKolektor& collector = *Engine.SelectedCollector;
  EXPECT_FLOAT_EQ(Engine.CenaKolektory, 4000);
  EXPECT_FLOAT_EQ(Engine.CollectorEta0, 80);
  EXPECT_FLOAT_EQ(Engine.CollectorK1, 4);
  EXPECT_FLOAT_EQ(Engine.CollectorK2, 0.0147f);
  EXPECT_FLOAT_EQ(Engine.CollectorArea, collector.PowierzchniaKolektora);
  EXPECT_FLOAT_EQ(Engine.CollectorUnitFlow, collector.JednostkoweNatezenie);
  EXPECT_FLOAT_EQ(Engine.CollectorUnitPressureDrop, collector.JednostkoweCisnienie);
  EXPECT_FLOAT_EQ(Engine.CollectorAbsorberVolume, collector.PojemnoscAbsorbera);
  EXPECT_EQ(Text(Form1->ui().Label62), "4");
  EXPECT_EQ(Text(Form1->ui().Label63), "0.015");  // two significant digits
}

TEST_F(CollectorWindowTest, ChartShowsTheCurveOnlyAfterAPick) {
  platform::ScriptedDialogs dialogs;
  TWinKolektor window;
  EXPECT_EQ(window.ui().Edit2->text(), "800");
  // dT 50 at G 800: 0.8 - (50 / 800 x 4 + 2500 / 800 x 0.0147) = 0.50406, y = 200 - 100.
  const int x = 20 + 50, y = 200 - 100;
  EXPECT_FALSE(BlackNear(window.Chart(), x, y));
  Pick(window.ui().ComboWyborKolektora, 1);
  EXPECT_TRUE(BlackNear(window.Chart(), x, y));
  // The axes are drawn in any case.
  EXPECT_EQ(QColor(window.Chart().pixel(20, 100)), QColor(Qt::black));
}

TEST_F(CollectorWindowTest, AnIrradianceThatIsNoNumberKeepsTheChartAndTheChoice) {
  platform::ScriptedDialogs dialogs;
  TWinKolektor window;
  const QImage before = window.Chart();
  window.ui().Edit2->setText("8OO");
  dialogs.ExpectError("'8OO' is not a valid floating point value");
  Pick(window.ui().ComboWyborKolektora, 1);
  EXPECT_EQ(window.Chart(), before);
  EXPECT_EQ(Engine.CollectorIndex, 1);
  EXPECT_FLOAT_EQ(Engine.CollectorK1, 4);
  EXPECT_EQ(Form1->StatusText(0).toStdString(),
            "Wybrano Kolektor: " + Form1->CollectorCatalogue.Rows[1][2] + ", " +
                Form1->CollectorCatalogue.Rows[1][3]);
}

TEST_F(CollectorWindowTest, ZeroIrradianceDrawsNoCurve) {
  platform::ScriptedDialogs dialogs;
  TWinKolektor window;
  const QImage frame = window.Chart();
  window.ui().Edit2->setText("0");
  Pick(window.ui().ComboWyborKolektora, 1);
  EXPECT_EQ(window.Chart(), frame);
}

TEST_F(SelectionTest, AcceptWritesTheControllerAsShownAndThePumpsModel) {
  platform::ScriptedDialogs dialogs;
  TWinSterownik controller;
  TWinPompa pump;
  Form1->ui().Label70->clear();
  Form1->ui().Label77->clear();
  platform::SetCell(controller.ui().TabelaSterownikow, 1, 9, "jak w tabeli");
  controller.show();
  controller.ui().BitBtn1->click();
  EXPECT_FALSE(controller.isVisible());
  EXPECT_EQ(Text(Form1->ui().Label70), "jak w tabeli");
  pump.show();
  pump.ui().BitBtn1->click();
  EXPECT_FALSE(pump.isVisible());
  EXPECT_EQ(Text(Form1->ui().Label77), Engine.SelectedPump->Model);
}

}  // namespace
