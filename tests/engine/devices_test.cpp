// The seven device classes: what they take from a catalogue row, show in the parameter grid,
// write into a project element and read back from project and set files, and how they meet
// damaged input.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/urzadzenie.h"
#include "engine/zestaw.h"

namespace {

const std::string kFixtures = std::string(VINDARGAST_FIXTURES) + "/devices/";

CurrencyFormat PinnedCurrency() {
  CurrencyFormat format;
  format.symbol = "zł";
  format.thousandsSeparator = " ";
  format.positiveFormat = 3;  // "1 ¤"
  format.negativeFormat = 8;  // "-1 ¤"
  return format;
}

struct RecordingNotifier : WarningNotifier {
  void Warn(const std::string& caption, const std::string& text) override {
    notices.emplace_back(caption, text);
  }
  std::vector<std::pair<std::string, std::string>> notices;
};

// An element as text: its name, then one line per child with its name attribute and text, so
// that a failure shows the whole element.
std::string Describe(const xml::Element& element) {
  std::string text = element.Name() + "\n";
  for (const xml::Element& child : element.Children())
    text += "  " + child.Attribute("name").value_or("?") + "=" + child.Text() + "\n";
  return text;
}

// One device kind with a catalogue row of its own and its golden project element.
struct DeviceCase {
  std::string name;
  std::function<std::unique_ptr<CUrzadzenie>()> make;
  std::function<void(CUrzadzenie&, int32_t)> setId;
  std::function<int32_t(const CUrzadzenie&)> id;
  std::function<void(CUrzadzenie&)> windowWrites;  // what the selection window adds, if anything
  std::vector<std::string> row;                    // catalogue row, origin flag last
  std::vector<std::string> setExtra;               // fields a set file adds after the row
  std::string golden;                              // fixture holding the project element
  int gridRows;                                    // rows ShowInGrid writes
};

template <class T>
DeviceCase Case(std::string name, std::vector<std::string> row, std::string golden, int gridRows,
                std::function<void(T&)> windowWrites = {}, std::vector<std::string> setExtra = {}) {
  DeviceCase c;
  c.name = std::move(name);
  c.make = [] { return std::make_unique<T>(); };
  c.setId = [](CUrzadzenie& d, int32_t id) { static_cast<T&>(d).ID = id; };
  c.id = [](const CUrzadzenie& d) { return static_cast<const T&>(d).ID; };
  c.windowWrites = [windowWrites](CUrzadzenie& d) {
    if (windowWrites) windowWrites(static_cast<T&>(d));
  };
  c.row = std::move(row);
  c.setExtra = std::move(setExtra);
  c.golden = std::move(golden);
  c.gridRows = gridRows;
  return c;
}

const std::vector<DeviceCase>& Cases() {
  static const std::vector<DeviceCase> cases{
      Case<CKolektor>("Kolektor",
                      {"7", "Hewalex", "płaski", "KS2000 TLP", "3.91", "0.0123", "80.45", "120",
                       "2.5", "1.4", "1.85", "1234567", "http://www.hewalex.pl",
                       "Kolektor płaski z absorberem miedzianym", "brak", "", "1"},
                      "kolektor.xml", 11),
      Case<CZasobnik>(
          "Zasobnik",
          {"3", "Galmet", "SGW(S) 300 Tower", "dwuwężownicowy", "12345", "25", "8.5", "95", "10",
           "1450", "600", "50", "1234.56", "http://www.galmet.com.pl", "brak", "1"},
          "zasobnik.xml", 12, [](CZasobnik& t) { t.TankNumber = 1; }),
      Case<CSterownik>("Sterownik",
                       {"5", "Tech", "2", "Tak", "Nie", "Tak", "3", "2", "4", "PT1000", "ST-402N",
                        "560", "http://www.techsterowniki.pl", "brak", "1"},
                       "sterownik.xml", 11),
      Case<CNaczynie>("Naczynie",
                      {"2", "Reflex", "S 18", "120", "10", "2.5", "18", "150.5",
                       "http://www.reflex.de", "Naczynie przeponowe", "0"},
                      "naczynie.xml", 7),
      Case<CPompaObiegowa>("Pompa",
                           {"4", "Wilo", "ST 15/6 ECO", "6", "2", "6", "1-6", "899.99",
                            "http://www.wilo.pl", "brak", "http://www.wilo.pl/st15.pdf", "1"},
                           "pompa.xml", 7),
      Case<CIzolacja>("Izolacja",
                      {"6", "Armacell", "0.0375", "kauczuk syntetyczny", "HT/Armaflex", "150",
                       "http://www.armacell.pl", "brak", "1"},
                      "izolacja.xml", 5,
                      [](CIzolacja& i) {
                        i.GruboscIzolacjiZew = 32;
                        i.GruboscIzolacjiWew = 20;
                        i.CenaIzolacjiZew = 123.5f;
                        i.CenaIzolacjiWew = 45.25f;
                        i.Cena = 168.75f;
                      },
                      {"32", "20"}),
      Case<CKonstrukcjaWsporcza>(
          "Konstrukcja",
          {"8", "Hewalex", "KW-2 dach płaski", "2", "płaski", "30-45", "2.4", "nie", "papa", "780",
           "http://www.hewalex.pl", "Konstrukcja aluminiowa", "1"},
          "konstrukcja.xml", 9),
  };
  return cases;
}

bool ReadableAsNumber(const std::string& text) {
  try {
    ReadFloat(text);
    return true;
  } catch (const NumberConversionError&) {
    return false;
  }
}

// A second catalogue row of the same kind: every field differs from the case's row.
std::vector<std::string> OtherRow(const DeviceCase& c) {
  std::vector<std::string> row = c.row;
  row[0] = "99";
  for (size_t i = 1; i + 1 < row.size(); ++i) {
    if (ReadableAsNumber(row[i]))
      row[i] = "1" + row[i];
    else
      row[i] = "inny " + row[i];
  }
  return row;
}

std::unique_ptr<CUrzadzenie> Loaded(const DeviceCase& c, const CatalogueRows& rows, int index) {
  auto device = c.make();
  RecordingNotifier notifier;
  c.setId(*device, ReadInt(rows[index][0]));
  device->LoadFromCatalogue(rows, index, notifier);
  EXPECT_TRUE(notifier.notices.empty()) << c.name;
  return device;
}

std::unique_ptr<CUrzadzenie> FromRow(const DeviceCase& c) {
  return Loaded(c, {c.row}, 0);
}

// The device's project element, written into a fresh document.
std::string Written(const CUrzadzenie& device) {
  xml::Document document;
  xml::Element root = document.Create("Projekt");
  device.WriteToXml(root);
  EXPECT_EQ(root.ChildCount(), 1);
  return Describe(root.Child(0));
}

std::vector<std::string> Grid(const CUrzadzenie& device, int rows = 14) {
  MemoryCellGrid grid(2, rows);
  device.ShowInGrid(grid, PinnedCurrency());
  std::vector<std::string> texts;
  for (int row = 0; row < rows; ++row) texts.push_back(grid.Cell(1, row));
  return texts;
}

// Everything a device holds that can be seen from outside: its element and its grid.
std::string Snapshot(const CUrzadzenie& device) {
  std::string text = Written(device);
  for (const std::string& cell : Grid(device)) text += "|" + cell;
  return text;
}

// An element holding the given texts as its fields, in order, under the given names.
std::vector<xml::Element> ElementOf(xml::Document& document, const std::string& name,
                                    const std::vector<std::string>& texts) {
  xml::Element root = document.Create("Zestaw");
  root.AppendChild("Dane_zestawu");
  xml::Element element = root.AppendChild(name);
  for (size_t i = 0; i < texts.size(); ++i) {
    xml::Element field = element.AppendChild("field");
    field.SetAttribute("name", "Pole" + std::to_string(i));
    field.SetText(texts[i]);
  }
  return root.Children();
}

}  // namespace

// A device taken from its catalogue row writes the element that project files hold: element
// name, field names and order, and the number text of every value.
TEST(DeviceXml, WriteToXmlMatchesGoldenElement) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    auto device = FromRow(c);
    c.windowWrites(*device);
    xml::Document golden;
    golden.LoadFile(kFixtures + c.golden);
    EXPECT_EQ(Written(*device), Describe(golden.DocumentElement().Child(0)));
  }
}

// Reading a project element into a fresh object gives a device that writes and shows the same.
// Field names play no part: a file whose fields carry other names reads the same.
TEST(DeviceXml, ProjectLayoutReadsBackWhatWasWritten) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    auto original = FromRow(c);
    c.windowWrites(*original);

    xml::Document document;
    xml::Element root = document.Create("Projekt");
    root.AppendChild("formularz");
    original->WriteToXml(root);
    for (xml::Element field : root.Child(1).Children()) field.SetAttribute("name", "x");

    auto read = c.make();
    // The tank number is the project writer's, never the element's.
    if (auto* tank = dynamic_cast<CZasobnik*>(read.get())) tank->TankNumber = 1;
    read->ReadFromXml(root.Children(), 1, ProjectLayout);
    EXPECT_EQ(Snapshot(*read), Snapshot(*original));
  }
}

// A set file holds each device as its catalogue row (the insulation with two thicknesses more);
// layout 1 reads it into the same device the catalogue row gives.
TEST(DeviceXml, SetLayoutReadsTheCatalogueRow) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> fields = c.row;
    fields.insert(fields.end(), c.setExtra.begin(), c.setExtra.end());
    xml::Document document;
    auto nodes = ElementOf(document, c.name, fields);

    auto read = c.make();
    read->ReadFromXml(nodes, 1, SetFileLayout);
    auto expected = FromRow(c);
    if (!c.setExtra.empty()) {  // the insulation: thicknesses only, costs and price untouched
      auto& insulation = static_cast<CIzolacja&>(*expected);
      insulation.GruboscIzolacjiZew = 32;
      insulation.GruboscIzolacjiWew = 20;
    }
    EXPECT_EQ(Snapshot(*read), Snapshot(*expected));
  }
}

TEST(DeviceXml, StructureReadsPriceAndDescriptionByLayout) {
  std::vector<std::string> fields{"8",   "P",    "M",   "2",      "T",    "30", "2.4",
                                  "tak", "dach", "700", "strona", "opis", "1"};
  xml::Document document;
  auto nodes = ElementOf(document, "Konstrukcja", fields);

  CKonstrukcjaWsporcza set;
  set.ReadFromXml(nodes, 1, SetFileLayout);
  EXPECT_EQ(set.Cena, 700.0f);
  EXPECT_EQ(set.StronaProducenta, "strona");
  EXPECT_EQ(set.Opis, "opis");

  fields[9] = "strona";
  fields[10] = "opis";
  fields[11] = "700";
  xml::Document projectDocument;
  auto projectNodes = ElementOf(projectDocument, "Konstrukcja_wsporcza", fields);
  for (int layout : {0, 2, -1}) {  // any layout but 1 is the project layout
    CKonstrukcjaWsporcza project;
    project.ReadFromXml(projectNodes, 1, layout);
    EXPECT_EQ(project.Cena, 700.0f) << layout;
    EXPECT_EQ(project.StronaProducenta, "strona") << layout;
    EXPECT_EQ(project.Opis, "opis") << layout;
  }
}

TEST(DeviceXml, InsulationSetLayoutSkipsTheFlagAndKeepsCosts) {
  CIzolacja insulation;
  insulation.Cena = 10;
  insulation.CenaIzolacjiZew = 6;
  insulation.CenaIzolacjiWew = 4;
  xml::Document document;
  // Position 8, the origin flag, is no number and must not be read.
  auto nodes =
      ElementOf(document, "Izolacja",
                {"6", "A", "0.04", "wełna", "M", "100", "www", "opis", "flaga", "25", "13"});
  insulation.ReadFromXml(nodes, 1, SetFileLayout);
  EXPECT_EQ(insulation.ID, 6);
  EXPECT_EQ(insulation.Lambda, 0.04f);
  EXPECT_EQ(insulation.GruboscIzolacjiZew, 25.0f);
  EXPECT_EQ(insulation.GruboscIzolacjiWew, 13.0f);
  EXPECT_EQ(insulation.Opis, "opis");
  EXPECT_EQ(insulation.Cena, 10.0f);
  EXPECT_EQ(insulation.CenaIzolacjiZew, 6.0f);
  EXPECT_EQ(insulation.CenaIzolacjiWew, 4.0f);
}

// The conductivity is written so that it reads back the value the catalogue holds; a project
// reopened must compute as it did. The grid still shows it with two digits.
TEST(DeviceXml, InsulationConductivityReadsBackExactly) {
  for (const char* lambda : {"0.0375", "0.035", "0.04", "0.0333", "0.123456789", "1E-05"}) {
    SCOPED_TRACE(lambda);
    CIzolacja written;
    written.ID = 1;
    RecordingNotifier notifier;
    written.LoadFromCatalogue({{"1", "P", lambda, "m", "M", "100", "w", "o", "1"}}, 0, notifier);
    xml::Document document;
    xml::Element root = document.Create("Projekt");
    written.WriteToXml(root);
    CIzolacja read;
    read.ReadFromXml(root.Children(), 0, ProjectLayout);
    EXPECT_EQ(read.Lambda, ReadFloat(lambda));
  }
  CIzolacja insulation;
  insulation.Lambda = ReadFloat("0.0375");
  xml::Document document;
  xml::Element root = document.Create("Projekt");
  insulation.WriteToXml(root);
  EXPECT_EQ(root.Child(0).Child(2).Text(), "0.0375");
  EXPECT_EQ(Grid(insulation)[1], "0.038");
}

// One catalogue value at a time, through the grid and the element: the grid rounds to the row's
// significant digits, the element keeps the digits that read back as the same float.
TEST(DeviceXml, NumberTextsAtTheirEdges) {
  struct Edge {
    const char* device;
    int column;
    const char* value;
    int gridRow;
    const char* gridText;
    int position;
    const char* elementText;
  };
  const Edge edges[] = {
      {"Kolektor", 6, "123.456", 5, "123.5  [%]", 6, "123.456"},
      {"Kolektor", 5, "0.0123", 4, "0.012  [W/m2*K2]", 5, "0.0123"},
      {"Zasobnik", 12, "123456.7", 11, "1.2346E05", 12, "123456.7"},
      {"Zasobnik", 8, "10", 7, "10  [bar]", 8, "10"},
      {"Naczynie", 6, "18", 5, "18 [l]", 6, "18"},
      {"Izolacja", 2, "0.035", 1, "0.035", 2, "0.035"},
      {"Izolacja", 2, "0.00001", 1, "1E-0005", 2, "1E-0005"},
      {"Izolacja", 2, "0.0000123", 1, "1.2E-0005", 2, "1.23E-0005"},
  };
  for (const Edge& edge : edges) {
    for (const DeviceCase& c : Cases()) {
      if (c.name != edge.device) continue;
      SCOPED_TRACE(c.name + " " + edge.value);
      DeviceCase changed = c;
      changed.row[edge.column] = edge.value;
      auto device = FromRow(changed);
      EXPECT_EQ(Grid(*device)[edge.gridRow], edge.gridText);
      xml::Document document;
      xml::Element root = document.Create("Projekt");
      device->WriteToXml(root);
      EXPECT_EQ(root.Child(0).Child(edge.position).Text(), edge.elementText);
    }
  }
}

// Next to the largest float the element's few significant digits round beyond it; the element
// must still read back, or the project saved could not be opened again.
TEST(DeviceXml, LargestFloatsAreWrittenSoThatTheyReadBack) {
  const float largest = std::numeric_limits<float>::max();
  CNaczynie vessel;
  vessel.Pojemnosc = largest;
  vessel.Cena = -largest;
  vessel.CisnienieWstepne = 2.5f;
  CIzolacja insulation;
  insulation.Lambda = largest;
  insulation.GruboscIzolacjiZew = ReadFloat("3.4E38");

  xml::Document document;
  xml::Element root = document.Create("Projekt");
  vessel.WriteToXml(root);
  insulation.WriteToXml(root);
  EXPECT_EQ(root.Child(0).Child(6).Text(), "3.4028235E38");
  EXPECT_EQ(root.Child(0).Child(7).Text(), "-3.4028235E38");
  EXPECT_EQ(root.Child(0).Child(5).Text(), "2.5") << "ordinary values keep their digits";
  EXPECT_EQ(root.Child(1).Child(2).Text(), "3.4028235E0038");
  EXPECT_EQ(root.Child(1).Child(8).Text(), "3.4E38");

  CNaczynie vesselRead;
  vesselRead.ReadFromXml(root.Children(), 0, ProjectLayout);
  EXPECT_EQ(vesselRead.Pojemnosc, largest);
  EXPECT_EQ(vesselRead.Cena, -largest);
  CIzolacja insulationRead;
  insulationRead.ReadFromXml(root.Children(), 1, ProjectLayout);
  EXPECT_EQ(insulationRead.Lambda, largest);
}

TEST(DeviceXml, TankElementNameFollowsTankNumber) {
  for (int32_t number : {1, 2, 0, -1, 3}) {
    CZasobnik tank;
    tank.TankNumber = number;
    tank.PojemnoscZasobnika = 300;
    xml::Document document;
    xml::Element root = document.Create("Projekt");
    tank.WriteToXml(root);
    xml::Element element = root.Child(0);
    EXPECT_EQ(element.Name(), number == 1 ? "Zasobnik" : "Zasobnik1") << number;
    EXPECT_EQ(element.ChildCount(), 15) << number;
    EXPECT_EQ(element.Child(4).Text(), "300") << number;

    CZasobnik read;
    read.TankNumber = 7;
    read.ReadFromXml(root.Children(), 0, ProjectLayout);
    EXPECT_EQ(read.TankNumber, 7) << "reading never touches the tank number";
    EXPECT_EQ(read.PojemnoscZasobnika, 300.0f);
  }
}

// A new device holds zeros and empty texts, and writes them as such.
TEST(DeviceXml, FreshDeviceWritesZerosAndEmptyTexts) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    xml::Document document;
    xml::Element root = document.Create("Projekt");
    c.make()->WriteToXml(root);
    for (const xml::Element& field : root.Child(0).Children())
      EXPECT_TRUE(field.Text().empty() || field.Text() == "0")
          << field.Attribute("name").value_or("?") << "=" << field.Text();
  }

  CPompaObiegowa pump;
  EXPECT_EQ(Written(pump),
            "Pompa\n  ID=0\n  Nazwa_producenta=\n  Model=\n  Maksymalna_wysokosc=0\n"
            "  Liczba_zaworow=0\n  Cisnienie_zaworu=0\n  Zakres_regulacji=\n  Cena_naczynia=0\n"
            "  Strona_producenta=\n  Opis=\n  Certyfikat=\n");
  CZasobnik tank;
  EXPECT_EQ(tank.TankNumber, 0);
  EXPECT_EQ(tank.Cena, 0.0f);
  EXPECT_EQ(tank.GruboscIzolacji, 0.0f);
}

// Exact grid texts: number text and unit, two-blank and one-blank units, the currency text.
TEST(DeviceGrid, ShowsValuesWithUnitsAndCurrency) {
  struct Expected {
    const char* device;
    int row;
    const char* text;
  };
  const Expected expected[] = {
      {"Kolektor", 0, "Hewalex"},
      {"Kolektor", 1, "płaski"},
      {"Kolektor", 3, "3.91  [W/m2*K1]"},
      {"Kolektor", 4, "0.012  [W/m2*K2]"},
      {"Kolektor", 5, "80.45  [%]"},
      {"Kolektor", 10, "1.23457E06"},
      {"Zasobnik", 3, "1.235E04  [l]"},
      {"Zasobnik", 7, "10  [bar]"},
      {"Zasobnik", 8, "1450  [mm]"},
      {"Zasobnik", 11, "1 234.60 zł"},
      {"Sterownik", 1, "2"},
      {"Sterownik", 5, "3"},
      {"Sterownik", 6, "2"},  // circuits
      {"Sterownik", 7, "4"},  // outputs
      {"Sterownik", 8, "PT1000"},
      {"Sterownik", 9, "ST-402N"},
      {"Sterownik", 10, "560.00 zł"},
      {"Naczynie", 2, "120 [C]"},
      {"Naczynie", 5, "18 [l]"},
      {"Naczynie", 6, "150.50 zł"},
      {"Pompa", 3, "2"},
      {"Pompa", 5, "1-6 [litr/godzina]"},
      {"Pompa", 6, "899.99 zł"},
      {"Izolacja", 1, "0.038"},
      {"Izolacja", 4, "150  [° C]"},
      {"Konstrukcja", 4, "30-45 [°]"},
      {"Konstrukcja", 5, "2.4 [kN]"},
      {"Konstrukcja", 8, "780.00 zł"},
  };
  for (const DeviceCase& c : Cases()) {
    auto device = FromRow(c);
    c.windowWrites(*device);
    std::vector<std::string> grid = Grid(*device);
    for (const Expected& e : expected) {
      if (c.name == e.device) {
        EXPECT_EQ(grid[e.row], e.text) << c.name << " row " << e.row;
      }
    }
  }
}

// Only column 1 of the device's own rows is written: the labels and the rows below (the tank
// window's required volume) stay as they were.
TEST(DeviceGrid, WritesNoOtherCell) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    MemoryCellGrid grid(2, c.gridRows + 2);
    for (int row = 0; row < grid.RowCount(); ++row) {
      grid.SetCell(0, row, "etykieta");
      grid.SetCell(1, row, "stare");
    }
    FromRow(c)->ShowInGrid(grid, PinnedCurrency());
    for (int row = 0; row < grid.RowCount(); ++row) {
      EXPECT_EQ(grid.Cell(0, row), "etykieta") << row;
      if (row < c.gridRows)
        EXPECT_NE(grid.Cell(1, row), "stare") << row;
      else
        EXPECT_EQ(grid.Cell(1, row), "stare") << row;
    }
  }
}

// The caller expects another model at the row it names: the class's notice, once, under
// "UWAGA", and the device takes row 0, its id included. An index outside the table is a model
// that is gone as well.
TEST(DeviceCatalogue, MissingModelWarnsAndTakesRowZero) {
  const std::pair<const char*, const char*> messages[] = {
      {"Kolektor",
       "Program nie posiada wskzanaego modelu Kolektora.\nNajprawdopodobniej został on "
       "usunięty !!!"},
      {"Zasobnik",
       "Program nie posiada wskazanego modelu Zasobnika.\nNajprawdopodobniej został on usunięty "
       "!!!"},
      {"Sterownik",
       "Program nie posiada wskazanego modelu Sterownika.\nNajprawdopodobniej został on usunięty "
       "!!!"},
      {"Naczynie",
       "Program nie posiada wskazanego modelu Naczynia wzbiorczego.\nNajprawdopodobniej został on "
       "usunięty !!!"},
      {"Pompa",
       "Program nie posiada wskazanego modelu Pompy obiegowej.\nNajprawdopodobniej został on "
       "usunięty !!!"},
      {"Izolacja",
       "Program nie posiada wskazanego modelu izolacji.\nNajprawdopodobniej został on usunięty "
       "!!!"},
      {"Konstrukcja",
       "Program nie posiada wskazanego modelu Konstrukcji wsporczej.\nNajprawdopodobniej został "
       "on usunięty !!!"},
  };
  for (size_t k = 0; k < Cases().size(); ++k) {
    const DeviceCase& c = Cases()[k];
    ASSERT_EQ(c.name, messages[k].first);
    CatalogueRows rows{c.row, OtherRow(c)};
    for (int index : {1, 2, -1}) {
      SCOPED_TRACE(c.name + " index " + std::to_string(index));
      auto device = c.make();
      c.windowWrites(*device);  // the insulation's costs and thicknesses must survive
      auto expected = FromRow(c);
      c.windowWrites(*expected);
      c.setId(*device, 42);
      RecordingNotifier notifier;
      device->LoadFromCatalogue(rows, index, notifier);
      ASSERT_EQ(notifier.notices.size(), 1u);
      EXPECT_EQ(notifier.notices[0].first, "UWAGA");
      EXPECT_EQ(notifier.notices[0].second, messages[k].second);
      EXPECT_EQ(c.id(*device), ReadInt(c.row[0]));
      EXPECT_EQ(Snapshot(*device), Snapshot(*expected));
    }
  }
}

TEST(DeviceCatalogue, MatchingIdTakesTheRowNamed) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    CatalogueRows rows{c.row, OtherRow(c)};
    auto device = Loaded(c, rows, 1);
    EXPECT_EQ(c.id(*device), 99);
    EXPECT_NE(Snapshot(*device), Snapshot(*FromRow(c)));
  }
}

// A column or field that does not convert raises the conversion error with its exact message
// and leaves the device as it was, even when earlier columns converted.
TEST(DeviceDamagedInput, BadNumberLeavesDeviceUnchanged) {
  struct Damage {
    const char* device;
    int column;
    const char* text;
    const char* message;
  };
  const Damage damages[] = {
      {"Kolektor", 7, "abc", "'abc' is not a valid floating point value"},
      {"Kolektor", 11, "", "'' is not a valid floating point value"},
      {"Zasobnik", 12, "1,5", "'1,5' is not a valid floating point value"},
      {"Sterownik", 7, "4.0", "'4.0' is not a valid integer value"},
      {"Naczynie", 6, " 18", "' 18' is not a valid floating point value"},
      {"Pompa", 4, "dwa", "'dwa' is not a valid integer value"},
      {"Izolacja", 5, "gorąco", "'gorąco' is not a valid floating point value"},
      {"Konstrukcja", 9, "tanio", "'tanio' is not a valid floating point value"},
  };
  for (const Damage& damage : damages) {
    for (const DeviceCase& c : Cases()) {
      if (c.name != damage.device) continue;
      SCOPED_TRACE(c.name + " column " + std::to_string(damage.column));
      std::vector<std::string> bad = OtherRow(c);
      bad[damage.column] = damage.text;

      // From the catalogue.
      auto device = FromRow(c);
      const std::string before = Snapshot(*device);
      c.setId(*device, 99);
      RecordingNotifier notifier;
      try {
        device->LoadFromCatalogue({c.row, bad}, 1, notifier);
        ADD_FAILURE() << "no error";
      } catch (const NumberConversionError& error) {
        EXPECT_STREQ(error.what(), damage.message);
      }
      c.setId(*device, ReadInt(c.row[0]));
      EXPECT_EQ(Snapshot(*device), before);

      // From a set file, where positions are the catalogue columns.
      xml::Document document;
      auto nodes = ElementOf(document, c.name, bad);
      for (const std::string& extra : c.setExtra) nodes[1].AppendChild("field").SetText(extra);
      try {
        device->ReadFromXml(nodes, 1, SetFileLayout);
        ADD_FAILURE() << "no error";
      } catch (const NumberConversionError& error) {
        EXPECT_STREQ(error.what(), damage.message);
      }
      EXPECT_EQ(Snapshot(*device), before);
    }
  }
}

TEST(DeviceDamagedInput, CatalogueIdThatIsNoNumberLeavesDeviceUnchanged) {
  CNaczynie vessel;
  vessel.Model = "stary";
  RecordingNotifier notifier;
  CatalogueRows rows{{"x1", "P", "M", "1", "2", "3", "4", "5", "w", "o", "1"}};
  try {
    vessel.LoadFromCatalogue(rows, 0, notifier);
    ADD_FAILURE() << "no error";
  } catch (const NumberConversionError& error) {
    EXPECT_STREQ(error.what(), "'x1' is not a valid integer value");
  }
  EXPECT_EQ(vessel.Model, "stary");
  EXPECT_TRUE(notifier.notices.empty());
}

// A row index outside the table, a row too short or an empty table never reads beyond the
// table: the device stays as it was or takes row 0.
TEST(DeviceDamagedInput, CatalogueShapeNeverReadsBeyondTheTable) {
  RecordingNotifier notifier;
  CSterownik controller;
  controller.Model = "stary";
  controller.ID = 5;
  EXPECT_THROW(controller.LoadFromCatalogue({}, 0, notifier), CatalogueError);
  EXPECT_EQ(controller.Model, "stary");

  // A row cut short after the model: the price column is not there.
  CatalogueRows shortRows{{"5", "Tech", "2", "Tak", "Nie", "Tak", "3", "2", "4", "PT1000", "M"}};
  EXPECT_THROW(controller.LoadFromCatalogue(shortRows, 0, notifier), CatalogueError);
  EXPECT_EQ(controller.Model, "stary");
  EXPECT_EQ(controller.LiczbaCzujnikow, 0);
  EXPECT_TRUE(notifier.notices.empty());

  // The origin flag is not needed: a row without it loads.
  CatalogueRows noFlag{
      {"5", "Tech", "2", "Tak", "Nie", "Tak", "3", "2", "4", "PT1000", "M", "560", "w", "o"}};
  controller.LoadFromCatalogue(noFlag, 0, notifier);
  EXPECT_EQ(controller.Cena, 560.0f);
}

// A missing element or child is a clear error and reads nothing.
TEST(DeviceDamagedInput, MissingElementOrFieldLeavesDeviceUnchanged) {
  for (const DeviceCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    auto device = FromRow(c);
    const std::string before = Snapshot(*device);

    xml::Document document;
    auto nodes = ElementOf(document, c.name, c.row);
    EXPECT_THROW(device->ReadFromXml(nodes, 5, ProjectLayout), xml::Error);
    EXPECT_THROW(device->ReadFromXml(nodes, -1, SetFileLayout), xml::Error);
    EXPECT_EQ(Snapshot(*device), before);

    // A project element without its last field.
    xml::Document project;
    xml::Element root = project.Create("Projekt");
    device->WriteToXml(root);
    xml::Document cut;
    std::vector<std::string> texts;
    for (const xml::Element& field : root.Child(0).Children()) texts.push_back(field.Text());
    texts.pop_back();
    auto cutNodes = ElementOf(cut, c.name, texts);
    auto fresh = c.make();
    const std::string freshBefore = Snapshot(*fresh);
    try {
      fresh->ReadFromXml(cutNodes, 1, ProjectLayout);
      ADD_FAILURE() << "no error";
    } catch (const xml::Error& error) {
      EXPECT_NE(std::string(error.what()).find("brak pola nr " + std::to_string(texts.size())),
                std::string::npos)
          << error.what();
    }
    EXPECT_EQ(Snapshot(*fresh), freshBefore);
  }

  CIzolacja insulation;
  insulation.Model = "stary";
  xml::Document document;
  auto nodes =
      ElementOf(document, "Izolacja", {"6", "A", "0.04", "wełna", "M", "100", "www", "opis", "1"});
  EXPECT_THROW(insulation.ReadFromXml(nodes, 1, SetFileLayout), xml::Error);
  EXPECT_EQ(insulation.Model, "stary");
  EXPECT_EQ(insulation.ID, 0);
}

// More children than the layout names read normally.
TEST(DeviceXml, ExtraChildrenAreIgnored) {
  CNaczynie vessel;
  xml::Document document;
  auto nodes = ElementOf(document, "Naczynie",
                         {"2", "R", "S", "120", "10", "2.5", "18", "150.5", "w", "o", "x", "y"});
  vessel.ReadFromXml(nodes, 1, ProjectLayout);
  EXPECT_EQ(vessel.Opis, "o");
  EXPECT_EQ(vessel.Pojemnosc, 18.0f);
}

TEST(DeviceSet, NewSetHoldsEmptyDevicesAndEmptyLists) {
  CZestaw set;
  ASSERT_TRUE(set.Tank && set.Collector && set.Controller && set.Pump && set.Vessel &&
              set.Insulation);
  EXPECT_EQ(set.Collector->Model, "");
  EXPECT_EQ(set.Tank->NazwaProducenta, "");
  EXPECT_EQ(set.Insulation->Opis, "");
  EXPECT_EQ(set.NazwaZestawu + set.Producent + set.Telefon + set.Email + set.StronaWww, "");
  EXPECT_EQ(set.LiczbaZasobnikow, 0);
  EXPECT_EQ(set.CenaZestawu, 0.0f);
  EXPECT_TRUE(set.ByKindList->Empty());
  EXPECT_EQ(set.ByKindList->Value("Kolektor Hewalex"), "");
  EXPECT_EQ(set.ByProducerList->Value("Hewalex"), "");
}
