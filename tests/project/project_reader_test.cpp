// The project reader: files read back whole, the rules of positions and names, the values it puts
// into the windows, and files that fail, which leave the design and every window as they were.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/project_format.h"
#include "project/project_windows.h"
#include "project_fixture.h"
#include "xml/xmldoc.h"

using project_test::Design;

namespace {

const QString kReadError = QString::fromUtf8("Wystąpił błąd podczas odczytu pliku !!!");
const QString kWrongFormat = QString::fromUtf8("Nie prawidłowy format danych !!!");

std::string Golden(Design design) {
  return ReadFileBytes(project_test::GoldenPath(design));
}

// text with its one occurrence of `from` replaced.
std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from << " is not unique";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string Field(const std::string& name, const std::string& text) {
  return "<field name=\"" + name + "\">" + text + "</field>";
}

// The section `name` of a file (its lines, from its indentation to its closing line break).
std::string SectionOf(const std::string& file, const std::string& name) {
  const size_t begin = file.find("  <" + name + ">");
  const std::string end = "</" + name + ">\r\n";
  const size_t stop = file.find(end, begin);
  EXPECT_NE(begin, std::string::npos) << name;
  return file.substr(begin, stop + end.size() - begin);
}

std::string Without(const std::string& file, const std::string& name) {
  return Replace(file, SectionOf(file, name), "");
}

// A file of the given sections' texts.
std::string FileOf(const std::string& sections, const std::string& root = "vindargast") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<" + root + ">\r\n" + sections + "</" +
         root + ">\r\n";
}

std::string Section(const std::string& name, const std::vector<std::string>& texts) {
  std::string section = "  <" + name + ">\r\n";
  for (const std::string& text : texts) section += "    " + Field("f", text) + "\r\n";
  return section + "  </" + name + ">\r\n";
}

const std::vector<std::string> kForm = {"45",  "4",  "65", "1.5", "55", "22",   "45", "-30", "2.3",
                                        "2.3", "18", "4",  "7",   "4",  "true", "1",  "0"};

}  // namespace

class ProjectReaderTest : public ProjectTest {
 protected:
  // Everything a read may change: the design's inputs and devices (as a project document of a
  // copy, with the second tank), its flags, and the windows' inputs and states.
  std::string State() {
    CVindargast2 copy(Engine);
    copy.LiczbaZasobnikow = 2;
    xml::Document document;
    project::BuildProjectDocument(copy, project::GatherWindowInputs(), document);
    std::string state = document.SaveText();
    for (uint8_t flag : {Engine.ProjectLoaded, Engine.FittingsComputed, Engine.CostsLoaded,
                         Engine.Cyrkulacja, Engine.Basen, Engine.Przeslona,
                         Engine.Costs.InflationOn, Engine.Costs.NfosigwSubsidyOn, Engine.Izolacja})
      state += char('0' + flag);
    const Ui::TWinKoszty& k = WinKoszty->ui();
    state += k.CheckInflacja->isChecked() ? "I" : "i";
    state += k.RSumaNetto->isChecked() ? "N" : "n";
    state += QString::number(k.ComboStawkiPodatku->currentIndex()).toStdString();
    state +=
        QString::number(WinKalkulatorEkologiczny->ui().ComboBox1->currentIndex()).toStdString();
    state += Form1->ui().Label49->text().toStdString();
    for (float v : {Engine.CollectorK1, Engine.CollectorArea, Engine.Tank2Volume, Engine.Tank2Price,
                    Engine.InsulationLambda, Engine.InsulationCost})
      state += "|" + General15(v);
    return state;
  }

  int32_t Read(const std::string& bytes) {
    return Engine.ReadProjectFile(dir_.Write("wczytaj.xml", bytes));
  }
};

TEST_F(ProjectReaderTest, ReadsEachGoldenFileBackAndWritesItAgainByteForByte) {
  for (Design design : {Design::HotWater, Design::TwoTanksCirculation, Design::HeatingPool}) {
    SCOPED_TRACE(project_test::GoldenName(design));
    Engine = MakeDefaultDesign();
    DestroyWindows();
    CreateWindows();
    Form1->ui().Label49->setText("Gdańsk");
    ASSERT_EQ(Engine.ReadProjectFile(project_test::GoldenPath(design)), 1);
    EXPECT_EQ(Write("znowu.xml"), Golden(design));
  }
  // What the last one put into the design and the windows.
  EXPECT_EQ(Engine.ProjectLoaded, 1);
  EXPECT_EQ(Engine.FittingsComputed, 1);
  EXPECT_EQ(Engine.CostsLoaded, 1);
  EXPECT_EQ(Engine.Basen, 1);
  EXPECT_EQ(Engine.Przeslona, 1);
  EXPECT_EQ(Engine.PowierzchniaBudynku, 12346.0f);  // every digit kept
  EXPECT_EQ(Engine.DlugoscPrzewodowNaZewnatrz, 2.3f);
  EXPECT_EQ(Engine.CollectorK1, 3.456789f);
  EXPECT_EQ(Engine.CollectorArea, 1.85f);
  EXPECT_EQ(Engine.Tank1Volume, 300.0f);
  EXPECT_EQ(Engine.InsulationCost, 200.5f);
  EXPECT_EQ(Engine.CenaInne, 640.0f);
  EXPECT_EQ(Form1->ui().Label49->text(), QString::fromUtf8("Kraków"));
  EXPECT_EQ(WinKoszty->ui().Evat->text(), "8");
  EXPECT_EQ(WinRaport->ui().EProjektant->text(), QString::fromUtf8("Jan Żółć"));
  EXPECT_TRUE(WinRaport->ui().ENazwaProjektu->text().isEmpty());  // "brak" leaves it
  EXPECT_EQ(WinKalkulatorEkologiczny->ui().ComboBox1->currentIndex(), 1);
}

// The report window is built at its first use: a file that remembers no report text leaves it
// unbuilt (the start reads such a file), and a later build gives the form's own texts.
TEST_F(ProjectReaderTest, AFileWithoutReportTextsLeavesTheReportWindowUnbuilt) {
  std::string file = Golden(Design::HotWater);
  for (const auto& [name, text] : {std::pair{"projektant", "Jan Żółć"},
                                   {"stronaWWW", "https://projekt.example"},
                                   {"telefon", "+48 12 345 67 89"}})
    file = Replace(file, Field(name, text), Field(name, "brak"));
  DestroyWindows();
  CreateWindows();
  ASSERT_FALSE(WinRaport->ui.Built());
  ASSERT_EQ(Read(file), 1);
  EXPECT_FALSE(WinRaport->ui.Built());
  EXPECT_EQ(WinRaport->ui().EProjektant->text(), "");
  EXPECT_TRUE(WinRaport->ui().CheckBox2->isChecked());
}

TEST_F(ProjectReaderTest, InflationSwitchSurvivesASaveAndAnOlderFileReadsAsInflationOn) {
  Prepare(Design::TwoTanksCirculation);  // inflation off
  const std::string saved = Write("projekt.xml");
  Engine.Costs.InflationOn = 1;
  WinKoszty->ui().CheckInflacja->setChecked(true);
  ASSERT_EQ(Read(saved), 1);
  EXPECT_EQ(Engine.Costs.InflationOn, 0);
  EXPECT_FALSE(WinKoszty->ui().CheckInflacja->isChecked());

  const std::string older = Replace(saved, "\r\n      " + Field("inflacja_tak_nie", "nie"), "");
  ASSERT_EQ(Read(older), 1);
  EXPECT_EQ(Engine.Costs.InflationOn, 1);
  EXPECT_TRUE(WinKoszty->ui().CheckInflacja->isChecked());

  // Without the element the switch stays as it is.
  Engine.Costs.InflationOn = 0;
  ASSERT_EQ(Read(Replace(older,
                         "    <inflacja>\r\n      " + Field("Ile_inflacja", "3.5") +
                             "\r\n    </inflacja>\r\n",
                         "")),
            1);
  EXPECT_EQ(Engine.Costs.InflationOn, 0);
}

TEST_F(ProjectReaderTest, WrongRootChangesNothing) {
  Prepare(Design::HotWater);
  const std::string before = State();
  for (const char* root : {"Vindargast", "zestaw"}) {
    SCOPED_TRACE(root);
    dialogs.ExpectBox("Uwaga", kWrongFormat, platform::Icon::Warning);
    EXPECT_EQ(Read(Replace(Replace(Golden(Design::HeatingPool), "<vindargast>",
                                   std::string("<") + root + ">"),
                           "</vindargast>", std::string("</") + root + ">")),
              -1);
    EXPECT_EQ(State(), before);
  }
  EXPECT_EQ(Engine.ProjectLoaded, 0);
}

// Every failure after the root: the message, -1, and the design, its flags and the windows as
// they were, although the file's earlier sections were good.
TEST_F(ProjectReaderTest, DamagedFileChangesNothing) {
  const std::string good = Golden(Design::HeatingPool);
  const std::string pool = SectionOf(good, "Basen");
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"not well-formed", good.substr(0, good.size() / 2)},
      {"decimal comma", Replace(good, Field("Glebokosc", "1.6"), Field("Glebokosc", "1,6"))},
      {"4.0 as a whole number",
       Replace(good, Field("Liczba_osob", "4"), Field("Liczba_osob", "4.0"))},
      {"empty number", Replace(good, Field("Kat_beta", "45"), Field("Kat_beta", ""))},
      {"form second", Replace(good, SectionOf(good, "formularz") + SectionOf(good, "lokalizacja"),
                              SectionOf(good, "lokalizacja") + SectionOf(good, "formularz"))},
      {"a field too few", Replace(good, "\r\n    " + Field("Temperatura_powrotu", "30"), "")},
      {"three tanks",
       Replace(good, Field("Liczba_zasobnikow", "1"), Field("Liczba_zasobnikow", "3"))},
      {"no tank", Replace(good, Field("Liczba_zasobnikow", "1"), Field("Liczba_zasobnikow", "0"))},
      {"pool month 12", Replace(good, Field("Do", "8"), Field("Do", "12"))},
      {"pool month -1", Replace(good, Field("Od", "4"), Field("Od", "-1"))},
      {"connection type 0",
       Replace(good, Field("RodzajPolaczenia", "3"), Field("RodzajPolaczenia", "0"))},
      {"connection type 4",
       Replace(good, Field("RodzajPolaczenia", "3"), Field("RodzajPolaczenia", "4"))},
      {"heating type beyond the fuel rows",
       Replace(Without(good, "Kalkulator_Ekologiczny"), Field("Typ_ogrzewania", "1"),
               Field("Typ_ogrzewania", "2"))},
      {"calculator's heating type -1",
       Replace(SectionOf(good, "Kalkulator_Ekologiczny"), Field("Typ_ogrzewania", "1"),
               Field("Typ_ogrzewania", "-1"))},
      {"device price",
       Replace(good, Field("Cena_kolektora", "1899.99"), Field("Cena_kolektora", "tanio"))},
      {"diameter beyond any integer",
       Replace(good, Field("Srednica_przewodu", "22"), Field("Srednica_przewodu", "3E10"))},
      {"inflation rate", Replace(good, Field("Ile_inflacja", "3.5"), Field("Ile_inflacja", "x"))},
      {"pool without its depth",
       Replace(good, pool, Replace(pool, "\r\n    " + Field("Glebokosc", "1.6"), ""))},
  };
  Prepare(Design::TwoTanksCirculation);
  Engine.ProjectLoaded = 0;
  const std::string before = State();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A lone calculator section is read into a whole file.
    const std::string bytes = c.bytes.rfind("  <Kalkulator", 0) == 0
                                  ? FileOf(Section("formularz", kForm) + c.bytes)
                                  : c.bytes;
    dialogs.ExpectBox("Uwaga", kReadError, platform::Icon::Warning);
    EXPECT_EQ(Read(bytes), -1);
    EXPECT_EQ(State(), before);
  }
  dialogs.ExpectBox("Uwaga", kReadError, platform::Icon::Warning);
  EXPECT_EQ(Engine.ReadProjectFile(dir_.File("nie-ma-takiego.xml")), -1);
  EXPECT_EQ(State(), before);
}

TEST_F(ProjectReaderTest, FormIsTheFirstChildAndOtherSectionsAreFoundByName) {
  project_test::SetDesign(Engine, Design::HotWater);
  // No child named "formularz": the first child is not read, whatever it holds.
  ASSERT_EQ(Read(FileOf(Section("lokalizacja", {"x"}) + Section("Budynek", {"1", "2", "3", "4"}))),
            1);
  EXPECT_EQ(Engine.PowierzchniaBudynku, 1.0f);
  EXPECT_EQ(Engine.IDMiasta, 12);
  // Any name at position 0 is the form once a "formularz" exists somewhere.
  std::vector<std::string> form = kForm;
  form[0] = "38.5";
  ASSERT_EQ(Read(FileOf(Section("dane", form) + Section("formularz", {"x"}))), 1);
  EXPECT_EQ(Engine.TemperaturaCieplejWody, 38.5f);
  // A root without children changes nothing but the flag of a read project.
  Engine.ProjectLoaded = 0;
  const std::string before = State();
  ASSERT_EQ(Read(FileOf("")), 1);
  EXPECT_EQ(Engine.ProjectLoaded, 1);
  Engine.ProjectLoaded = 0;
  EXPECT_EQ(State(), before);
}

TEST_F(ProjectReaderTest, SectionsApplyInFileOrderAndRepeatedOnesAgain) {
  const std::string good = Golden(Design::HotWater);
  project_test::SetDesign(Engine, Design::HotWater);
  // The costs before the collector: the collector's price of one unit wins.
  const std::string costsFirst = Replace(Without(good, "Koszty"), SectionOf(good, "Kolektor"),
                                         SectionOf(good, "Koszty") + SectionOf(good, "Kolektor"));
  ASSERT_EQ(Read(Replace(costsFirst, Field("Cena_inne", "640"), Field("Cena_inne", "99"))), 1);
  EXPECT_EQ(Engine.CenaKolektory, 1899.99f);
  // The saved "other" cost item, which the user may have typed, wins over the structure's price
  // wherever the structure stands, and when the file has no structure.
  EXPECT_EQ(Engine.CenaInne, 99.0f);
  // Written order: the costs win over the collector.
  ASSERT_EQ(Read(Replace(good, Field("Cena_inne", "640"), Field("Cena_inne", "96"))), 1);
  EXPECT_EQ(Engine.CenaKolektory, 7599.96f);
  EXPECT_EQ(Engine.CenaInne, 96.0f);
  const std::string structureFirst =
      Replace(Without(good, "Konstrukcja_wsporcza"), SectionOf(good, "Koszty"),
              SectionOf(good, "Konstrukcja_wsporcza") + SectionOf(good, "Koszty"));
  ASSERT_EQ(Read(Replace(structureFirst, Field("Cena_inne", "640"), Field("Cena_inne", "98"))), 1);
  EXPECT_EQ(Engine.CenaInne, 98.0f);
  ASSERT_EQ(Read(Replace(Without(good, "Konstrukcja_wsporcza"), Field("Cena_inne", "640"),
                         Field("Cena_inne", "97"))),
            1);
  EXPECT_EQ(Engine.CenaInne, 97.0f);
  // Without the costs the item is the price of the structure the design holds, read or not, so
  // that the next save writes what the design holds.
  ASSERT_EQ(Read(Without(good, "Koszty")), 1);
  EXPECT_EQ(Engine.CenaInne, 640.0f);
  Engine.SelectedStructure->Cena = 95;
  ASSERT_EQ(Read(Without(Without(good, "Koszty"), "Konstrukcja_wsporcza")), 1);
  EXPECT_EQ(Engine.CenaInne, 95.0f);
  // A section written twice: the later values.
  ASSERT_EQ(Read(FileOf(Section("formularz", kForm) + Section("Budynek", {"1", "2", "3", "4"}) +
                        Section("Budynek", {"5", "6", "7", "8"}) + Section("nieznana", {"?"}))),
            1);
  EXPECT_EQ(Engine.PowierzchniaBudynku, 5.0f);
  EXPECT_EQ(Engine.TemperaturaPowrotu, 8.0f);
}

TEST_F(ProjectReaderTest, FieldsAreTakenByPosition) {
  const std::string good = Golden(Design::HotWater);
  project_test::SetDesign(Engine, Design::HotWater);
  // An extra field in the middle shifts the rest; one at the end is not read.
  ASSERT_EQ(
      Read(FileOf(Section("formularz", kForm) + Section("Budynek", {"1", "99", "2", "3", "4"}))),
      1);
  EXPECT_EQ(Engine.ZapotrzebowanieEnergi, 99.0f);
  EXPECT_EQ(Engine.TemperaturaPowrotu, 3.0f);
  // The attribute says nothing.
  ASSERT_EQ(Read(Replace(good, Field("Kat_beta", "45"), Field("Kat_gamma", "30"))), 1);
  EXPECT_EQ(Engine.KatBeta, 30.0f);

  struct Case {
    const char* text;
    uint8_t insulated;
  };
  for (const Case& c : {Case{"true", 1}, Case{"false", 0}, Case{"", 0}, Case{"0", 1}}) {
    SCOPED_TRACE(c.text);
    ASSERT_EQ(Read(Replace(good, Field("Izolacja", "true"), Field("Izolacja", c.text))), 1);
    EXPECT_EQ(Engine.Izolacja, c.insulated);
  }
  ASSERT_EQ(Read(Replace(
                Replace(good, Field("Srednica_przewodu", "18"), Field("Srednica_przewodu", "18.9")),
                Field("Powierzchnia_budynku", "150"), Field("Powierzchnia_budynku", "1.235E04"))),
            1);
  EXPECT_EQ(Engine.SrednicaPrzewodu, 18);
  EXPECT_EQ(Engine.PowierzchniaBudynku, 12350.0f);
}

TEST_F(ProjectReaderTest, FlagsAndWindowsTakeOnlyWhatTheFileSays) {
  const std::string good = Golden(Design::HotWater);
  Prepare(Design::HotWater);
  // "Tak" is no "tak": the switch stays.
  Engine.Costs.WzrostCenTakNie = 0;
  ASSERT_EQ(
      Read(Replace(good, Field("wzrost_cen_tak_nie", "tak"), Field("wzrost_cen_tak_nie", "Tak"))),
      1);
  EXPECT_EQ(Engine.Costs.WzrostCenTakNie, 0);
  // "brak" leaves a report edit, an empty text replaces it; an empty tax scale leaves the list.
  WinRaport->ui().EMail->setText("biuro@projekt.example");
  WinRaport->ui().ETelefon->setText("123");
  WinKoszty->ui().ComboStawkiPodatku->setCurrentIndex(2);
  ASSERT_EQ(Read(Replace(good, Field("telefon", "+48 12 345 67 89"), Field("telefon", ""))), 1);
  EXPECT_EQ(WinRaport->ui().EMail->text(), "biuro@projekt.example");
  EXPECT_EQ(WinRaport->ui().ETelefon->text(), "");
  EXPECT_EQ(WinKoszty->ui().ComboStawkiPodatku->currentIndex(), 2);
  // The second tank of a design with one tank is not read.
  const std::string twoTanks = Golden(Design::TwoTanksCirculation);
  Engine.SelectedTank2->Model = "stary";
  ASSERT_EQ(
      Read(Replace(twoTanks, Field("Liczba_zasobnikow", "2"), Field("Liczba_zasobnikow", "1"))), 1);
  EXPECT_EQ(Engine.SelectedTank2->Model, "stary");
  EXPECT_EQ(Engine.Tank2Price, 0.0f);
  // Flags are only ever set: a file without circulation and pool leaves them on.
  Engine.Cyrkulacja = 1;
  Engine.Basen = 1;
  ASSERT_EQ(Read(good), 1);
  EXPECT_EQ(Engine.Cyrkulacja, 1);
  EXPECT_EQ(Engine.Basen, 1);
  // A cover anywhere in the pool section.
  Engine.Przeslona = 0;
  ASSERT_EQ(Read(FileOf(Section("formularz", kForm) + "  <Basen>\r\n    " + Field("a", "8") +
                        Field("b", "4") + Field("c", "2") + Field("d", "5") + Field("e", "7") +
                        Field("f", "?") + "<Przeslona/>\r\n  </Basen>\r\n")),
            1);
  EXPECT_EQ(Engine.Przeslona, 1);
}

// Files written before every value kept its digits (four significant ones, an exponent for large
// values) still read.
TEST_F(ProjectReaderTest, OlderFilesWithFourDigitsStillRead) {
  const std::string older =
      Replace(Replace(Replace(Golden(Design::HeatingPool), ">12346<", ">1.235E04<"), ">3.456789<",
                      ">3.457<"),
              ">262.75<", ">262.8<");
  dir_.Write("starszy.xml", older);
  ASSERT_EQ(Engine.ReadProjectFile(dir_.File("starszy.xml")), 1);
  EXPECT_EQ(Engine.PowierzchniaBudynku, 12350.0f);
  EXPECT_EQ(Engine.CollectorK1, 3.457f);
  EXPECT_EQ(Engine.Uslonecznienie[11], 262.8f);
}
