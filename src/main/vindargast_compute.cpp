// The compute command "OBLICZ" and the results command: the checks of the design's inputs, the
// engine's run in its fixed order, the monthly table and summary of the main window, the values
// handed to the cost window, and the results window filled from Engine.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>

#include "app/windows.h"
#include "economics/Armatura.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/design_error.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/form_texts.h"
#include "platform/message_box.h"
#include "report/Wyniki.h"

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString General(double value, int precision, int digits) {
  return Text(GeneralText(value, precision, digits));
}

float FloatOf(const QLineEdit* edit) {
  return ReadFloat(edit->text().toStdString());
}

int32_t IntOf(const QLineEdit* edit) {
  return ReadInt(edit->text().toStdString());
}

// The check messages of the compute command: title "Komunikat" (the pipe lengths' message has
// none), warning icon; the focus then goes to the offending field where there is one.
void Refuse(const QString& text, QWidget* focus = nullptr,
            const QString& title = QStringLiteral("Komunikat")) {
  platform::MessageBox(text, title, platform::Icon::Warning);
  if (focus) focus->setFocus();
}

// A column of no width is hidden as well: the cell painter centres a text wider than its cell
// over the cell's edges, so a text in a column of no width would still show.
void ShowColumn(QTableWidget* grid, int col, int width) {
  grid->setColumnHidden(col, width == 0);
  if (width > 0) grid->setColumnWidth(col, width);
}

// Widens a caption to its text, keeping its height and position.
void FitWidth(QLabel* label) {
  label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

// Months of the pool season, first and last included; none when the first follows the last.
int PoolSeasonMonths(const CVindargast2& design) {
  return design.BasenOd > design.BasenDo ? 0 : design.BasenDo - design.BasenOd + 1;
}

float PoolSeasonDemand(const CVindargast2& design) {
  return static_cast<float>(double(PoolSeasonMonths(design)) * design.PoolEnergyDemand);
}

float HotWaterDemandOfYear(const CVindargast2& design) {
  return static_cast<float>(12.0 * design.HotWaterEnergy + design.AnnualHeatLoss);
}

// A value shown as G(precision, digits).
struct ValueText {
  QLabel* label;
  double value;
  int precision;
  int digits;
};

void ShowValues(std::initializer_list<ValueText> values) {
  for (const ValueText& v : values) v.label->setText(General(v.value, v.precision, v.digits));
}

void SetShown(std::initializer_list<QWidget*> widgets, bool shown) {
  for (QWidget* widget : widgets) widget->setVisible(shown);
}

// The arrays a run fills month by month from zero; what the balance computes it overwrites.
void ClearMonthlyResults(CVindargast2& design) {
  for (int m = 0; m < 12; ++m) {
    design.CollectorEfficiency[m] = 0;
    design.CirculationLoss[m] = 0;
    design.IndoorPipeLoss[m] = 0;
    design.OutdoorPipeLoss[m] = 0;
    design.HeatLoss[m][0] = 0;
    design.HeatLoss[m][1] = 0;
  }
  design.PoolEnergyDemand = 0;
}

// The engine's steps in their fixed order.
void RunDesign(CVindargast2& design, const std::string& electricityPrice) {
  design.ComputeHotWaterDemand(static_cast<float>(design.LiczbaOsob), design.DCWU,
                               design.TemperaturaWodySieci, design.TemperaturaCieplejWody);
  design.ComputeTiltFactors(design.KatGamma, design.KatBeta, design.SzerokoscGeograficzna);
  design.ComputeHeatLosses(design.Uslonecznienie, design.Temperatura, design.Izolacja,
                           design.Przeslona);
  // A fifth of the tank temperature; the range check keeps it between 4 and 18.
  int32_t steps = static_cast<int32_t>(0.2 * design.TemperaturaWodyWZasobniku);
  if (steps == 0) steps = 1;
  design.ComputeCollectorEfficiency(design.HotWaterEnergy, steps);
  design.ComputeMonthlyBalance(design.LiczbaKolektorow, design.CWUCO, design.HotWaterEnergy,
                               electricityPrice);
}

}  // namespace

void TForm1::BitBtn2Click() {
  ResetResults();
  // A refused compute leaves no result on screen or in Engine: the results there were those of
  // the design before, and the inputs copied into Engine (some of them, when a text is no
  // number) make it another one.
  bool computed = false;
  const auto clearUnlessComputed = qScopeGuard([this, &computed] {
    if (!computed) ClearComputeResults();
  });
  if (!RequiredInputsGiven()) return;
  CopyInputsIntoEngine();
  if (!InputsInRange()) return;

  // The run works on a copy, so that a design the engine refuses leaves no half-computed result.
  CVindargast2 design = Engine;
  ClearMonthlyResults(design);
  try {
    RunDesign(design, ElectricityPrice());
  } catch (const DesignInputError& error) {
    Refuse(QString::fromUtf8(error.what()));
    return;
  }
  Engine = design;
  ShowResults();
  computed = true;
  resultsShown_ = true;
}

std::string TForm1::ElectricityPrice() const {
  return FuelCatalogue.Rows.empty() || FuelCatalogue.Rows[0].size() < 4 ? std::string()
                                                                        : FuelCatalogue.Rows[0][3];
}

void TForm1::ResetResults() {
  for (QLabel* value : {ui().Label50, ui().Label52, ui().Label91, ui().StaticText19,
                        ui().StaticText16, ui().StaticText22, ui().StaticText25, ui().StaticText40,
                        ui().StaticText37, ui().StaticText41, ui().StaticText38, ui().StaticText39})
    value->setText(QStringLiteral("b/d"));

  const bool pool = ui().CheckBasen->isChecked();
  ui().StaticText14->setText(pool ? QStringLiteral("Zapotrzebowanie")
                                  : QStringLiteral("Nie wybrano basenu"));
  FitWidth(ui().StaticText14);
  ui().StaticText14->show();
  SetShown({ui().StaticText27, ui().StaticText25, ui().StaticText38, ui().StaticText39,
            ui().StaticText24, ui().StaticText33, ui().StaticText36},
           pool);

  const bool heating = Engine.CWUCO == 1;
  ui().StaticText29->setText(heating ? QStringLiteral("Zapotrzebowanie")
                                     : QStringLiteral("Nie wybrano wspomagania CO"));
  FitWidth(ui().StaticText29);
  ui().StaticText29->show();
  SetShown({ui().StaticText31, ui().StaticText19, ui().StaticText37, ui().StaticText41,
            ui().StaticText21, ui().StaticText32, ui().StaticText35},
           heating);

  ui().BitBtn11->setEnabled(true);
  ui().Opcjeraportu1->setEnabled(true);
}

bool TForm1::RequiredInputsGiven() {
  struct Required {
    QLineEdit* edit;
    const char* message;
  };
  const Required required[] = {
      {ui().ELiczbaKolektorow, "Nie podałeś liczby kolektorów"},
      {ui().EBeta, "Nie podałeś konta beta "},
      {ui().EGamma, "Nie podałeś konta gamma "},
      {ui().ETempZimnaWoda, "Nie podałeś temperatury wody w sieci "},
      {ui().ETempCWU, "Nie podałeś temperatury ciepłej wody "},
      {ui().ELiczbaOsob, "Nie podałeś liczby osób "},
      {ui().EDCWU, "Nie podałeś dziennego zużycia wody na osobę  "},
      {ui().ETempZasobnika, "Nie podałeś temperatury wody w zasobniku  "},
      // Required whatever the scheme: the balance divides by the building's demand.
      {ui().Edit7, "Nie podałeś temperatury zasilana CO  "},
      {ui().Edit8, "Nie podałeś temperatury powrotu CO  "},
      {ui().PowDomu, "Nie podałeś powierzchni budynku  "},
      {ui().EnergiaDom, "Nie podałeś zapotrzebowania budynku na energie  "},
  };
  for (const Required& input : required) {
    if (!input.edit->text().isEmpty()) continue;
    Refuse(QString::fromUtf8(input.message), input.edit);
    return false;
  }
  return true;
}

void TForm1::CopyInputsIntoEngine() {
  // An empty pipe length, pool dimension or pump running time is left to the range checks, which
  // name it; the engine keeps its value until then.
  const auto copyGiven = [](const QLineEdit* edit, float& field) {
    if (!edit->text().isEmpty()) field = FloatOf(edit);
  };
  Engine.TemperaturaWodySieci = FloatOf(ui().ETempZimnaWoda);
  Engine.TemperaturaCieplejWody = FloatOf(ui().ETempCWU);
  Engine.LiczbaOsob = IntOf(ui().ELiczbaOsob);
  Engine.DCWU = FloatOf(ui().EDCWU);
  Engine.TemperaturaWodyWZasobniku = FloatOf(ui().ETempZasobnika);
  Engine.KatGamma = FloatOf(ui().EGamma);
  Engine.KatBeta = FloatOf(ui().EBeta);
  Engine.SrednicaPrzewodu = ReadInt(ui().ComboSrednicaPrzewodu->currentText().toStdString());
  copyGiven(ui().EDlugoscPrzewZew, Engine.DlugoscPrzewodowNaZewnatrz);
  copyGiven(ui().EDlugoscPrzewWew, Engine.DlugoscPrzewodowWewnatrz);
  Engine.LiczbaKolektorow = IntOf(ui().ELiczbaKolektorow);
  Engine.WspolczynnikKrotnosci = ReadFloat(ui().ComboWspKrotnosci->currentText().toStdString());
  Engine.TemperaturaZasilania = FloatOf(ui().Edit7);
  Engine.TemperaturaPowrotu = FloatOf(ui().Edit8);
  copyGiven(ui().BasenDlugosc, Engine.BasenDlugosc);
  copyGiven(ui().BasenSzerokosc, Engine.BasenSzerokosc);
  copyGiven(ui().BasenGlebokosc, Engine.BasenGlebokosc);
  Engine.PowierzchniaBudynku = FloatOf(ui().PowDomu);
  Engine.ZapotrzebowanieEnergi = FloatOf(ui().EnergiaDom);

  if (Engine.Cyrkulacja == 1) {
    copyGiven(ui().ECzasPompyCyrk, Engine.CzasPracyPompyCyrkulacyjnej);
    Engine.DlugoscPrzewodowCyrkulacyjnych = FloatOf(ui().EDlugoscPompyCyrk);
  } else {
    Engine.CzasPracyPompyCyrkulacyjnej = 0;
    Engine.DlugoscPrzewodowCyrkulacyjnych = 0;
  }
}

bool TForm1::InputsInRange() {
  const float tilt = FloatOf(ui().EBeta);
  const float azimuth = FloatOf(ui().EGamma);
  if (!(tilt >= 0 && tilt < 90 && azimuth >= 0 && azimuth < 91)) {
    Refuse(
        QStringLiteral("Parametry ustawienia kolektora są błędne\npochylenie nie może "
                       "przekraczać 89 odchylenie od S 90!"));
    return false;
  }
  if (!(tilt != 0 || azimuth == 0)) {
    Refuse(QStringLiteral(
        "W przypadku gdy pochylenie jest równe 0.\nTo również odchylenie od S musi być równe 0!"));
    return false;
  }
  if (!(Engine.TemperaturaZasilania > Engine.TemperaturaPowrotu)) {
    Refuse(QStringLiteral("Temperatura powrotu nie może być większa od temperatury zasilania!"));
    return false;
  }
  if (!(Engine.Izolacja == 0 ||
        (Engine.IndoorInsulationThickness > 0 && Engine.OutdoorInsulationThickness != 0))) {
    Refuse(QStringLiteral("Nie wybrano grubości izolacji !!!"));
    return false;
  }
  if (ui().EDlugoscPrzewZew->text().isEmpty() || ui().EDlugoscPrzewWew->text().isEmpty() ||
      ui().EHStatyczna->text().isEmpty()) {
    Refuse(QStringLiteral("Proszę podać długości przewodów oraz wysokość statyczną"), nullptr,
           QString());
    return false;
  }
  // A range of an edit's value; an empty edit is out of range.
  const auto within = [](const QLineEdit* edit, auto inRange) {
    return !edit->text().isEmpty() && inRange(FloatOf(edit));
  };
  if (ui().ELiczbaOsob->text().isEmpty() || IntOf(ui().ELiczbaOsob) < 1 ||
      IntOf(ui().ELiczbaOsob) > 5000) {
    Refuse(QStringLiteral("Liczba osoób ma się zawierać w przedziale 1-5000 !!!"),
           ui().ELiczbaOsob);
    return false;
  }
  if (!within(ui().ETempZimnaWoda, [](float t) { return t > 0 && t < 16; })) {
    Refuse(QStringLiteral("Temperatura zimnej wody musi się zawierać w przedziale 1-15 !!!"));
    return false;
  }
  if (!within(ui().ETempCWU, [](float t) { return t >= 20 && t < 71; })) {
    Refuse(QStringLiteral(
               "Temperatura ciepłej wody musi sie mieścić w zakresie 20-70 stopni Celsjusza"),
           ui().ETempCWU);
    return false;
  }
  if (!within(ui().EDCWU, [](float litres) { return litres >= 5 && litres < 201; })) {
    Refuse(QStringLiteral("Dzienne zużycie ciepłej wody użytkowej\nmusi się mieścić w zakresie "
                          "5-200 litrów !!!"),
           ui().EDCWU);
    return false;
  }
  if (!within(ui().ETempOtoczZasobnika, [](float t) { return t > 14 && t < 26; })) {
    Refuse(QStringLiteral(
               "Temperatura otoczenia zasobnika musi być w zakresie 15-25 stopni Celsjusza !!!"),
           ui().ETempOtoczZasobnika);
    return false;
  }
  if (!within(ui().ETempZasobnika, [](float t) { return t > 24 && t < 91; })) {
    Refuse(QStringLiteral("Temperatura maksymalna w zasobniku\nnie może być mniejsza niż 25C i "
                          "nie większa niż 90C"),
           ui().ETempZasobnika);
    return false;
  }
  if (ui().CheckBasen->isChecked() &&
      (ui().BasenDlugosc->text().isEmpty() || ui().BasenSzerokosc->text().isEmpty() ||
       ui().BasenGlebokosc->text().isEmpty())) {
    Refuse(QStringLiteral("Proszę uzupełnić wymiary basenu !!!"));
    return false;
  }
  if (Engine.Cyrkulacja != 0 &&
      !within(ui().ECzasPompyCyrk, [](float hours) { return hours > 0 && hours < 25; })) {
    Refuse(QStringLiteral("Czas pracy pomy cyrkulacyjnej musi zawierać sie w przedziale 1-24 !!!"));
    return false;
  }
  // The second tank may come from the tank window (any of its rows), a project file or a set:
  // what counts is that the design holds one with a capacity.
  if (!(Engine.LiczbaZasobnikow == 1 || (Engine.LiczbaZasobnikow == 2 && Engine.Tank2Volume > 0))) {
    Refuse(QStringLiteral("Nie wybrałeś zasobnika lub wybrany zasobnik jest nieprawidłowy"));
    return false;
  }
  if (!(Engine.PowierzchniaBudynku > 0)) {
    Refuse(QStringLiteral("Powierzchnia budynku nie może wynosić 0 "));
    return false;
  }
  if (!(Engine.ZapotrzebowanieEnergi > 0)) {
    Refuse(QStringLiteral("Zapotrzebowanie budynku na energie nie może wynosić 0 "));
    return false;
  }
  if (!(Engine.LiczbaKolektorow >= 1)) {
    Refuse(QStringLiteral("Liczba kolektorów nie może wynosić 0 "));
    return false;
  }
  if (!(Engine.CWUCO == 0 || FloatOf(ui().Edit7) < 90)) {
    Refuse(QStringLiteral("Temperatura zasilania CO nie może przekraczać 90 C "));
    return false;
  }
  return true;
}

void TForm1::ShowResults() {
  QTableWidget* table = ui().TabelaKolektorow;
  for (int m = 0; m < 12; ++m) {
    platform::SetCell(table, 1, m + 1,
                      General(Engine.SystemEfficiency[m], 3, 10) + QStringLiteral(" %"));
    platform::SetCell(table, 2, m + 1, General(Engine.HotWaterSolarEnergy[m], 4, 10));
    platform::SetCell(table, 3, m + 1, General(Engine.HotWaterCoverage[m], 3, 10));
  }

  // The heating and pool values are written even while their groups are hidden.
  ShowValues({
      {ui().Label28, Engine.YieldPerSquareMetre, 4, 10},
      {ui().Label27, Engine.AnnualInsolation, 4, 10},
      {ui().StaticText16, Engine.AnnualHotWaterSolarEnergy, 5, 10},
      {ui().StaticText22, HotWaterDemandOfYear(Engine), 5, 10},
      {ui().StaticText40, Engine.AnnualHotWaterCoverage, 4, 10},
      {ui().StaticText19, Engine.AnnualHeatingSolarEnergy, 5, 10},
      {ui().StaticText37, Engine.AnnualHeatingDemand, 7, 7},
      {ui().StaticText41, Engine.HeatingCoverage, 3, 3},
      {ui().StaticText25, Engine.AnnualPoolSolarEnergy, 5, 10},
      {ui().StaticText38, PoolSeasonDemand(Engine), 5, 10},
      {ui().StaticText39, Engine.PoolCoverage, 3, 3},
  });

  if (WinKoszty) {
    WinKoszty->ui().EEnergiaPompy->setText(General(Engine.PumpElectricityCost, 4, 2));
    WinKoszty->ui().PowKolektorow->setText(
        Text(FixedText(static_cast<double>(Engine.LiczbaKolektorow) * Engine.CollectorArea, 4, 2)));
    WinKoszty->ui().BitBtn1->setEnabled(true);
  }
  if (WinKalkulatorEkologiczny) WinKalkulatorEkologiczny->ui().BitBtn1->setEnabled(true);
  ui().BitBtn1->setEnabled(true);
  ui().BitBtn3->setEnabled(true);
}

void TForm1::BitBtn11Click() {
  Ui::TWinWyniki& w = WinWyniki->ui();
  // The location as the design holds it: the main window's location label follows every choice
  // of a city and every opened project, where the location window's grid may still show another.
  w.StaticText27->setText(ui().Label49->text());
  ShowValues({
      {w.StaticText26, Engine.SzerokoscGeograficzna, 4, 10},
      {w.StaticText2, double(Engine.LiczbaOsob) * Engine.DCWU, 4, 10},
      {w.StaticText28, Engine.HotWaterEnergy / 30.0, 4, 10},
  });
  if (Engine.LiczbaZasobnikow == 1 || Engine.LiczbaZasobnikow == 2)
    w.StaticText16->setText(Text(std::to_string(Engine.LiczbaZasobnikow)));
  ShowValues({
      {w.StaticText31, Engine.TotalTankVolume, 4, 10},
      {w.StaticText17, Engine.TemperaturaWodyWZasobniku, 4, 10},
      {w.StaticText18, Engine.TemperaturaWodySieci, 4, 10},
      {w.StaticText19, double(Engine.LiczbaKolektorow), 4, 10},
      {w.StaticText22, Engine.KatBeta, 4, 10},
      {w.StaticText23, Engine.KatGamma, 4, 10},
      {w.StaticText24, Engine.CollectorArea, 4, 10},
      {w.StaticText34, static_cast<double>(Engine.LiczbaKolektorow) * Engine.CollectorArea, 4, 10},
  });
  w.StaticText42->setText(Engine.CWUCO == 1 ? QStringLiteral("CO + CWU") : QStringLiteral("CWU"));

  QTableWidget* grid = w.TabZyskEnergetyczny;
  const bool pool = ui().CheckBasen->isChecked();
  const bool heating = Engine.CWUCO == 1;
  ShowColumn(grid, 7, pool ? 60 : 0);
  w.StaticText47->setText(pool ? QStringLiteral("Suma energii na Basen")
                               : QStringLiteral("Nie wybrano basenu"));
  SetShown({w.StaticText50, w.StaticText51, w.StaticText67, w.StaticText68, w.StaticText69,
            w.StaticText65, w.StaticText66, w.StaticText61},
           pool);
  ShowColumn(grid, 8, heating ? 60 : 0);
  w.StaticText45->setText(heating ? QStringLiteral("Suma energii na CO")
                                  : QStringLiteral("Nie wybrano wspomagania CO"));
  SetShown({w.StaticText59, w.StaticText60, w.StaticText46, w.StaticText62, w.StaticText63,
            w.StaticText64, w.StaticText72, w.StaticText49},
           heating);
  // Columns 7 to 9 always take 200 px together.
  grid->setColumnWidth(9, pool && heating ? 80 : (pool || heating ? 140 : 200));

  // Each column's year: a sum accumulated month by month in single precision, or its mean.
  struct Column {
    float (*value)(const CVindargast2&, int month);
    int precision;
    bool percent;  // the mean with " %", else the sum
    int yearPrecision;
  };
  const Column columns[9] = {
      {[](const CVindargast2& d, int m) { return d.Naslonecznienie[m]; }, 3, false, 6},
      {[](const CVindargast2& d, int m) { return d.CollectorEfficiency[m]; }, 3, true, 3},
      {[](const CVindargast2& d, int m) { return d.SystemEfficiency[m]; }, 4, true, 4},
      {[](const CVindargast2& d, int m) { return d.HeatLoss[m][0]; }, 4, false, 4},
      {[](const CVindargast2& d, int m) { return d.HotWaterSolarEnergy[m]; }, 4, false, 4},
      {[](const CVindargast2& d, int m) { return d.HotWaterCoverage[m]; }, 4, true, 4},
      {[](const CVindargast2& d, int m) { return d.PoolSolarEnergy[m]; }, 4, false, 4},
      {[](const CVindargast2& d, int m) { return d.HeatingSolarEnergy[m]; }, 4, false, 4},
      {[](const CVindargast2& d, int m) {
         return static_cast<float>(double(d.HeatingSolarEnergy[m]) + d.PoolSolarEnergy[m] +
                                   d.HotWaterSolarEnergy[m]);
       },
       4, false, 4},
  };
  const QString percent = QStringLiteral(" %");
  for (int c = 0; c < 9; ++c) {
    const Column& column = columns[c];
    float sum = 0;
    for (int m = 0; m < 12; ++m) {
      const float value = column.value(Engine, m);
      sum += value;
      platform::SetCell(grid, c + 1, m + 1,
                        General(value, column.precision, 10) + (column.percent ? percent : ""));
    }
    const float year = column.percent ? sum / 12.0f : sum;
    platform::SetCell(grid, c + 1, 13,
                      General(year, column.yearPrecision, 10) + (column.percent ? percent : ""));
  }

  ShowValues({
      {w.StaticText53, Engine.AnnualHotWaterSolarEnergy, 5, 10},
      {w.StaticText57, HotWaterDemandOfYear(Engine), 5, 10},
      {w.StaticText58, Engine.AnnualHotWaterCoverage, 4, 10},
      {w.StaticText62, Engine.AnnualHeatingSolarEnergy, 5, 10},
      {w.StaticText63, Engine.AnnualHeatingDemand, 5, 10},
      {w.StaticText64, Engine.HeatingCoverage, 3, 3},
      {w.StaticText67, Engine.AnnualPoolSolarEnergy, 5, 10},
      {w.StaticText68, PoolSeasonDemand(Engine), 7, 7},
      {w.StaticText69, Engine.PoolCoverage, 3, 3},
      {w.StaticText70, Engine.YieldPerSquareMetre, 4, 10},
  });
  // A payback of 0 would read as paid back within the first year.
  w.StaticText73->setText(Engine.Costs.ResultsComputed ? General(Engine.Costs.PaybackYears, 3, 1)
                                                       : QStringLiteral("b/d"));

  WinWyniki->exec();
}

std::function<void()> TForm1::ResultsClearedHook;

namespace {

// Every value a compute writes, back to 0.
void ClearDesignResults(CVindargast2& d) {
  auto zero = [](auto& array) { std::fill(std::begin(array), std::end(array), 0.0f); };
  for (auto* array :
       {&d.TiltFactor, &d.OutdoorPipeLoss, &d.IndoorPipeLoss, &d.CirculationLoss,
        &d.CollectorEfficiency, &d.SolarEnergy, &d.UsefulEnergy, &d.HotWaterSolarEnergy,
        &d.HotWaterCoverage, &d.HeatingSolarEnergy, &d.PoolSolarEnergy, &d.SystemEfficiency,
        &d.TemperatureCeiling, &d.StorageShare, &d.HotShare, &d.HotEfficiency, &d.HotTemperature})
    zero(*array);
  for (auto& month : d.HeatLoss) zero(month);
  for (auto& month : d.HotClassEfficiency) zero(month);
  for (auto& month : d.StepClassEfficiency) zero(month);
  for (auto& month : d.StepTemperature) zero(month);
  for (float* value :
       {&d.HotWaterEnergy, &d.AnnualInsolation, &d.PoolEnergyDemand, &d.PoolWallLoss,
        &d.PoolSurfaceLoss, &d.EffectiveTankVolume, &d.TotalTankVolume,
        &d.AnnualHotWaterSolarEnergy, &d.AnnualHeatingSolarEnergy, &d.AnnualPoolSolarEnergy,
        &d.AnnualHeatLoss, &d.AnnualHeatingDemand, &d.AnnualHotWaterCoverage, &d.HeatingCoverage,
        &d.PoolCoverage, &d.YieldPerSquareMetre, &d.PumpElectricityCost})
    *value = 0;
  d.Costs.ClearResults();
}

}  // namespace

void TForm1::DesignChanged() {
  if (resultsShown_) ClearComputeResults();
}

void TForm1::ClearHydraulics() {
  Engine.ClearHydraulics();
  if (WinArmatura) WinArmatura->ShowHydraulics();
  FollowHydraulics();
}

void TForm1::FollowHydraulics() {
  if (!resultsShown_) return;
  const float before = Engine.PumpElectricityCost;
  Engine.ComputePumpElectricityCost(Engine.LiczbaKolektorow, ElectricityPrice());
  if (!WinKoszty) return;
  WinKoszty->ui().EEnergiaPompy->setText(General(Engine.PumpElectricityCost, 4, 2));
  if (Engine.PumpElectricityCost != before) WinKoszty->PumpCostChanged();
}

void TForm1::ClearResults() {
  ClearComputeResults();
  ClearHydraulics();
}

void TForm1::ClearComputeResults() {
  resultsShown_ = false;
  ClearDesignResults(Engine);
  // A figure not computed for the design on screen reads "b/d": a "0" would read as a result.
  for (QLabel* value :
       {ui().Label50, ui().Label52, ui().Label91, ui().Label28, ui().Label27, ui().StaticText19,
        ui().StaticText16, ui().StaticText22, ui().StaticText25, ui().StaticText40,
        ui().StaticText37, ui().StaticText41, ui().StaticText38, ui().StaticText39})
    value->setText(QStringLiteral("b/d"));
  platform::ClearCells(*ui().TabelaKolektorow, 1, 1);
  for (QWidget* command :
       {static_cast<QWidget*>(ui().BitBtn11), static_cast<QWidget*>(ui().BitBtn1),
        static_cast<QWidget*>(ui().BitBtn3)})
    command->setEnabled(false);
  ui().Opcjeraportu1->setEnabled(false);
  if (ResultsClearedHook) ResultsClearedHook();
}
