// The tank window: one or two tanks checked against the required volume, the first tank large
// enough at creation, the window's width, and the tank cost item whichever way the window is left.
#include <QPushButton>

#include "main/zasobnik.h"
#include "selection_fixture.h"

namespace {

const QString kTooSmall = "Wybrana pojemność zasobnika jest zbyt mała.\nProszę wybrać większą";

class TankWindowTest : public SelectionTest {
 protected:
  void SetUp() override {
    SelectionTest::SetUp();
    // Capacities 200, 300 and 400 l at prices 1000, 2000 and 3000.
    KeepRows(Form1->TankCatalogue, 3);
    for (int row = 0; row < 3; ++row) {
      std::vector<std::string>& cells = Form1->TankCatalogue.Rows[size_t(row)];
      cells[2] = "Zasobnik " + std::to_string(200 + 100 * row);
      cells[4] = std::to_string(200 + 100 * row);
      cells[12] = std::to_string(1000 * (row + 1));
    }
  }

  // The design's required volume: persons x litres x factor (halved for two tanks).
  static void RequireVolume(float litres, int tanks) {
    Engine.LiczbaOsob = 1;
    Engine.WspolczynnikKrotnosci = 1;
    Engine.DCWU = litres;
    Engine.LiczbaZasobnikow = tanks;
  }
};

TEST_F(TankWindowTest, OneTankCreationTakesTheFirstLargerTankAndPicksWarnWhenTooSmall) {
  RequireVolume(300, 1);
  platform::ScriptedDialogs dialogs;
  TWinZasobnik window;
  EXPECT_EQ(Engine.Tank1Index, 2);  // 300 l is not larger than 300 l
  EXPECT_EQ(Engine.SelectedTank->Model, "Zasobnik 400");
  EXPECT_FLOAT_EQ(Engine.Tank1Volume, 400);
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 3000);
  EXPECT_EQ(Text(window.ui().TabelaZasobnika1, 1, 12), "300");
  EXPECT_EQ(Text(Form1->ui().Label66), "Zasobnik 400");
  EXPECT_EQ(Text(Form1->ui().Label67), "400");
  EXPECT_EQ(Text(Form1->ui().Label64), "");
  // The second tank is not taken; its combo still invites a choice.
  EXPECT_EQ(window.ui().ComboWyborZasobnika2->currentIndex(), -1);
  EXPECT_EQ(window.ui().ComboWyborZasobnika2->currentText(), " ---- wybierz zasobnik ----");
  EXPECT_EQ(Engine.SelectedTank2->ID, 0);

  Pick(window.ui().ComboWyborZasobnika, 1);  // exactly the required volume: no warning
  EXPECT_EQ(Engine.SelectedTank->Model, "Zasobnik 300");

  dialogs.ExpectBox("Ostrzeżenie", kTooSmall, platform::Icon::Warning);
  Pick(window.ui().ComboWyborZasobnika, 0);
  EXPECT_EQ(Engine.SelectedTank->Model, "Zasobnik 200");  // kept all the same
  EXPECT_EQ(Engine.Tank1Index, 0);
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 1000);
  EXPECT_EQ(Form1->StatusText(0), "Wybrano zasobnik: Zasobnik 200");
  EXPECT_EQ(Text(Form1->ui().Label67), "200");
}

TEST_F(TankWindowTest, NoTankLargeEnoughTakesTheFirstRow) {
  RequireVolume(1000, 1);
  platform::ScriptedDialogs dialogs;
  TWinZasobnik window;
  EXPECT_EQ(Engine.Tank1Index, 0);
  EXPECT_EQ(Engine.SelectedTank->Model, "Zasobnik 200");
}

TEST_F(TankWindowTest, TwoTanksAreEachComparedWithHalfTheVolume) {
  RequireVolume(500, 2);  // 250 l per tank
  platform::ScriptedDialogs dialogs;
  TWinZasobnik window;
  EXPECT_EQ(Engine.Tank1Index, 0);  // with two tanks the creation keeps the row it has
  EXPECT_EQ(Text(window.ui().TabelaZasobnika2, 1, 12), "250");

  Pick(window.ui().ComboWyborZasobnika, 2);   // 400 l
  Pick(window.ui().ComboWyborZasobnika2, 1);  // 300 l: both large enough
  EXPECT_EQ(Engine.SelectedTank2->Model, "Zasobnik 300");
  EXPECT_FLOAT_EQ(Engine.Tank2Volume, 300);
  EXPECT_FLOAT_EQ(Engine.Tank2Price, 2000);

  dialogs.ExpectBox("Ostrzeżenie", kTooSmall, platform::Icon::Warning);
  Pick(window.ui().ComboWyborZasobnika2, 0);  // 200 l is below 250 l
  EXPECT_EQ(Engine.SelectedTank2->Model, "Zasobnik 200");

  dialogs.ExpectBox("Ostrzeżenie", kTooSmall, platform::Icon::Warning);
  Pick(window.ui().ComboWyborZasobnika, 0);
  // The second tank's pick also warns when the first tank is too small.
  dialogs.ExpectBox("Ostrzeżenie", kTooSmall, platform::Icon::Warning);
  Pick(window.ui().ComboWyborZasobnika2, 2);
  EXPECT_EQ(Form1->StatusText(0), "Wybrano zasobnik: Zasobnik 200");  // the second writes none
}

// The cost item is the first tank's price plus the second's with two tanks, however the window
// is left and whenever a tank or the number of tanks changes.
TEST_F(TankWindowTest, TankPriceIsAlwaysTheSumOfTheDesignsTanks) {
  RequireVolume(300, 2);
  platform::ScriptedDialogs dialogs;
  TWinZasobnik window;
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 1000);  // no second tank taken yet

  Pick(window.ui().ComboWyborZasobnika2, 2);
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 4000);
  EXPECT_FLOAT_EQ(Engine.Tank2Price, 3000);

  // A new first tank, and the window left by its close box.
  window.show();
  Pick(window.ui().ComboWyborZasobnika, 1);
  window.reject();
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 5000);

  // The same through "Akceptuj", which also shows both capacities.
  window.show();
  window.ui().BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 5000);
  EXPECT_EQ(Text(Form1->ui().Label67), "300");
  EXPECT_EQ(Text(Form1->ui().Label64), "400");

  // One tank from now on: the second tank's price no longer counts.
  Engine.LiczbaZasobnikow = 1;
  TWinZasobnik::StoreTankPrice();
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 2000);
  EXPECT_FLOAT_EQ(Engine.Tank2Price, 0);
  window.show();
  window.ui().BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 2000);
  EXPECT_FLOAT_EQ(Engine.Tank2Price, 0);
  EXPECT_EQ(Text(Form1->ui().Label64), "400");  // shown by the main window only with two tanks

  // And two again.
  Engine.LiczbaZasobnikow = 2;
  TWinZasobnik::StoreTankPrice();
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 5000);
}

TEST_F(TankWindowTest, ShowingFitsTheWidthToTheTanksAndShowsAProjectsTanks) {
  RequireVolume(300, 1);
  platform::ScriptedDialogs dialogs;
  TWinZasobnik window;
  window.show();
  EXPECT_EQ(window.width(), TWinZasobnik::kOneTankWidth);
  EXPECT_EQ(window.maximumWidth(), TWinZasobnik::kTwoTanksWidth);
  window.hide();

  Engine.LiczbaZasobnikow = 2;
  Engine.ProjectLoaded = 1;
  Engine.SelectedTank->ID = 7;
  Engine.SelectedTank->Model = "Pierwszy z projektu";
  Engine.SelectedTank2->ID = 8;
  Engine.SelectedTank2->Model = "Drugi z projektu";
  const float cost = Engine.CenaZasobnik;
  window.show();
  EXPECT_EQ(window.width(), TWinZasobnik::kTwoTanksWidth);
  EXPECT_EQ(window.ui().ComboWyborZasobnika->currentText(), "Pierwszy z projektu");
  EXPECT_EQ(window.ui().ComboWyborZasobnika2->currentText(), "Drugi z projektu");
  EXPECT_EQ(Text(window.ui().TabelaZasobnika2, 1, 1), "Drugi z projektu");
  EXPECT_EQ(Text(window.ui().TabelaZasobnika1, 1, 12), "150");
  EXPECT_EQ(Text(window.ui().TabelaZasobnika2, 1, 12), "150");
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, cost);  // showing writes nothing
}

}  // namespace
