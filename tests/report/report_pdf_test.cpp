// "Zapisz Raport": the whole report of a computed design, read back from the written PDF with
// pdfinfo, pdftotext and qpdf.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "catalogue_set.h"
#include "design_example.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
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

// The reference design, computed for the scheme, with 2 m2 collectors.
CVindargast2 ComputedDesign(const Scheme& scheme) {
  CVindargast2 d = design_example::MakeComputed(scheme.pool, scheme.heating, scheme.tanks);
  d.SelectedCollector->PowierzchniaKolektora = 2.0f;
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
    raport_->ui().CheckObliczenia->setChecked(thermal);
    raport_->ui().CheckInformacje->setChecked(installation);
    raport_->ui().CheckZwrot->setChecked(payback);
    raport_->ui().CheckWykresy->setChecked(charts);
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
  dialogs.ExpectBox("Komunikat",
                    "Nie można zapisać pliku " + target +
                        QString::fromUtf8(": w ścieżce jest plik zamiast folderu"),
                    platform::Icon::Warning);
  raport_->BitGenerujClick();
}

TEST_F(ReportPdfTest, InstallationChaptersPrintEveryDeviceAndTheFittings) {
  Engine = ComputedDesign({false, false, 2});
  CVindargast2& d = Engine;
  d.SelectedCollector->Model = "Słońce 2.0";
  d.SelectedCollector->Cena = 1500;
  d.SelectedTank->Model = "Pierwszy 300";
  d.SelectedTank->PojemnoscZasobnika = 300;
  d.SelectedTank->CisnieniePracy = 10;
  d.SelectedTank->Cena = 1234.5f;
  d.SelectedTank2->Model = "Drugi 200";
  d.SelectedTank2->PojemnoscZasobnika = 200;
  d.SelectedTank2->Cena = 1234.5f;
  d.SelectedPump->CisnienieZaworu = 6;
  d.SelectedVessel->CisnienieWstepne = 2.5f;
  d.Armatura.KolankoLiczba = 0;
  d.Armatura.KolankoCena = 3;
  d.Armatura.ZaworOdcinajacyLiczba = 4;
  d.Armatura.ZaworOdcinajacyCena = 25;
  d.Armatura.DlugoscPrzewodow = 20;
  d.Armatura.CenaZaMetr = 10;
  d.SrednicaPrzewodu = 18;
  Choose(false, true, false, false);

  struct Certificate {
    const char* link;
    const char* printed;
  };
  for (const Certificate& c : {Certificate{"brak", "Nie"}, Certificate{"", "Nie"},
                               Certificate{"https://example.pl/cert.pdf", "Tak"}}) {
    d.SelectedCollector->Certyfikat = c.link;
    const std::string file = Save(std::string("instalacja-") + c.printed + ".pdf");
    ASSERT_EQ(ReadPdfInfo(file).pages, 3) << c.link;
    const QString first = PageLayoutText(file, 1);
    EXPECT_TRUE(LineStartingWith(first, "Certyfikat").endsWith(c.printed)) << c.link;
    EXPECT_TRUE(first.contains(QString::fromUtf8("Kolektor - Słońce 2.0")));
    EXPECT_TRUE(LineStartingWith(first, "Cena netto").endsWith(QString::fromUtf8("1 500.00 zł")));
  }
  const std::string file = dir.File("instalacja-Tak.pdf");
  const QString first = PageLayoutText(file, 1);
  const QString firstTank = first.mid(first.indexOf("Zasobnik - Pierwszy 300"));
  EXPECT_TRUE(
      LineStartingWith(firstTank, QString::fromUtf8("Pojemność zasobnika [l]")).endsWith("300"));
  EXPECT_TRUE(LineStartingWith(firstTank, QString::fromUtf8("Maksymalne ciśnienie pracy [bar]"))
                  .endsWith("10"));
  EXPECT_TRUE(LineStartingWith(firstTank, "Cena netto").endsWith(QString::fromUtf8("1 234.50 zł")));

  // The second tank on its own page, with the first tank's formats.
  const QString third = PageLayoutText(file, 3);
  EXPECT_TRUE(third.contains(QString::fromUtf8("Informacje o instalacji cz. 3")));
  EXPECT_TRUE(third.contains("Zasobnik - Drugi 200"));
  EXPECT_TRUE(
      LineStartingWith(third, QString::fromUtf8("Pojemność zasobnika [l]")).endsWith("200"));
  EXPECT_TRUE(LineStartingWith(third, "Cena netto").endsWith(QString::fromUtf8("1 234.50 zł")));
  EXPECT_FALSE(third.contains("Pierwszy"));

  const QString second = PageLayoutText(file, 2);
  EXPECT_TRUE(
      LineStartingWith(second, QString::fromUtf8("Ciśnienie reakcji zaworu [bar]")).endsWith("6"));
  EXPECT_TRUE(
      LineStartingWith(second, QString::fromUtf8("Ciśnienie wstępne [bar]")).endsWith("2.5"));
  EXPECT_EQ(Numbers(LineStartingWith(second, "Kolanko")), (std::vector<double>{0, 3.00}));
  EXPECT_EQ(LineStartingWith(second, QString::fromUtf8("Średnica przewodów [mm]")).simplified(),
            QString::fromUtf8("Średnica przewodów [mm] 18"));
  // 4 x 25 + 20 m x 10: the printed total is the one the fittings record keeps.
  EXPECT_TRUE(LineStartingWith(second, QString::fromUtf8("Całkowita cena netto armatury"))
                  .endsWith(QString::fromUtf8("300.00 zł")));
  EXPECT_FLOAT_EQ(d.Armatura.FittingsPrice, 300);
}

TEST_F(ReportPdfTest, ChaptersComeInTheirOrderWithOnePageAndOutlineEntryEach) {
  struct Choice {
    const char* name;
    bool thermal, installation, payback, charts;
  };
  const Choice choices[] = {
      {"thermal", true, false, false, false}, {"installation", false, true, false, false},
      {"payback", false, false, true, false}, {"charts", false, false, false, true},
      {"all four", true, true, true, true},
  };
  const Scheme schemes[] = {{false, false, 1}, {true, true, 1}, {false, false, 2}, {true, true, 2}};
  raport_->ui().ENazwaProjektu->setText(QString::fromUtf8("Świetlica w Żninie"));
  for (const Scheme& scheme : schemes) {
    Engine = ComputedDesign(scheme);
    for (const Choice& choice : choices) {
      std::vector<QString> titles;
      if (choice.thermal) titles.push_back("Obliczenia cieplne");
      if (choice.installation) {
        for (int part = 1; part <= scheme.tanks + 1; ++part)
          titles.push_back(QString::fromUtf8("Informacje o instalacji cz. %1").arg(part));
      }
      if (choice.payback)
        titles.push_back(QString::fromUtf8("Zwrot z inwestycji i efekt ekologiczny"));
      if (choice.charts) titles.push_back("Wykresy");
      const std::string name = std::string(choice.name) + (scheme.pool ? " basen" : "") + " " +
                               std::to_string(scheme.tanks) + ".pdf";
      Choose(choice.thermal, choice.installation, choice.payback, choice.charts);
      const std::string file = Save(name);

      const PdfInfo info = ReadPdfInfo(file);
      ASSERT_TRUE(info.valid) << name;
      EXPECT_EQ(info.pages, int(titles.size())) << name;
      const std::vector<OutlineEntry> outline = Outlines(file);
      ASSERT_EQ(outline.size(), 1u) << name;
      EXPECT_EQ(outline[0].title, QString::fromUtf8("Spis treści")) << name;
      ASSERT_EQ(outline[0].kids.size(), titles.size()) << name;
      for (size_t i = 0; i < titles.size(); ++i) {
        const int page = int(i) + 1;
        EXPECT_EQ(outline[0].kids[i].title, titles[i]) << name;
        EXPECT_EQ(outline[0].kids[i].page, page) << name;
        const QString text = PageText(file, page);
        EXPECT_TRUE(text.contains(titles[i])) << name << " page " << page;
        EXPECT_TRUE(text.contains("Strona " + QString::number(page) + "\n")) << name << page;
        EXPECT_TRUE(text.contains(QString::fromUtf8("Nazwa projektu: Świetlica w Żninie")))
            << name << " page " << page;
      }
    }
  }
}

TEST_F(ReportPdfTest, ThermalChapterKeepsPoolAndHeatingSectionsWithoutThem) {
  Engine = ComputedDesign({false, false, 1});
  Choose(true, false, false, false);
  const QString page = PageLayoutText(Save("bez.pdf"), 1);
  const QString pool = page.mid(page.indexOf("\n", page.indexOf(" Basen")));
  EXPECT_EQ(Numbers(LineStartingWith(pool, "Zapotrzebowanie")), std::vector<double>{0});
  EXPECT_TRUE(page.contains("Wspomaganie CO"));
  const std::vector<double> year = Numbers(LineStartingWith(page, "Rok"));
  ASSERT_EQ(year.size(), 9u);
  EXPECT_EQ(year[6], 0);
  EXPECT_EQ(year[7], 0);
}

// The bars of the charts page: 10 points wide, standing on a chart's zero line (the legend's
// swatches are 5 high and stand elsewhere).
struct ChartBars {
  std::vector<PdfRect> energy, coverage, efficiency;
};
ChartBars BarsOf(const std::string& file) {
  ChartBars bars;
  for (const PdfRect& r : Rectangles(file)) {
    if (std::fabs(r.width - 10) > 1e-6) continue;
    if (std::fabs(r.y - 520) < 1e-6) bars.energy.push_back(r);
    if (std::fabs(r.y - 255) < 1e-6) bars.coverage.push_back(r);
    if (std::fabs(r.y - 95) < 1e-6) bars.efficiency.push_back(r);
  }
  return bars;
}

TEST_F(ReportPdfTest, ChartsChapterScalesEveryBarIntoItsFrame) {
  struct Case {
    const char* name;
    float july, juneHeating;
    float axisTop;
    std::vector<const char*> axisTexts;
  };
  const Case cases[] = {
      {"July decides",
       2450,
       0,
       3000,
       {"300", "600", "900", "1200", "1500", "1800", "2100", "2400", "2700"}},
      {"a taller month steps the axis up",
       2450,
       3500,
       4000,
       {"400", "800", "1200", "1600", "2000", "2400", "2800", "3200", "3600"}},
      {"the ladder's last step", 12000, 0, 100000, {"1E4", "5E4", "9E4"}},
  };
  for (const Case& c : cases) {
    Engine = MakeDefaultDesign();
    Engine.HotWaterSolarEnergy[6] = c.july;
    Engine.HeatingSolarEnergy[5] = c.juneHeating;
    Engine.HotWaterCoverage[6] = 100;
    Engine.HotWaterCoverage[7] = 140;
    Engine.CollectorEfficiency[6] = 100;
    Engine.SystemEfficiency[6] = 55;
    Choose(false, false, false, true);
    const std::string file = Save(std::string(c.name) + ".pdf");
    ASSERT_EQ(ReadPdfInfo(file).pages, 1) << c.name;
    const QString text = PageText(file, 1);
    for (const char* axis : c.axisTexts)
      EXPECT_TRUE(text.contains(QString("\n") + axis + "\n")) << c.name << ": " << axis;
    for (const char* month : {"styczeń", "sierpień", "wrzesień", "październik", "grudzień"})
      EXPECT_TRUE(text.contains(QString::fromUtf8(month))) << c.name << ": " << month;
    EXPECT_FALSE(text.contains(QString::fromUtf8("śierpień"))) << c.name;

    const ChartBars bars = BarsOf(file);
    ASSERT_EQ(bars.energy.size(), 36u) << c.name;
    ASSERT_EQ(bars.coverage.size(), 12u) << c.name;
    ASSERT_EQ(bars.efficiency.size(), 24u) << c.name;
    // July's blue bar, 200 points for the axis top; every bar under the frame's top.
    EXPECT_NEAR(bars.energy[6].height, 200.0 * c.july / c.axisTop, 0.01) << c.name;
    EXPECT_NEAR(bars.energy[6].x, 40 + 35 + 7 + 240, 1e-3) << c.name;
    for (const PdfRect& r : bars.energy) EXPECT_LE(r.y + r.height, 720 + 1e-3) << c.name;
    EXPECT_NEAR(bars.energy[12 + 5].height, 200.0 * c.juneHeating / c.axisTop, 0.01) << c.name;
    // Coverage: 2 points per percent, never above the frame (205 points over the zero line).
    EXPECT_NEAR(bars.coverage[6].height, 200, 1e-3) << c.name;
    EXPECT_NEAR(bars.coverage[7].height, 205, 1e-3) << c.name;
    // Efficiency: 1 point per percent, 100 % at the frame's top.
    EXPECT_NEAR(bars.efficiency[6].height, 100, 1e-3) << c.name;
    EXPECT_NEAR(bars.efficiency[12 + 6].height, 55, 1e-3) << c.name;
  }
}

// A window created as start-up does and known by its global instance for its life.
template <class T>
class GlobalWindow {
 public:
  explicit GlobalWindow(T*& global) : global_(global), window_(std::make_unique<T>()) {
    global_ = window_.get();
  }
  ~GlobalWindow() { global_ = nullptr; }
  T* operator->() const { return window_.get(); }

 private:
  T*& global_;
  std::unique_ptr<T> window_;
};

// With the main window, the cost window and the ecological calculator as start-up creates them.
class ReportFromWindowsTest : public CatalogueSetTest {
 protected:
  struct Windows {
    GlobalWindow<TWinKoszty> koszty{WinKoszty};
    GlobalWindow<TWinKalkulatorEkologiczny> kalkulator{WinKalkulatorEkologiczny};
    GlobalWindow<TWinRaport> raport{WinRaport};
  };
  void SetUp() override {
    CatalogueSetTest::SetUp();
    windows = std::make_unique<Windows>();
    windows->raport->LogoFile = kLogo;
  }
  void TearDown() override {
    windows.reset();
    CatalogueSetTest::TearDown();
  }
  std::string Save(const std::string& name) {
    const std::string file = dir_.File(name);
    dialogs.ExpectSaveFile(QString::fromStdString(file));
    windows->raport->BitGenerujClick();
    return file;
  }

  void ChoosePaybackOnly() {
    Ui::TWinRaport& r = windows->raport->ui();
    r.CheckObliczenia->setChecked(false);
    r.CheckInformacje->setChecked(false);
    r.CheckWykresy->setChecked(false);
  }
  // The collectors' and the tanks' cost items; every other item 0.
  static void SetCostItems(float collectors, float tanks) {
    Engine.SetPriceMode = 0;
    for (float CVindargast2::*item :
         {&CVindargast2::CenaSterownik, &CVindargast2::CenaNaczynie, &CVindargast2::CenaPompa,
          &CVindargast2::CenaArmatury, &CVindargast2::CenaPlynu, &CVindargast2::CenaMontazu,
          &CVindargast2::CenaInne})
      Engine.*item = 0;
    Engine.CenaKolektory = collectors;
    Engine.CenaZasobnik = tanks;
  }

  std::unique_ptr<Windows> windows;
};

// Nothing computed for the design: no figure of the cost calculation or of the ecological
// calculator is printed as a number, nor a unit without one.
TEST_F(ReportFromWindowsTest, PaybackChapterPrintsBdForWhatWasNotComputed) {
  Engine = ComputedDesign({false, false, 1});
  Engine.Costs.ClearResults();
  ChoosePaybackOnly();
  // A text some window still holds counts for nothing once the design has no cost results.
  windows->koszty->ui().Edit3->setText("850.25");

  const std::string file = Save("bez-wynikow.pdf");
  const QString page = PageLayoutText(file, 1);
  const struct {
    const char* label;
    const char* printed;  // the rest of the line
  } rows[] = {
      {"Okres zwrotu [lata]:", "b/d"},
      {"NPV", "b/d IRR b/d"},
      {"Koszt instalacji po odliczeniu dotacji", "b/d"},
      {"Koszt paliw i energii do ogrzewania CWU bez", "b/d"},
      {"Średnie roczne oszczędności", "CWU b/d CO b/d"},
      {"Suma oszczędności", "CWU b/d CO b/d"},
      {"Średnie roczne koszty eksploatacji", "b/d"},
      {"Suma kosztów eksploatacji", "b/d"},
      {"Koszt energii słonecznej", "b/d"},
      {"CO2", "b/d"},
      {"BaP", "b/d"},
  };
  for (const auto& row : rows) {
    const QString line = LineStartingWith(page, QString::fromUtf8(row.label)).simplified();
    EXPECT_TRUE(line.endsWith(QString::fromUtf8(row.printed)))
        << row.label << ": " << line.toStdString();
  }
}

// The cost window was last shown for another design: the report prints the sums of this one,
// and the window shows them too.
TEST_F(ReportFromWindowsTest, PaybackChapterPrintsTheSumsOfTheDesignAsItIsNow) {
  Engine = ComputedDesign({false, false, 1});
  ChoosePaybackOnly();
  SetCostItems(10000, 0);
  windows->koszty->show();
  windows->koszty->hide();
  ASSERT_EQ(windows->koszty->ui().ESumaBrutto->text(), "12200.00");  // 22 % VAT

  SetCostItems(12000, 3000);  // more collectors and a second tank
  const std::string file = Save("nowe-sumy.pdf");
  const QString line = LineStartingWith(PageLayoutText(file, 1), "Sumaryczny koszt instalacji");
  const std::vector<double> sums = Numbers(line);
  ASSERT_EQ(sums.size(), 3u) << line.toStdString();
  EXPECT_DOUBLE_EQ(sums[0], 15000);
  EXPECT_DOUBLE_EQ(sums[1], 3300);
  EXPECT_DOUBLE_EQ(sums[2], 18300);
  EXPECT_EQ(windows->koszty->ui().ESumaBrutto->text(), "18300.00");
}

// A set's net sum is printed as an amount, and stands clear of its unit and of the VAT beside it.
TEST_F(ReportFromWindowsTest, PaybackChapterPrintsASetsSumAsAnAmountInItsPlace) {
  Engine = ComputedDesign({false, false, 1});
  ChoosePaybackOnly();
  SetCostItems(0, 0);
  Engine.SetPriceMode = 1;
  Engine.CenaZestawu = 12345.67f;
  Engine.CenaArmatury = 2005.03f;
  const std::string file = Save("zestaw.pdf");

  const std::vector<PdfWord> line = LineOf(PageWords(file, 1), "netto");
  QStringList texts;
  for (const PdfWord& word : line) texts << word.text;
  const int netto = static_cast<int>(texts.indexOf("netto"));
  ASSERT_GE(netto, 0);
  EXPECT_EQ(texts.mid(netto, 4).join(' '), QString::fromUtf8("netto 14350.7 zł vat"))
      << texts.join(' ').toStdString();
  for (size_t i = 1; i < line.size(); ++i)
    EXPECT_LT(line[i - 1].xMax, line[i].xMin) << texts.join(' ').toStdString();
}

// The assumptions of an opened design print as the cost window's showing fills them, shown or
// not: never the texts the window kept of the design shown before.
TEST_F(ReportFromWindowsTest, PaybackChapterPrintsTheStoredAssumptionsOfTheDesign) {
  Engine = ComputedDesign({false, false, 1});
  ChoosePaybackOnly();
  Ui::TWinKoszty& k = windows->koszty->ui();
  k.ElataEksploatacji->setText("25");
  k.Edyskont->setText("3");
  // As a project file brings them.
  Engine.Costs.IleCzasEksploatacji = 20;
  Engine.Costs.DyskontTakNie = 1;
  Engine.Costs.IleDyskont = 4.5f;
  const QString page = PageLayoutText(Save("zalozenia.pdf"), 1);
  EXPECT_EQ(LineStartingWith(page, QString::fromUtf8("Zakładany czas")).simplified(),
            QString::fromUtf8("Zakładany czas eksploatacji [lata] 20"));
  EXPECT_EQ(LineStartingWith(page, "Stopa dyskonta").simplified(),
            QString::fromUtf8("Stopa dyskonta Tak 4.5[%]"));
}

TEST_F(ReportFromWindowsTest, PaybackChapterCopiesTheCostAndEcologyWindows) {
  Engine = ComputedDesign({false, false, 1});
  ChoosePaybackOnly();

  // The sums of the design's cost items, and the texts as a cost calculation leaves them.
  SetCostItems(12000, 0);
  Ui::TWinKoszty& k = windows->koszty->ui();
  k.Evat->setText("8");
  windows->koszty->show();
  windows->koszty->hide();
  k.DotacjaNetto->setText("4100.50");
  k.Edit9->setText("8859.50");
  k.Edit3->setText("850.25");
  k.Edit4->setText("0.00");
  k.StaticText77->setText("0.31");
  k.StaticText65->setText("5230.12");
  k.StaticText67->setText("7.25");
  windows->kalkulator->ui().StaticText12->setText("1850.4");
  windows->kalkulator->ui().StaticText19->setText("0.012");

  struct Heating {
    int type;
    const char* label;
    float value;
  };
  for (const Heating& h : {Heating{7, "COP [%]: ", 320}, Heating{2, "Sprawność [%]: ", 85}}) {
    Engine.Costs.TypOgrzewania = h.type;
    Engine.Costs.HeatPumpCop = 320;
    Engine.Costs.SprawnoscProcesu = 85;
    Engine.Costs.FuelName = "Węgiel kamienny";
    Engine.Costs.PaybackYears = 9.4567f;
    Engine.Costs.ResultsComputed = true;
    Engine.Costs.IleInflacja = 2.5f;
    Engine.Costs.DyskontTakNie = 1;
    const std::string file = Save("zwrot-" + std::to_string(h.type) + ".pdf");
    ASSERT_EQ(ReadPdfInfo(file).pages, 1);
    const QString page = PageLayoutText(file, 1);
    const QString flat = page.simplified();
    const std::string heating = h.label + std::to_string(int(h.value));
    const char* const expected[] = {
        "netto 12000.00 zł vat 960.00 zł brutto 12960.00 zł",
        "Dotacja Netto 4100.50[zł]",
        "Koszt instalacji po odliczeniu dotacji 8859.50[zł]",
        "Inflacja 2.5[%]",
        "Stopa dyskonta Tak",
        "Zastępowane paliwo konwencjonalne: Węgiel kamienny",
        heating.c_str(),
        "CWU 850.25zł CO 0.00zł",
        "Okres zwrotu [lata]: 9.46",
        "0.31zł",
        "NPV 5230.12 IRR 7.25%",
        "CO2 1850.4 kg/rok",
        "BaP 0.012 g/rok",
    };
    for (const char* text : expected)
      EXPECT_TRUE(flat.contains(QString::fromUtf8(text))) << h.type << ": " << text;
  }
}

// The chapters give their free texts' places from the left margin (40 points): a label at +0
// stands beside its heading's title (80), one at -30 30 points left of it and clear of the strip
// printers cut, and the long ones end before the amounts at +400.
TEST_F(ReportFromWindowsTest, FreeTextsStandWhereTheLayoutPutsThem) {
  Engine = ComputedDesign({false, false, 1});
  Engine.Costs.ResultsComputed = true;
  ChoosePaybackOnly();
  windows->raport->ui().CheckObliczenia->setChecked(true);
  SetCostItems(12000, 0);
  Ui::TWinKoszty& k = windows->koszty->ui();
  windows->koszty->show();
  windows->koszty->hide();
  k.Edit7->setText("1234567.89");
  k.Edit8->setText("987654.32");
  k.Edit1->setText("350.00");

  const std::string file = Save("miejsca.pdf");
  ASSERT_EQ(ReadPdfInfo(file).pages, 2);
  const double margin = 40;
  // The thermal page's texts stand before its table sets the inset to 2, the payback page's after.
  const std::vector<PdfWord> thermal = PageWords(file, 1);
  const std::vector<PdfWord> yield = LineOf(thermal, QString::fromUtf8("Wartość"));
  ASSERT_EQ(yield.size(), 8u);  // the heading's five words, "Wartość", the yield and its unit
  EXPECT_NEAR(yield[5].xMin, margin + 5 + margin + 220, 0.5);
  EXPECT_NEAR(yield[6].xMin, margin + 5 + margin + 270, 0.5);
  EXPECT_NEAR(yield[7].xMin, margin + 5 + margin + 320, 0.5);

  const std::vector<PdfWord> payback = PageWords(file, 2);
  const double inset = 2;
  const std::vector<PdfWord> other = LineOf(payback, "Inna");
  const std::vector<PdfWord> amount = LineOf(payback, "Kwota");
  ASSERT_FALSE(other.empty());
  ASSERT_FALSE(amount.empty());
  EXPECT_NEAR(amount.front().xMin, margin + inset + margin, 0.5);
  EXPECT_NEAR(amount.front().xMin, other.front().xMin + inset, 0.5);

  // The two rows of yearly fuel costs: the label at -30, the amount at +400.
  for (int row = 0; row < 2; ++row) {
    SCOPED_TRACE(row);
    const std::vector<PdfWord> line = LineOf(payback, "paliw", row);
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.front().text, "Koszt");
    EXPECT_NEAR(line.front().xMin, margin + inset + margin - 30, 0.5);
    const PdfWord& cost = line.back();
    EXPECT_TRUE(cost.text.endsWith(QString::fromUtf8("zł"))) << cost.text.toStdString();
    EXPECT_NEAR(cost.xMin, margin + inset + margin + 400, 0.5);
    EXPECT_EQ(line[line.size() - 2].text, "eksploatacji");
    EXPECT_LT(line[line.size() - 2].xMax + 5, cost.xMin);
  }
  // No text starts in the margin.
  for (const auto* page : {&thermal, &payback}) {
    for (const PdfWord& w : *page) EXPECT_GE(w.xMin, margin) << w.text.toStdString();
  }
}

}  // namespace
