// "Zapisz Raport": the whole report of a computed design, read back from the written PDF with
// pdfinfo, pdftotext and qpdf.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "design_example.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "pdf_tools.h"
#include "platform/scripted_dialogs.h"
#include "qt_app.h"
#include "report/raport.h"
#include "temp_dir.h"

namespace {

const QString kLogo = QString::fromUtf8(VINDARGAST_DATA) + "/Grafika/logowydruk.jpg";

struct Scheme {
  bool pool;
  bool heating;
  int tanks;
};

// The reference design with six collectors, computed; optionally with a pool heated from May
// to September, central-heating support and a second tank.
CVindargast2 ComputedDesign(const Scheme& scheme) {
  CVindargast2 d = design_example::Make();
  d.LiczbaKolektorow = 6;
  d.SelectedCollector->PowierzchniaKolektora = 2.0f;
  if (scheme.pool) {
    d.Basen = 1;
    d.BasenOd = 4;
    d.BasenDo = 8;
    d.BasenDlugosc = 8;
    d.BasenSzerokosc = 4;
    d.BasenGlebokosc = 1.5f;
  }
  if (scheme.heating) d.CWUCO = 1;
  d.LiczbaZasobnikow = scheme.tanks;
  design_example::Run(d);
  return d;
}

// Numbers of a text line, in order.
std::vector<double> Numbers(const QString& line) {
  static const QRegularExpression number(R"((?<![\w.])-?\d+(\.\d+)?(E-?\d+)?)");
  std::vector<double> values;
  for (auto it = number.globalMatch(line); it.hasNext();)
    values.push_back(it.next().captured(0).toDouble());
  return values;
}

// The line of a page that starts with label (after blanks).
QString LineStartingWith(const QString& page, const QString& label) {
  for (const QString& line : page.split('\n')) {
    if (line.trimmed().startsWith(label)) return line.trimmed();
  }
  return {};
}

// Equal to 5 significant digits, as the report prints.
void ExpectPrinted(double printed, double value, const std::string& what) {
  EXPECT_NEAR(printed, value, std::max(1e-9, std::fabs(value) * 5e-5)) << what;
}

class ReportPdfTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    raport_ = std::make_unique<TWinRaport>();
    raport_->LogoFile = kLogo;
    WinRaport = raport_.get();
  }
  void TearDown() override {
    WinRaport = nullptr;
    Engine = MakeDefaultDesign();
  }
  // Ticks exactly the named chapter boxes.
  void Choose(bool thermal, bool installation, bool payback, bool charts) {
    raport_->ui.CheckObliczenia->setChecked(thermal);
    raport_->ui.CheckInformacje->setChecked(installation);
    raport_->ui.CheckZwrot->setChecked(payback);
    raport_->ui.CheckWykresy->setChecked(charts);
  }
  std::string Save(const std::string& name) {
    const std::string file = dir.File(name);
    dialogs.ExpectSaveFile(QString::fromStdString(file));
    raport_->BitGenerujClick();
    return file;
  }

  platform::ScriptedDialogs dialogs;
  TempDir dir;
  std::unique_ptr<TWinRaport> raport_;
};

TEST_F(ReportPdfTest, ThermalChapterPrintsTheDesignAndItsMonthlyTable) {
  Engine = ComputedDesign({true, true, 1});
  Engine.KatBeta = 45;
  Engine.WspolczynnikKrotnosci = 1.5f;
  Engine.TemperaturaWodyWZasobniku = 55;
  Choose(true, false, false, false);
  const std::string file = Save("cieplne.pdf");
  ASSERT_EQ(ReadPdfInfo(file).pages, 1);
  const QString page = PageLayoutText(file, 1);
  const CVindargast2& d = Engine;

  struct Row {
    const char* label;
    const char* value;
  };
  const Row rows[] = {
      {"Pochylenie kolektorów [°]", "45"},
      {"Wsp. wielkości zasobnika do dziennego zużycia C.W.U.", "1.5"},
      {"Temperatura wody w zasobniku [° C]", "55"},
      {"Cyrkulacja", d.Cyrkulacja == 1 ? "Tak" : "Nie"},
      {"Izolacja przewodów", "Tak"},
      {"Współczynnik przenikania ciepła [W/mK]", "0.035"},
      {"Liczba kolektorów", "6"},
      {"Powierzchnia kolektorów [m2]", "12"},
  };
  for (const Row& row : rows) {
    const QString line = LineStartingWith(page, QString::fromUtf8(row.label));
    EXPECT_TRUE(line.endsWith(QString::fromUtf8(row.value)))
        << row.label << ": " << line.toStdString();
  }

  // The pool's demand counts May to September: five months.
  const QString pool = page.mid(page.indexOf("Basen"));
  const std::vector<double> demand = Numbers(LineStartingWith(pool, "Zapotrzebowanie"));
  ASSERT_EQ(demand.size(), 1u);
  ExpectPrinted(demand[0], 5.0 * d.PoolEnergyDemand, "pool demand");

  const char* months[12] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                            "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                            "Wrzesień", "Październik", "Listopad", "Grudzień"};
  for (int m = 0; m < 12; ++m) {
    const QString line = LineStartingWith(page, QString::fromUtf8(months[m]));
    const std::vector<double> values = Numbers(line);
    ASSERT_EQ(values.size(), 9u) << months[m] << ": " << line.toStdString();
    const double expected[9] = {
        d.Naslonecznienie[m],
        d.CollectorEfficiency[m],
        d.SystemEfficiency[m],
        d.HeatLoss[m][0],
        d.HotWaterSolarEnergy[m],
        d.HotWaterCoverage[m],
        d.PoolSolarEnergy[m],
        d.HeatingSolarEnergy[m],
        double(d.HotWaterSolarEnergy[m]) + d.PoolSolarEnergy[m] + d.HeatingSolarEnergy[m]};
    for (int c = 0; c < 9; ++c) ExpectPrinted(values[c], expected[c], months[m]);
  }
  const std::vector<double> year = Numbers(LineStartingWith(page, "Rok"));
  ASSERT_EQ(year.size(), 9u);
  double insolation = 0, hotWater = 0, coverage = 0;
  for (int m = 0; m < 12; ++m) {
    insolation += d.Naslonecznienie[m];
    hotWater += d.HotWaterSolarEnergy[m];
    coverage += d.HotWaterCoverage[m];
  }
  ExpectPrinted(year[0], insolation, "yearly insolation");
  ExpectPrinted(year[4], hotWater, "yearly hot water");
  ExpectPrinted(year[5], coverage / 12, "mean coverage");
  EXPECT_TRUE(page.contains("Strona 1"));
}

TEST_F(ReportPdfTest, NoChapterCancelledDialogAndUnwritableTarget) {
  Engine = ComputedDesign({false, false, 1});
  // No box ticked: no dialog, no file, no message.
  Choose(false, false, false, false);
  raport_->BitGenerujClick();

  // The dialog cancelled: nothing written, nothing said.
  Choose(true, false, false, false);
  dialogs.ExpectSaveFile(std::nullopt);
  raport_->BitGenerujClick();
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  // A target that cannot be written is reported; an earlier report stays.
  const std::string blocker = dir.Write("plik", "x");
  const QString target = QString::fromStdString(blocker + "/raport.pdf");
  dialogs.ExpectSaveFile(target);
  dialogs.ExpectBox(
      "Komunikat",
      "Nie można zapisać pliku " + target + ": " + QString::fromStdString(std::strerror(ENOTDIR)),
      platform::Icon::Warning);
  raport_->BitGenerujClick();
}

}  // namespace
