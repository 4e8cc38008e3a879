// The project writer: whole files of three fixed designs against golden files, the order of the
// root's sections with the optional ones, the texts that come from the windows, and saves that
// fail without touching the old file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "project/project_format.h"
#include "project_fixture.h"
#include "xml/xmldoc.h"

using project_test::Design;

namespace {

std::vector<std::string> Names(const std::vector<xml::Element>& elements) {
  std::vector<std::string> names;
  for (const xml::Element& e : elements) names.push_back(e.Name());
  return names;
}

std::vector<std::string> SectionNames(const std::string& bytes) {
  xml::Document document;
  document.LoadText(bytes);
  return Names(document.DocumentElement().Children());
}

// The texts of a section's or sub-element's fields, in order.
std::vector<std::string> Texts(const xml::Element& element) {
  std::vector<std::string> texts;
  for (const xml::Element& field : element.Children()) texts.push_back(field.Text());
  return texts;
}

xml::Element Section(const xml::Document& document, const char* name) {
  return document.DocumentElement().Child(name);
}

const Design kDesigns[] = {Design::HotWater, Design::TwoTanksCirculation, Design::HeatingPool};

}  // namespace

// Golden files are made once by the writer and then read line by line against the format; set
// VINDARGAST_WRITE_GOLDEN=1 to write them anew after a deliberate change of the format.
TEST_F(ProjectTest, WritesTheGoldenFileOfEachDesign) {
  for (Design design : kDesigns) {
    SCOPED_TRACE(project_test::GoldenName(design));
    DestroyWindows();
    CreateWindows();
    Prepare(design);
    const std::string written = Write("projekt.xml");
    if (std::getenv("VINDARGAST_WRITE_GOLDEN")) {
      std::filesystem::create_directories(
          std::filesystem::path(project_test::GoldenPath(design)).parent_path());
      std::ofstream(project_test::GoldenPath(design), std::ios::binary) << written;
    }
    EXPECT_EQ(written, ReadFileBytes(project_test::GoldenPath(design)));
  }
}

TEST_F(ProjectTest, SectionsStandInTheirOrderWithTheOptionalOnesWhereTheyBelong) {
  const std::vector<std::string> head = {"formularz", "lokalizacja", "nazwa_miasta",
                                         "Kolektor",  "Sterownik",   "Naczynie",
                                         "Pompa",     "Izolacja",    "Zasobnik"};
  const std::vector<std::string> tail = {"Budynek", "Konstrukcja_wsporcza",
                                         "Kalkulator_Ekologiczny", "raport", "Dotacja_NFOSIGW"};
  struct Case {
    const char* name;
    int tanks;
    uint8_t pool, circulation;
    std::vector<std::string> middle;
  };
  const Case cases[] = {
      {"one tank, nothing optional", 1, 0, 0, {"Armatura", "Koszty"}},
      {"two tanks", 2, 0, 0, {"Zasobnik1", "Armatura", "Koszty"}},
      {"pool", 1, 1, 0, {"Armatura", "Koszty", "Basen"}},
      {"pool and circulation", 1, 1, 1, {"Armatura", "Koszty", "Basen", "Cyrkulacja"}},
      {"circulation", 1, 0, 1, {"Armatura", "Koszty", "Cyrkulacja"}},
      {"three tanks write one", 3, 0, 0, {"Armatura", "Koszty"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    project_test::SetDesign(Engine, Design::HotWater);
    Engine.LiczbaZasobnikow = c.tanks;
    Engine.Basen = c.pool;
    Engine.Cyrkulacja = c.circulation;
    std::vector<std::string> expected = head;
    expected.insert(expected.end(), c.middle.begin(), c.middle.end());
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(SectionNames(Write("projekt.xml")), expected);
  }
  // The tanks carry their numbers after a save.
  EXPECT_EQ(Engine.SelectedTank->TankNumber, 1);
}

TEST_F(ProjectTest, FileIsUtf8WithTwoSpaceIndentationAndCrLfInsideTheRoot) {
  Prepare(Design::HeatingPool);
  const std::string bytes = Write("projekt.xml");
  EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
  const size_t root = bytes.find("<vindargast>");
  ASSERT_NE(root, std::string::npos);
  // Every line break inside the root is CR LF.
  for (size_t i = root; i < bytes.find("</vindargast>"); ++i)
    if (bytes[i] == '\n') {
      ASSERT_EQ(bytes[i - 1], '\r') << "at byte " << i;
    }
  for (const char* line : {
           "\r\n  <formularz>\r\n    <field name=\"Temperatura_cieplej_wody\">45</field>\r\n",
           "\r\n  <Basen>\r\n",
           "\r\n    <Przeslona>\r\n      <field name=\"Przeslona\">Tak</field>\r\n    "
           "</Przeslona>\r\n  </Basen>\r\n",
           "<field name=\"Nazwa_miasta\">Kraków</field>",
           "<field name=\"Model\">SŻ-2000 płaski</field>",
       })
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
}

TEST_F(ProjectTest, NumbersAreWrittenInTheirTexts) {
  Prepare(Design::HeatingPool);
  Engine.Costs.DotacjaTakNie = 7;  // neither on nor off: no text
  Write("projekt.xml");
  xml::Document document;
  document.LoadFile(dir_.File("projekt.xml"));
  const std::vector<std::string> form = Texts(Section(document, "formularz"));
  EXPECT_EQ(form, (std::vector<std::string>{"45", "4", "65", "2.25", "55", "22", "45", "-30",
                                            "2.29999995231628", "2.3", "22", "4", "7", "4", "true",
                                            "1", "1"}));
  const std::vector<std::string> location = Texts(Section(document, "lokalizacja"));
  ASSERT_EQ(location.size(), 38u);
  EXPECT_EQ(location[0], "12");
  EXPECT_EQ(location[1], "50.060001373291");
  EXPECT_EQ(location[2], "-3.5");     // January's temperature
  EXPECT_EQ(location[25], "262.75");  // December's sunshine: four digits would not read back
  EXPECT_EQ(location[37], "130");     // December's insolation
  EXPECT_EQ(Texts(Section(document, "Budynek")),
            (std::vector<std::string>{"12346", "1234.6", "40", "30"}));
  const xml::Element pool = Section(document, "Basen");
  EXPECT_EQ(Names(pool.Children()).back(), "Przeslona");
  EXPECT_EQ(Texts(pool), (std::vector<std::string>{"8", "4.5", "1.6", "4", "8", "\n      \n    "}));
  EXPECT_EQ(Texts(pool.Child("Przeslona")), (std::vector<std::string>{"Tak"}));
  const xml::Element costs = Section(document, "Koszty");
  EXPECT_EQ(Texts(costs.Child("Dotacja")), (std::vector<std::string>{"2000", ""}));
  EXPECT_EQ(Texts(costs.Child("Wzrost_cen")), (std::vector<std::string>{"5", "tak"}));
  EXPECT_EQ(Texts(costs.Child("Dyskont")), (std::vector<std::string>{"6", "nie"}));
}

TEST_F(ProjectTest, CostWindowInputsDecideTheOptionalCostElements) {
  Prepare(Design::HotWater);
  auto costNames = [&] {
    Write("projekt.xml");
    xml::Document document;
    document.LoadFile(dir_.File("projekt.xml"));
    std::vector<std::string> names = Names(Section(document, "Koszty").Children());
    return std::vector<std::string>(names.begin() + 15, names.end());
  };
  // As the cost window starts: VAT "22", the gross sum, an empty service life.
  EXPECT_EQ(costNames(),
            (std::vector<std::string>{"inflacja", "NPV", "Stawka_Vat", "Suma_brutto"}));
  Ui::TWinKoszty& k = WinKoszty->ui();
  k.Evat->setText("");
  k.RSumaNetto->setChecked(true);
  EXPECT_EQ(costNames(), (std::vector<std::string>{"inflacja", "NPV", "Suma_netto"}));
  // A service life the design holds is written although the cost window has not shown it yet;
  // a shown window writes its edit's value.
  Engine.Costs.IleCzasEksploatacji = 25;
  EXPECT_EQ(costNames(),
            (std::vector<std::string>{"Czas_eksploatacji", "inflacja", "NPV", "Suma_netto"}));
  Engine.Costs.IleCzasEksploatacji = 0;
  k.ElataEksploatacji->setText("0");
  EXPECT_EQ(costNames(),
            (std::vector<std::string>{"Czas_eksploatacji", "inflacja", "NPV", "Suma_netto"}));
}

TEST_F(ProjectTest, WindowTextsAreWrittenAsTheyStand) {
  Prepare(Design::TwoTanksCirculation);
  Write("projekt.xml");
  xml::Document document;
  document.LoadFile(dir_.File("projekt.xml"));
  // Unticked boxes and empty edits write "brak"; the boxes of the name and the location start
  // unticked.
  EXPECT_EQ(Texts(Section(document, "raport")),
            (std::vector<std::string>{"brak", "Jan Żółć", "brak", "https://projekt.example", "brak",
                                      "+48 12 345 67 89"}));
  const std::vector<std::string> loan = Texts(Section(document, "Dotacja_NFOSIGW"));
  ASSERT_EQ(loan.size(), 11u);
  EXPECT_EQ(loan[0], "tak");  // the design's switch
  EXPECT_EQ(loan[3], "45");
  EXPECT_EQ(loan[4], "15000");
  EXPECT_EQ(loan[8], "60");
  EXPECT_EQ(loan[10], "1");
  const xml::Element fuel = Section(document, "Koszty").Child("Paliwo");
  EXPECT_EQ(Texts(fuel)[1], WinKoszty->ui().EKosztZakupu->text().toStdString());
  EXPECT_EQ(Texts(fuel)[5], WinKoszty->ui().EKosztZakupuNetto->text().toStdString());
  const std::vector<std::string> ecology = Texts(Section(document, "Kalkulator_Ekologiczny"));
  ASSERT_EQ(ecology.size(), 14u);
  EXPECT_EQ(ecology[0], WinKalkulatorEkologiczny->ui().Edit1->text().toStdString());
  EXPECT_EQ(ecology[13], "1");  // the heating type of the cost record
  // Inflation switched off is written after its rate.
  EXPECT_EQ(Texts(Section(document, "Koszty").Child("inflacja")),
            (std::vector<std::string>{"3.5", "nie"}));

  // No tax scale chosen: an empty field.
  WinKoszty->ui().ComboStawkiPodatku->setCurrentIndex(-1);
  Write("projekt.xml");
  document.LoadFile(dir_.File("projekt.xml"));
  EXPECT_EQ(Texts(Section(document, "Dotacja_NFOSIGW"))[10], "");
}

TEST_F(ProjectTest, FailedSaveLeavesTheOldFileByteForByte) {
  Prepare(Design::HeatingPool);
  const std::string path = dir_.Write("projekt.xml", "stary projekt, bajt w bajt\r\n");
  {
    FileSizeLimit limit(512);  // far less than a project file
    EXPECT_EQ(Engine.WriteProjectFile(path), -1);
  }
  EXPECT_EQ(ReadFileBytes(path), "stary projekt, bajt w bajt\r\n");
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    EXPECT_EQ(entry.path().filename().string().find("projekt.xml.tmp"), std::string::npos)
        << "a temporary file was left behind";

  EXPECT_EQ(Engine.WriteProjectFile(dir_.File("brak-folderu/projekt.xml")), -1);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("brak-folderu")));
}
