// Windows whose widgets wait for their first use: the creation takes its device, city or values
// into the design at once, and the later build shows exactly what an eager creation showed, even
// when the design and the catalogues have changed in between; the build writes nothing of the
// design. Each case builds one window at once (as an eager creation would) and one later.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "economics/Armatura.h"
#include "economics/fuel_table.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/naczynie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/zasobnik.h"
#include "selection_fixture.h"

namespace {

QStringList Cells(const QTableWidget* grid) {
  QStringList cells;
  for (int row = 0; row < grid->rowCount(); ++row)
    for (int col = 0; col < grid->columnCount(); ++col) cells << platform::Cell(grid, col, row);
  return cells;
}

bool Unbuilt(const QWidget& window) {
  return window.findChildren<QWidget*>().isEmpty();
}

// Every text, tick and enabled state of a window's widgets.
QStringList State(const QWidget& window) {
  QStringList state;
  for (const QLineEdit* edit : window.findChildren<QLineEdit*>())
    state << edit->objectName() + "=" + edit->text() + (edit->isEnabled() ? "" : " (off)");
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    state << button->objectName() + (button->isChecked() ? " ticked" : "") +
                 (button->isEnabled() ? "" : " (off)");
  for (const QLabel* label : window.findChildren<QLabel*>())
    state << label->objectName() + "=" + label->text() + (label->isHidden() ? " (hidden)" : "");
  return state;
}

class PutOffWidgetsTest : public SelectionTest {};

// What a device window shows of its first panel.
struct Shown {
  QString comboText;
  int comboIndex;
  QStringList grid;
  QString memo;
};

struct DeviceCase {
  const char* name;
  std::function<std::unique_ptr<QDialog>()> make;
  std::function<Shown(QDialog*)> shown;
  CCatalogueTable CCatalogues::*table;
  std::function<CUrzadzenie&()> device;
};

template <class Window, class Ui>
DeviceCase Case(const char* name, CCatalogueTable CCatalogues::*table, QComboBox* Ui::*combo,
                QTableWidget* Ui::*grid, QPlainTextEdit* Ui::*memo,
                std::function<CUrzadzenie&()> device) {
  return {name, [] { return std::unique_ptr<QDialog>(new Window()); },
          [combo, grid, memo](QDialog* dialog) {
            const Ui& ui = static_cast<Window*>(dialog)->ui();
            return Shown{(ui.*combo)->currentText(), (ui.*combo)->currentIndex(), Cells(ui.*grid),
                         (ui.*memo)->toPlainText()};
          },
          table, std::move(device)};
}

TEST_F(PutOffWidgetsTest, DeviceWindowsShowTheDeviceTheirCreationTook) {
  const DeviceCase cases[] = {
      Case<TWinKolektor, Ui::TWinKolektor>(
          "collector", &CCatalogues::CollectorCatalogue, &Ui::TWinKolektor::ComboWyborKolektora,
          &Ui::TWinKolektor::TabelaKolektorow, &Ui::TWinKolektor::Opis,
          []() -> CUrzadzenie& { return *Engine.SelectedCollector; }),
      Case<TWinZasobnik, Ui::TWinZasobnik>(
          "tank", &CCatalogues::TankCatalogue, &Ui::TWinZasobnik::ComboWyborZasobnika,
          &Ui::TWinZasobnik::TabelaZasobnika1, &Ui::TWinZasobnik::Opis2,
          []() -> CUrzadzenie& { return *Engine.SelectedTank; }),
      Case<TWinSterownik, Ui::TWinSterownik>(
          "controller", &CCatalogues::ControllerCatalogue, &Ui::TWinSterownik::ComboWyborSterownika,
          &Ui::TWinSterownik::TabelaSterownikow, &Ui::TWinSterownik::Opis,
          []() -> CUrzadzenie& { return *Engine.SelectedController; }),
      Case<TWinNaczynie, Ui::TWinNaczynie>("vessel", &CCatalogues::VesselCatalogue,
                                           &Ui::TWinNaczynie::ComboWyborNaczynia,
                                           &Ui::TWinNaczynie::TabelaNaczyn, &Ui::TWinNaczynie::Opis,
                                           []() -> CUrzadzenie& { return *Engine.SelectedVessel; }),
      Case<TWinPompa, Ui::TWinPompa>("pump", &CCatalogues::PumpCatalogue,
                                     &Ui::TWinPompa::ComboWyborPompy, &Ui::TWinPompa::TabelaPomp,
                                     &Ui::TWinPompa::Opis,
                                     []() -> CUrzadzenie& { return *Engine.SelectedPump; }),
      Case<TWinIzolacja, Ui::TWinIzolacja>(
          "insulation", &CCatalogues::InsulationCatalogue, &Ui::TWinIzolacja::ComboWyborIzolacji,
          &Ui::TWinIzolacja::TabelaIzolacja, &Ui::TWinIzolacja::Opis1,
          []() -> CUrzadzenie& { return *Engine.SelectedInsulation; }),
  };
  for (const DeviceCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<QDialog> eager = c.make();
    const Shown expected = c.shown(eager.get());
    std::unique_ptr<QDialog> later = c.make();
    ASSERT_TRUE(Unbuilt(*later));
    const std::string model = c.device().Model;

    // The design and the catalogue move on before the window is first used.
    c.device().Model = "inny model";
    c.device().Opis = "inny opis";
    CCatalogueTable& table = Form1->*c.table;
    for (std::string& cell : table.Rows[0]) cell = "zmienione";

    const Shown shown = c.shown(later.get());
    EXPECT_EQ(shown.comboText, expected.comboText);
    EXPECT_EQ(shown.comboIndex, expected.comboIndex);
    EXPECT_EQ(shown.grid, expected.grid);
    EXPECT_EQ(shown.memo, expected.memo);
    EXPECT_TRUE(shown.grid.contains(QString::fromStdString(model)));
    // The build wrote nothing of the design.
    EXPECT_EQ(c.device().Model, "inny model");
  }
}

TEST_F(PutOffWidgetsTest, LocationWindowShowsTheCityItsCreationTook) {
  platform::ScriptedDialogs dialogs;
  TWinLokalizacja eager;
  const QStringList city = Cells(eager.ui().TblMiasto);
  const QStringList months = Cells(eager.ui().TblLokalizacja);
  const QString name = eager.ui().ComboWyborLokalizacji->currentText();

  TWinLokalizacja later;
  ASSERT_TRUE(Unbuilt(later));
  EXPECT_EQ(Engine.IDMiasta, ReadInt(Form1->CityCatalogue.Rows[0][0]));
  EXPECT_EQ(Text(Form1->ui().Label49), name.toStdString());
  Engine.Temperatura[0] = -40;
  Form1->CityCatalogue.Rows[0][1] = "Nowa nazwa";

  EXPECT_EQ(Cells(later.ui().TblMiasto), city);
  EXPECT_EQ(Cells(later.ui().TblLokalizacja), months);
  EXPECT_EQ(later.ui().ComboWyborLokalizacji->currentIndex(), 0);
  EXPECT_EQ(later.ui().ComboWyborLokalizacji->currentText(), name);
  EXPECT_FLOAT_EQ(Engine.Temperatura[0], -40);
}

TEST_F(PutOffWidgetsTest, InsulationWindowListsTheThicknessesOfItsCreationAndLaterDiameters) {
  platform::ScriptedDialogs dialogs;
  TWinIzolacja eager;
  const QStringList outdoor = Cells(eager.ui().StringGrid1);
  const QStringList indoor = Cells(eager.ui().StringGrid2);
  ASSERT_GT(outdoor.size(), 2);

  TWinIzolacja later;
  WinIzolacja = &later;
  struct Unset {
    ~Unset() { WinIzolacja = nullptr; }
  } unset;
  ASSERT_TRUE(Unbuilt(later));
  // Another diameter picked in the main window reaches the grid's cell, but the thicknesses
  // stay those the creation listed.
  QComboBox* diameter = Form1->ui().ComboSrednicaPrzewodu;
  const int other = diameter->currentIndex() == 0 ? 1 : 0;
  diameter->setCurrentIndex(other);
  Form1->ComboSrednicaPrzewoduSelect();
  ASSERT_TRUE(Unbuilt(later));

  EXPECT_EQ(Cells(later.ui().StringGrid1), outdoor);
  EXPECT_EQ(Cells(later.ui().StringGrid2), indoor);
  EXPECT_EQ(platform::Cell(later.ui().TabelaIzolacja, 1, 5), diameter->itemText(other));
}

TEST_F(PutOffWidgetsTest, FittingsWindowShowsTheFieldOfItsCreationAndWritesNothingAtTheBuild) {
  platform::ScriptedDialogs dialogs;
  Engine.LiczbaKolektorow = 4;
  TWinArmatura eager;
  const QString flow = eager.ui().ERazemNatezenie->text();
  const QString drop = eager.ui().ERazemCisnienie->text();

  TWinArmatura later;
  ASSERT_TRUE(Unbuilt(later));
  EXPECT_EQ(Engine.Armatura.RodzajPolaczenia, 2);
  EXPECT_EQ(Engine.Armatura.Rownolegle, 1);
  EXPECT_EQ(Engine.Armatura.Szeregowo, 1);
  Engine.CollectorUnitFlow *= 3;
  Engine.Armatura.RodzajPolaczenia = 1;
  Engine.Armatura.Rownolegle = 2;

  EXPECT_EQ(later.ui().ERazemNatezenie->text(), flow);
  EXPECT_EQ(later.ui().ERazemCisnienie->text(), drop);
  EXPECT_TRUE(later.ui().RPararell->isChecked());
  EXPECT_EQ(later.ui().EKolRown->text(), "1");
  EXPECT_EQ(later.ui().EKolSzereg->text(), "1");
  EXPECT_EQ(Engine.Armatura.RodzajPolaczenia, 1);
  EXPECT_EQ(Engine.Armatura.Rownolegle, 2);
}

TEST_F(PutOffWidgetsTest, FittingsCreationWarnsOfMoreCollectorsThanTheDesignHas) {
  platform::ScriptedDialogs dialogs;
  Engine.LiczbaKolektorow = 1;
  dialogs.ExpectBox("Uwaga",
                    "Liczba kolektorów w połączeniu mieszanym\nnie może być większa od wybranej "
                    "liczby kolektorów",
                    platform::Icon::Warning);
  dialogs.ExpectBox("Uwaga",
                    "Suma kolektorów w połączeniu mieszanym\nnie może być większa od wybranej "
                    "liczby kolektorów",
                    platform::Icon::Warning);
  TWinArmatura window;
  EXPECT_TRUE(Unbuilt(window));
}

TEST_F(PutOffWidgetsTest, CalculatorBuildsWithTheFuelsOfItsCreationAndWhatCameBeforeItsBuild) {
  platform::ScriptedDialogs dialogs;
  TWinKalkulatorEkologiczny eager;
  eager.ui.Build();
  eager.ClearResults();
  std::vector<QString> expected;
  for (const QLineEdit* edit : eager.findChildren<QLineEdit*>()) expected.push_back(edit->text());

  TWinKalkulatorEkologiczny later;
  later.ClearResults();
  later.ClearResults();
  ASSERT_TRUE(Unbuilt(later));
  for (std::string& cell : Form1->FuelCatalogue.Rows[0]) cell = "9";
  std::vector<QString> shown;
  for (const QLineEdit* edit : later.findChildren<QLineEdit*>()) shown.push_back(edit->text());
  EXPECT_TRUE(shown.empty());
  later.ui.Build();
  for (const QLineEdit* edit : later.findChildren<QLineEdit*>()) shown.push_back(edit->text());
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(later.ui().ComboBox1->currentIndex(), 0);
  EXPECT_FALSE(later.ui().BitBtn1->isEnabled());

  // A read project's inputs wait for the widgets too, and come after the creation's.
  TWinKalkulatorEkologiczny read;
  std::array<std::optional<std::string>, 13> inputs;
  inputs[2] = "1234";
  read.ShowFileInputs(inputs, 3);
  ASSERT_TRUE(Unbuilt(read));
  EXPECT_EQ(read.ui().Edit3->text(), "1234");
  EXPECT_EQ(read.ui().ComboBox1->currentIndex(), 3);
}

TEST_F(PutOffWidgetsTest, CostWindowBuildsAsTheStartLeftItAndStoresWhatItsHandlersStored) {
  platform::ScriptedDialogs dialogs;
  // What reading the default settings gives the window at the start, then the results cleared.
  project::WindowUpdates read;
  read.fuelPriceGross = "250";
  read.inflation = false;
  read.vat = "8";
  read.netSum = true;
  read.loan[2] = "40";
  const auto start = [&read](TWinKoszty& window) {
    window.ShowFileInputs(read);
    window.ClearResults();
  };

  const CVindargast2 design = Engine;
  TWinKoszty eager;
  eager.ui.Build();
  start(eager);
  const QStringList expected = State(eager);
  const CKoszty costs = Engine.Costs;
  const float collectors = Engine.CenaKolektory;
  EXPECT_EQ(costs.InflationOn, 0);

  Engine = design;
  TWinKoszty later;
  start(later);
  ASSERT_TRUE(Unbuilt(later));
  EXPECT_EQ(Engine.Costs.InflationOn, costs.InflationOn);
  EXPECT_EQ(Engine.Costs.FuelName, costs.FuelName);
  EXPECT_EQ(Engine.CenaKolektory, collectors);
  // The design moves on; the build shows the start's values and stores nothing.
  Engine.Costs.InflationOn = 1;
  Engine.CenaKolektory = 5;
  for (std::string& cell : Form1->FuelCatalogue.Rows[size_t(SelectedFuelRow)]) cell = "7";
  later.ui.Build();
  EXPECT_EQ(State(later), expected);
  EXPECT_EQ(Engine.Costs.InflationOn, 1);
  EXPECT_EQ(Engine.CenaKolektory, 5);
}

}  // namespace
