// The insulation and mounting-structure window: thicknesses of a kind at the pipe diameter, their
// costs over the pipe lengths, a kind without thicknesses, "Akceptuj" without a thickness, and the
// structure's price.
#include <QPushButton>
#include <QTest>

#include "main/izolacja.h"
#include "selection_fixture.h"

namespace {

const QString kNoThickness =
    "Wybrany rodzaj izolacji nie posiada \nżadnych grubości dla ustawionej wielkości "
    "średnicy\nSpróbuj zminić wielkośc średnicy albo rodzaj izolacji";

class InsulationWindowTest : public SelectionTest {
 protected:
  void SetUp() override {
    SelectionTest::SetUp();
    // Kinds 1, 2 and 3 (the first three insulation rows); thickness rows by diameter text.
    CCatalogueTable& kinds = Form1->InsulationCatalogue;
    for (int row = 0; row < 3; ++row) kinds.Rows[size_t(row)][0] = std::to_string(row + 1);
    CCatalogueTable& thicknesses = Form1->ThicknessCatalogue;
    thicknesses.Rows = {
        {"1", "1", "18", "13", "4.5", "1"}, {"2", "1", "18", "19", "6", "1"},
        {"3", "2", "22", "19", "7", "1"},   {"4", "1", "18", "25", "8", "1"},
        {"5", "1", "22.0", "13", "5", "1"}, {"6", "1", "18", "32", "10", "1"},
        {"7", "2", "22", "25", "9", "1"},   {"8", "1", "15", "13", "3", "1"},
        {"9", "1", "15", "19", "4", "1"},
    };
    thicknesses.RowCount = int(thicknesses.Rows.size());
    Engine.DlugoscPrzewodowNaZewnatrz = 10;
    Engine.DlugoscPrzewodowWewnatrz = 20;
  }

  static void SetDiameter(const char* text) {
    Form1->ui().ComboSrednicaPrzewodu->setEditText(text);
  }

  static std::vector<std::string> Listed(const QTableWidget* grid) {
    std::vector<std::string> rows;
    for (int row = 1; row < grid->rowCount(); ++row)
      rows.push_back(Text(grid, 0, row) + "/" + Text(grid, 1, row));
    return rows;
  }

  static QString Currency(float value, int precision) {
    return QString::fromStdString(CurrencyText(value, precision, DotFormatSettings));
  }
};

TEST_F(InsulationWindowTest, CreationTakesTheFirstKindWithTheFourthThicknessPrice) {
  platform::ScriptedDialogs dialogs;
  Form1->ui().CheckIzolacja->setChecked(true);
  Engine.CenaInne = 123;
  TWinIzolacja window;
  const CIzolacja& insulation = *Engine.SelectedInsulation;
  EXPECT_EQ(Engine.InsulationIndex, 0);
  EXPECT_EQ(insulation.ID, 1);
  EXPECT_EQ(Text(window.ui().TabelaIzolacja, 1, 5), "18 [mm]");
  const std::vector<std::string> listed = {"13/4.5", "19/6", "25/8", "32/10"};
  EXPECT_EQ(Listed(window.ui().StringGrid1), listed);
  EXPECT_EQ(Listed(window.ui().StringGrid2), listed);
  EXPECT_FLOAT_EQ(insulation.CenaIzolacjiZew, 100);  // 10 per metre x 10 m
  EXPECT_FLOAT_EQ(insulation.CenaIzolacjiWew, 200);  // x 20 m
  EXPECT_FLOAT_EQ(insulation.Cena, 300);
  EXPECT_FLOAT_EQ(Engine.InsulationCost, 300);
  EXPECT_FLOAT_EQ(Engine.InsulationLambda, insulation.Lambda);
  EXPECT_EQ(window.ui().Label1->text(), Currency(100, 4));
  EXPECT_EQ(window.ui().Label2->text(), Currency(200, 4));
  EXPECT_EQ(window.ui().Label5->text(), "32 [mm]");  // the engine's thicknesses
  EXPECT_EQ(Text(Form1->ui().Label71), insulation.Model);
  EXPECT_EQ(Text(Form1->ui().Label72), GeneralText(insulation.Lambda, 2, 4));
  // The first structure is taken, but its price counts only once the user picks one.
  EXPECT_EQ(Engine.StructureIndex, 0);
  EXPECT_EQ(Engine.SelectedStructure->Model, Form1->StructureCatalogue.Rows[0][2]);
  EXPECT_EQ(Text(window.ui().TabelaKonstrukcji, 1, 1), Form1->StructureCatalogue.Rows[0][2]);
  EXPECT_FLOAT_EQ(Engine.CenaInne, 123);
}

TEST_F(InsulationWindowTest, CreationWithFewerThanFourThicknessesReadsNoRowBeyondThem) {
  for (const char* diameter : {"15", "12"}) {
    SCOPED_TRACE(diameter);
    platform::ScriptedDialogs dialogs;
    Form1->ui().CheckIzolacja->setChecked(true);
    SetDiameter(diameter);
    TWinIzolacja window;
    EXPECT_FLOAT_EQ(Engine.SelectedInsulation->CenaIzolacjiZew, 0);
    EXPECT_FLOAT_EQ(Engine.SelectedInsulation->CenaIzolacjiWew, 0);
    EXPECT_FLOAT_EQ(Engine.InsulationCost, 0);
    EXPECT_EQ(Engine.SelectedStructure->Model, Form1->StructureCatalogue.Rows[0][2]);
    Engine = MakeDefaultDesign();
  }
}

TEST_F(InsulationWindowTest, KindChoiceListsItsThicknessesAndResetsThicknessesAndCosts) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja window;
  SetDiameter("22");
  Engine.SetPriceMode = 1;
  Engine.Izolacja = 0;
  Pick(window.ui().ComboWyborIzolacji, 1);
  // Only the exact text "22": kind 2's rows, not kind 1's "22.0".
  EXPECT_EQ(Listed(window.ui().StringGrid1), (std::vector<std::string>{"19/7", "25/9"}));
  EXPECT_EQ(Form1->StatusText(0).toStdString(),
            "Wybrano Izolację: " + Engine.SelectedInsulation->Model);
  EXPECT_EQ(Engine.InsulationIndex, 1);
  EXPECT_EQ(Engine.Izolacja, 1);
  EXPECT_EQ(Engine.SetPriceMode, 0);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 0);
  EXPECT_FLOAT_EQ(Engine.IndoorInsulationThickness, 0);
  EXPECT_FLOAT_EQ(Engine.InsulationCost, 0);
  EXPECT_FLOAT_EQ(Engine.SelectedInsulation->Cena, 0);
  EXPECT_EQ(window.ui().Label1->text(), Currency(0, 6));
  EXPECT_EQ(window.ui().Label2->text(), Currency(0, 6));
}

// A kind without thicknesses at the diameter leaves no thickness of the previous kind to pick.
TEST_F(InsulationWindowTest, KindWithoutThicknessesClearsBothGrids) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja window;
  ASSERT_EQ(window.ui().StringGrid1->rowCount(), 5);
  for (int kind : {2, 1}) {  // kind 3 has none at all; kind 1 has "22.0" only
    SCOPED_TRACE(kind);
    SetDiameter(kind == 2 ? "18" : "22");
    dialogs.ExpectBox("Komunikat", kNoThickness, platform::Icon::Warning);
    Pick(window.ui().ComboWyborIzolacji, kind == 2 ? 2 : 0);
    EXPECT_EQ(window.ui().StringGrid1->rowCount(), 1);
    EXPECT_EQ(window.ui().StringGrid2->rowCount(), 1);
    EXPECT_EQ(Text(window.ui().StringGrid1, 0, 0), "Grubość");
    EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 0);
  }
  dialogs.ExpectBox("Ostrzeżenie", "Nie zaznaczyłeś grubości dla wybranej izolacji !!!",
                    platform::Icon::Warning);
  window.show();
  window.ui().BitBtn1->click();
  EXPECT_TRUE(window.isVisible());
}

TEST_F(InsulationWindowTest, ThicknessCostIsPriceTimesPipeLengthPerGrid) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja window;
  Pick(window.ui().ComboWyborIzolacji, 0);
  CIzolacja& insulation = *Engine.SelectedInsulation;

  window.ui().StringGrid1->setCurrentCell(1, 1);  // 13 mm at 4.5 per metre, 10 m outdoors
  EXPECT_FLOAT_EQ(insulation.CenaIzolacjiZew, 45);
  EXPECT_FLOAT_EQ(insulation.Cena, 45);
  EXPECT_FLOAT_EQ(Engine.InsulationCost, 45);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 13);
  EXPECT_FLOAT_EQ(insulation.GruboscIzolacjiZew, 13);
  EXPECT_EQ(window.ui().Label1->text(), Currency(45, 4));
  EXPECT_EQ(window.ui().Label5->text(), "13 [mm]");
  // The indoor side is untouched.
  EXPECT_FLOAT_EQ(insulation.CenaIzolacjiWew, 0);
  EXPECT_FLOAT_EQ(Engine.IndoorInsulationThickness, 0);

  window.ui().StringGrid2->setCurrentCell(4, 0);  // 32 mm at 10 per metre, 20 m indoors
  EXPECT_FLOAT_EQ(insulation.CenaIzolacjiWew, 200);
  EXPECT_FLOAT_EQ(insulation.Cena, 245);
  EXPECT_FLOAT_EQ(Engine.InsulationCost, 245);
  EXPECT_FLOAT_EQ(Engine.IndoorInsulationThickness, 32);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 13);
  EXPECT_EQ(window.ui().Label6->text(), "32 [mm]");
}

// A price whose cost, or whose sum with the other side's cost, a float cannot hold is refused by
// the captions of its group: nothing of that side changes.
TEST_F(InsulationWindowTest, ACostTooLargeForAFloatIsRefused) {
  platform::ScriptedDialogs dialogs;
  CCatalogueTable& thicknesses = Form1->ThicknessCatalogue;
  thicknesses.Rows.push_back({"10", "3", "18", "13", "3E+37", "1"});
  thicknesses.Rows.push_back({"11", "3", "18", "19", "1E+37", "1"});
  thicknesses.RowCount = int(thicknesses.Rows.size());
  TWinIzolacja window;
  Pick(window.ui().ComboWyborIzolacji, 2);
  CIzolacja& insulation = *Engine.SelectedInsulation;
  window.ui().StringGrid1->setCurrentCell(1, 1);  // 10 m at 3E+37: a float holds 3E+38
  EXPECT_FLOAT_EQ(Engine.InsulationCost, 3e38f);
  const float indoorThicknessMm = insulation.GruboscIzolacjiWew;
  const QString indoorCost = window.ui().Label2->text();
  const QString indoorThickness = window.ui().Label6->text();

  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Wybór grubości izolacji wewnątrz: długość przewodów (20 m) "
                                      "razy cena (3E37 zł) daje koszt zbyt duży do obliczenia."),
                    platform::Icon::Warning);
  window.ui().StringGrid2->setCurrentCell(1, 1);
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Koszt izolacji (5E38 zł) jest zbyt duży do obliczenia: "
                                      "popraw ceny grubości."),
                    platform::Icon::Warning);
  window.ui().StringGrid2->setCurrentCell(2, 1);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(insulation.CenaIzolacjiWew, 0);
  EXPECT_EQ(insulation.GruboscIzolacjiWew, indoorThicknessMm);
  EXPECT_EQ(Engine.IndoorInsulationThickness, 0);
  EXPECT_FLOAT_EQ(Engine.InsulationCost, 3e38f);
  EXPECT_FLOAT_EQ(insulation.Cena, 3e38f);
  EXPECT_EQ(window.ui().Label2->text(), indoorCost);
  EXPECT_EQ(window.ui().Label6->text(), indoorThickness);
}

// A kind choice forgets the thicknesses: the same row clicked again is chosen again.
TEST_F(InsulationWindowTest, ClickingAThicknessRowAfterAKindChoiceChoosesIt) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja window;
  window.show();
  QTableWidget* grid = window.ui().StringGrid1;
  const auto click = [grid](int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(row, 0)).center());
  };
  click(2);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 19);
  Pick(window.ui().ComboWyborIzolacji, 0);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 0);
  EXPECT_EQ(grid->currentRow(), -1);
  click(2);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 19);
  EXPECT_FLOAT_EQ(Engine.SelectedInsulation->CenaIzolacjiZew, 60);
  click(2);  // once more on the current row: the same choice
  EXPECT_FLOAT_EQ(Engine.SelectedInsulation->CenaIzolacjiZew, 60);
}

TEST_F(InsulationWindowTest, AcceptNeedsAThicknessAfterAKindChoice) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja window;
  window.show();
  SetDiameter("22");
  Pick(window.ui().ComboWyborIzolacji, 1);
  Form1->ui().Label71->clear();
  dialogs.ExpectBox("Ostrzeżenie", "Nie zaznaczyłeś grubości dla wybranej izolacji !!!",
                    platform::Icon::Warning);
  window.ui().BitBtn1->click();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(Text(Form1->ui().Label71), "");

  SetDiameter("18");
  Pick(window.ui().ComboWyborIzolacji, 0);
  window.ui().StringGrid1->setCurrentCell(2, 0);  // an outdoor thickness suffices
  window.ui().BitBtn1->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Text(Form1->ui().Label71), Engine.SelectedInsulation->Model);
  EXPECT_EQ(Text(Form1->ui().Label72), GeneralText(Engine.SelectedInsulation->Lambda, 2, 4));
}

TEST_F(InsulationWindowTest, StructureChoiceSetsTheOtherCostItem) {
  platform::ScriptedDialogs dialogs;
  Form1->StructureCatalogue.Rows[3][9] = "800";
  TWinIzolacja window;
  Engine.SetPriceMode = 1;
  Pick(window.ui().ComboWyborKonstrukcji, 3);
  EXPECT_FLOAT_EQ(Engine.CenaInne, 800);
  EXPECT_EQ(Engine.StructureIndex, 3);
  EXPECT_EQ(Engine.SetPriceMode, 0);
  EXPECT_EQ(Form1->StatusText(0).toStdString(),
            "Wybrano konstrukcję wsporczą: " + Form1->StructureCatalogue.Rows[3][2]);
  window.show();
  window.hide();
  EXPECT_FLOAT_EQ(Engine.CenaInne, 800);
}

TEST_F(InsulationWindowTest, ShowingAProjectsInsulationListsItsThicknesses) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja window;
  Engine.ProjectLoaded = 1;
  Engine.SelectedInsulation->ID = 2;
  Engine.SelectedInsulation->Model = "Izolacja z projektu";
  Engine.SelectedStructure->Model = "Konstrukcja z projektu";
  const float cost = Engine.InsulationCost;
  SetDiameter("22");
  window.show();
  EXPECT_EQ(window.ui().ComboWyborIzolacji->currentText(), "Izolacja z projektu");
  EXPECT_EQ(window.ui().ComboWyborKonstrukcji->currentText(), "Konstrukcja z projektu");
  EXPECT_EQ(Listed(window.ui().StringGrid2), (std::vector<std::string>{"19/7", "25/9"}));
  EXPECT_EQ(Text(window.ui().TabelaIzolacja, 1, 5), "22 [mm]");
  EXPECT_FLOAT_EQ(Engine.InsulationCost, cost);
}

}  // namespace
