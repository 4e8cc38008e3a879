// The location window: the first city at creation, a pick with its status text, the project's city
// found by its id when shown, "Akceptuj" without a city, and catalogues that changed under it.
#include <QPushButton>

#include "main/lokalizacja.h"
#include "selection_fixture.h"

namespace {

const QString kNoCity = "Nie wybrałeś żadnej miejscowosci !!!";

class LocationWindowTest : public SelectionTest {
 protected:
  static const std::vector<std::string>& City(int row) {
    return Form1->CityCatalogue.Rows[size_t(row)];
  }

  // The grids and Engine hold city row `row` (Engine: when `inEngine`).
  static void ExpectCity(const TWinLokalizacja& window, int row, bool inEngine) {
    const std::vector<std::string>& city = City(row);
    EXPECT_EQ(Text(window.ui().TblMiasto, 0, 1), city[1]);
    EXPECT_EQ(Text(window.ui().TblMiasto, 1, 1), city[38]);
    for (int m = 0; m < 12; ++m) {
      EXPECT_EQ(Text(window.ui().TblLokalizacja, 1, m + 1), city[size_t(2 + m)]) << m;
      EXPECT_EQ(Text(window.ui().TblLokalizacja, 2, m + 1), city[size_t(14 + m)]) << m;
      EXPECT_EQ(Text(window.ui().TblLokalizacja, 3, m + 1), city[size_t(26 + m)]) << m;
      if (!inEngine) continue;
      EXPECT_FLOAT_EQ(Engine.Naslonecznienie[m], ReadFloat(city[size_t(2 + m)])) << m;
      EXPECT_FLOAT_EQ(Engine.Temperatura[m], ReadFloat(city[size_t(14 + m)])) << m;
      EXPECT_FLOAT_EQ(Engine.Uslonecznienie[m], ReadFloat(city[size_t(26 + m)])) << m;
    }
    if (!inEngine) return;
    EXPECT_FLOAT_EQ(Engine.SzerokoscGeograficzna, ReadFloat(city[38]));
    EXPECT_EQ(Engine.IDMiasta, ReadInt(city[0]));
    EXPECT_EQ(Text(Form1->ui().Label49), city[1]);
  }

  // Engine's climate as a project file brought it: none of the catalogue's cities.
  static void LoadProjectClimate(int32_t cityId) {
    Engine.ProjectLoaded = 1;
    Engine.IDMiasta = cityId;
    for (int m = 0; m < 12; ++m) Engine.Naslonecznienie[m] = 1000.0f + m;
    Engine.SzerokoscGeograficzna = 11;
  }

  static void ExpectProjectClimate() {
    for (int m = 0; m < 12; ++m) EXPECT_FLOAT_EQ(Engine.Naslonecznienie[m], 1000.0f + m);
    EXPECT_FLOAT_EQ(Engine.SzerokoscGeograficzna, 11);
  }
};

TEST_F(LocationWindowTest, CreationTakesTheFirstCity) {
  platform::ScriptedDialogs dialogs;
  Engine.ProjectLoaded = 1;
  TWinLokalizacja window;
  EXPECT_EQ(SelectedCityRow, 0);
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentIndex(), 0);
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->count(), Form1->CityCatalogue.RowCount);
  ExpectCity(window, 0, true);
  EXPECT_EQ(Text(window.ui().TblLokalizacja, 0, 1), "Styczeń");
  EXPECT_EQ(Text(window.ui().TblLokalizacja, 0, 12), "Grudzień");
  EXPECT_EQ(Text(window.ui().TblLokalizacja, 1, 0), "Nasłonecznienie w [kWh/m2]");
  EXPECT_EQ(Text(window.ui().TblMiasto, 1, 0), "Szerokość geograficzna");
  EXPECT_EQ(Form1->StatusText(0), "Gotowy");
  EXPECT_EQ(Engine.ProjectLoaded, 1);
}

TEST_F(LocationWindowTest, PickTakesTheCityAndEndsTheProjectsCity) {
  platform::ScriptedDialogs dialogs;
  Form1->CityCatalogue.Rows[3][38] = "52.250";  // shown as stored, read as its value
  TWinLokalizacja window;
  Engine.ProjectLoaded = 1;
  Pick(window.ui().ComboWyborLokalizacji, 3);
  EXPECT_EQ(SelectedCityRow, 3);
  ExpectCity(window, 3, true);
  EXPECT_EQ(Text(window.ui().TblMiasto, 1, 1), "52.250");
  EXPECT_FLOAT_EQ(Engine.SzerokoscGeograficzna, 52.25f);
  EXPECT_EQ(Engine.ProjectLoaded, 0);
  EXPECT_EQ(Form1->StatusText(0).toStdString(),
            "Wybrano miasto: " + City(3)[1] + " o szerokości geograficznej 52.250");

  // Reopened, the window shows the picked city, and "Akceptuj" closes it at once.
  window.show();
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentIndex(), 3);
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentText().toStdString(), City(3)[1]);
  window.ui().BitBtn1->click();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(LocationWindowTest, ShowingFindsTheProjectsCityByIdAndKeepsItsClimate) {
  platform::ScriptedDialogs dialogs;
  TWinLokalizacja window;
  LoadProjectClimate(ReadInt(City(5)[0]));
  window.show();
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentIndex(), 5);
  ExpectCity(window, 5, false);
  ExpectProjectClimate();
  EXPECT_EQ(SelectedCityRow, 0);
  window.ui().BitBtn1->click();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(LocationWindowTest, TwoRowsWithTheProjectsIdShowTheLaterOne) {
  platform::ScriptedDialogs dialogs;
  Form1->CityCatalogue.Rows[6][0] = Form1->CityCatalogue.Rows[2][0];
  TWinLokalizacja window;
  LoadProjectClimate(ReadInt(City(2)[0]));
  window.show();
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentIndex(), 6);
  ExpectCity(window, 6, false);
}

TEST_F(LocationWindowTest, AProjectCityInNoRowLeavesNoEntryAndAcceptWarns) {
  platform::ScriptedDialogs dialogs;
  TWinLokalizacja window;
  LoadProjectClimate(99999);
  window.show();
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentIndex(), -1);
  ExpectCity(window, 0, false);  // the grids keep what they showed
  dialogs.ExpectBox("Ostrzeżenie", kNoCity, platform::Icon::Warning);
  window.ui().BitBtn1->click();
  EXPECT_TRUE(window.isVisible());
  ExpectProjectClimate();
  // Until a city is picked.
  Pick(window.ui().ComboWyborLokalizacji, 1);
  window.ui().BitBtn1->click();
  EXPECT_FALSE(window.isVisible());
  ExpectCity(window, 1, true);
}

TEST_F(LocationWindowTest, CatalogueChangesNeverLeadBeyondTheTable) {
  platform::ScriptedDialogs dialogs;
  TWinLokalizacja window;
  Pick(window.ui().ComboWyborLokalizacji, 5);
  const std::vector<std::string> picked = City(5);
  // The city editor deleted rows: the picked city is gone and its number names no row.
  KeepRows(Form1->CityCatalogue, 3);
  window.show();
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->count(), 3);
  EXPECT_EQ(window.ui().ComboWyborLokalizacji->currentIndex(), -1);
  EXPECT_EQ(Text(window.ui().TblMiasto, 0, 1), picked[1]);  // still the city in Engine
  dialogs.ExpectBox("Ostrzeżenie", kNoCity, platform::Icon::Warning);
  window.ui().BitBtn1->click();
  window.hide();

  // An empty catalogue: nothing to show and nothing taken.
  KeepRows(Form1->CityCatalogue, 0);
  TWinLokalizacja empty;
  EXPECT_EQ(empty.ui().ComboWyborLokalizacji->count(), 0);
  EXPECT_EQ(Engine.IDMiasta, ReadInt(picked[0]));
  empty.show();
  EXPECT_EQ(empty.ui().ComboWyborLokalizacji->currentIndex(), -1);
}

TEST_F(LocationWindowTest, AMonthlyValueThatIsNoNumberStopsThePickWhereItIs) {
  platform::ScriptedDialogs dialogs;
  Form1->CityCatalogue.Rows[4][14 + 3] = "7,5";  // April's temperature
  TWinLokalizacja window;
  const float latitude = Engine.SzerokoscGeograficzna;
  dialogs.ExpectError("'7,5' is not a valid floating point value");
  Pick(window.ui().ComboWyborLokalizacji, 4);
  // January to March are taken; the latitude and the id are not.
  EXPECT_FLOAT_EQ(Engine.Temperatura[2], ReadFloat(City(4)[14 + 2]));
  EXPECT_FLOAT_EQ(Engine.SzerokoscGeograficzna, latitude);
  EXPECT_EQ(Engine.IDMiasta, ReadInt(City(0)[0]));
}

}  // namespace
