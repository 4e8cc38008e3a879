// The program folder's catalogues as shipped in data/Dane: they load through the catalogue tables,
// every number reads, ids, producers and insulation kinds hold together, the physical values are
// plausible in the units the program expects, and the first records make a sensible new design.
// Every later edit of a catalogue has to pass here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "engine/urzadzenie.h"
#include "engine/vindargast2.h"
#include "xml/xmldoc.h"

namespace {

const std::string kData = VINDARGAST_DATA;

// The pipe diameters the main window's diameter list offers, as the texts it compares.
const std::vector<std::string> kPipeDiameters = {"12", "15", "18", "22", "28", "30", "35"};

std::string PathOf(const CCatalogues::Entry& entry) {
  return kData + "/" + entry.fileName;
}

// All eleven catalogues, loaded once the way the main window loads them at start.
class ShippedData : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new CCatalogues();
    xml::Document document;
    for (const CCatalogues::Entry& entry : CCatalogues::Files) {
      LoadCatalogueTable(document, data_->*entry.table, PathOf(entry));
      if (entry.columnNames) {
        document.SetFileName(PathOf(entry));
        ReadCatalogueColumnNames(document, data_->*entry.columnNames);
      }
    }
  }
  static void TearDownTestSuite() {
    delete data_;
    data_ = nullptr;
  }

  static const CCatalogues& Data() { return *data_; }
  static const CatalogueRows& Rows(CCatalogueTable CCatalogues::*table) {
    return (data_->*table).Rows;
  }

 private:
  static CCatalogues* data_;
};

CCatalogues* ShippedData::data_ = nullptr;

TEST_F(ShippedData, EveryRecordHoldsEveryColumnWithAText) {
  for (const CCatalogues::Entry& entry : CCatalogues::Files) {
    SCOPED_TRACE(entry.fileName);
    const CCatalogueTable& table = Data().*entry.table;
    EXPECT_GT(table.RowCount, 0);

    // The table drops extra fields and leaves missing ones empty: count them in the file itself.
    xml::Document document;
    document.LoadFile(PathOf(entry));
    EXPECT_EQ(document.Encoding(), "UTF-8");
    const std::vector<xml::Element> records = document.DocumentElement().Children();
    ASSERT_EQ(static_cast<int>(records.size()), table.RowCount);
    for (size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].ChildCount(), table.ColumnCount) << "record " << i;
      for (const xml::Element& field : records[i].Children()) {
        EXPECT_TRUE(field.Attribute("name").has_value()) << "record " << i;
        // Optional texts hold "brak"; an empty field is a column forgotten.
        EXPECT_FALSE(field.Text().empty())
            << "record " << i << ", field " << field.Attribute("name").value_or("?");
      }
    }
    if (entry.columnNames) {
      const std::vector<std::string>& names = Data().*entry.columnNames;
      EXPECT_EQ(static_cast<int>(names.size()), table.ColumnCount);
    }
  }
}

// Which columns of each catalogue the program converts to numbers. The last column of every
// catalogue but the fuels is the origin flag; the fuel catalogue's last column is the flue-gas
// volume, and the fuel catalogue has no flag because no editor changes it.
struct NumericColumns {
  const char* file;
  std::vector<int> integers;
  std::vector<int> decimals;
  bool hasFlag;
};

std::vector<int> Span(int first, int last) {
  std::vector<int> columns;
  for (int column = first; column <= last; ++column) columns.push_back(column);
  return columns;
}

const std::vector<NumericColumns>& NumericColumnTable() {
  static const std::vector<NumericColumns> table = {
      {"Dane/miasta.xml", {0, 39}, Span(2, 38), true},
      {"Dane/zasobnik.xml", {0, 15}, Span(4, 12), true},
      {"Dane/kolektor.xml", {0, 16}, Span(4, 11), true},
      {"Dane/sterownik.xml", {0, 2, 6, 7, 8, 14}, {11}, true},
      {"Dane/naczynie.xml", {0, 10}, Span(3, 7), true},
      {"Dane/pompy.xml", {0, 4, 11}, {3, 5, 7}, true},
      {"Dane/izolacja.xml", {0, 8}, {2, 5}, true},
      {"Dane/grubosci.xml", {0, 1, 2, 5}, {3, 4}, true},
      {"Dane/paliwa1.xml", {0}, Span(2, 13), false},
      {"Dane/konstrukcje.xml", {0, 12}, {6, 9}, true},
      {"Dane/producenci.xml", {0, 4}, {}, true},
  };
  return table;
}

TEST_F(ShippedData, NumbersReadIdsAreUniqueAndEveryRecordIsTheVendors) {
  ASSERT_EQ(NumericColumnTable().size(), CCatalogues::Files.size());
  for (const CCatalogues::Entry& entry : CCatalogues::Files) {
    SCOPED_TRACE(entry.fileName);
    const NumericColumns* columns = nullptr;
    for (const NumericColumns& candidate : NumericColumnTable())
      if (std::string(candidate.file) == entry.fileName) columns = &candidate;
    ASSERT_NE(columns, nullptr);

    const CCatalogueTable& table = Data().*entry.table;
    std::set<int32_t> ids;
    for (int i = 0; i < table.RowCount; ++i) {
      const std::vector<std::string>& row = table.Rows[i];
      for (int column : columns->integers)
        EXPECT_NO_THROW(ReadInt(row[column])) << "record " << i << ", column " << column;
      for (int column : columns->decimals)
        EXPECT_NO_THROW(ReadFloat(row[column])) << "record " << i << ", column " << column;
      if (columns->hasFlag) {
        EXPECT_EQ(row[table.ColumnCount - 1], "1") << "record " << i;
      }
      const int32_t id = ReadInt(row[0]);
      EXPECT_GT(id, 0) << "record " << i;
      EXPECT_TRUE(ids.insert(id).second) << "id " << id << " stands twice";
    }
  }
}

// Each device class takes every row of its catalogue without a notice and without an error.
template <typename Device>
std::vector<Device> TakeEveryRow(const CatalogueRows& rows) {
  struct FailingNotifier : WarningNotifier {
    void Warn(const std::string& caption, const std::string& text) override {
      ADD_FAILURE() << caption << ": " << text;
    }
  } notifier;
  std::vector<Device> devices;
  for (size_t i = 0; i < rows.size(); ++i) {
    Device device;
    device.ID = ReadInt(rows[i][0]);
    try {
      device.LoadFromCatalogue(rows, static_cast<int>(i), notifier);
    } catch (const std::exception& error) {
      ADD_FAILURE() << "record " << i << ": " << error.what();
    }
    devices.push_back(device);
  }
  return devices;
}

template <typename Device>
std::vector<std::string> ProducersOf(const CatalogueRows& rows) {
  std::vector<std::string> producers;
  for (const Device& device : TakeEveryRow<Device>(rows))
    producers.push_back(device.NazwaProducenta);
  return producers;
}

TEST_F(ShippedData, EveryDeviceNamesAKnownProducer) {
  std::set<std::string> producers;
  for (const auto& row : Rows(&CCatalogues::ProducerCatalogue))
    EXPECT_TRUE(producers.insert(row[1]).second) << row[1] << " stands twice";

  // File -> the producer each record names, as its device class takes it.
  const std::map<std::string, std::vector<std::string>> named = {
      {"kolektor.xml", ProducersOf<CKolektor>(Rows(&CCatalogues::CollectorCatalogue))},
      {"zasobnik.xml", ProducersOf<CZasobnik>(Rows(&CCatalogues::TankCatalogue))},
      {"sterownik.xml", ProducersOf<CSterownik>(Rows(&CCatalogues::ControllerCatalogue))},
      {"naczynie.xml", ProducersOf<CNaczynie>(Rows(&CCatalogues::VesselCatalogue))},
      {"pompy.xml", ProducersOf<CPompaObiegowa>(Rows(&CCatalogues::PumpCatalogue))},
      {"izolacja.xml", ProducersOf<CIzolacja>(Rows(&CCatalogues::InsulationCatalogue))},
      {"konstrukcje.xml",
       ProducersOf<CKonstrukcjaWsporcza>(Rows(&CCatalogues::StructureCatalogue))},
  };
  ASSERT_EQ(named.size(), 7u);
  for (const auto& [file, names] : named)
    for (size_t i = 0; i < names.size(); ++i)
      EXPECT_TRUE(producers.count(names[i])) << file << " record " << i << " names the producer "
                                             << names[i] << ", which producenci.xml does not hold";
}

// Physical values in the units the calculation expects: a collector efficiency written as a
// fraction (0.8 instead of 80 %) or a tank height in metres would compute nonsense silently.
TEST_F(ShippedData, DeviceValuesArePlausibleInTheProgramsUnits) {
  for (const CKolektor& c : TakeEveryRow<CKolektor>(Rows(&CCatalogues::CollectorCatalogue))) {
    SCOPED_TRACE(c.Model);
    EXPECT_TRUE(c.SprawnoscOptyczna > 50 && c.SprawnoscOptyczna < 90) << "eta0 in %";
    EXPECT_TRUE(c.WspolczynnikLiniowy > 0.3 && c.WspolczynnikLiniowy < 6) << "k1";
    EXPECT_TRUE(c.WspolczynnikKwadratowy >= 0 && c.WspolczynnikKwadratowy < 0.05) << "k2";
    EXPECT_TRUE(c.JednostkoweNatezenie >= 30 && c.JednostkoweNatezenie <= 300) << "l/h";
    EXPECT_TRUE(c.JednostkoweCisnienie > 0 && c.JednostkoweCisnienie < 200) << "mbar";
    EXPECT_TRUE(c.PojemnoscAbsorbera > 0.3 && c.PojemnoscAbsorbera < 10) << "l";
    EXPECT_TRUE(c.PowierzchniaKolektora > 0.8 && c.PowierzchniaKolektora < 4) << "m2";
    EXPECT_GT(c.Cena, 0);
  }
  for (const CZasobnik& t : TakeEveryRow<CZasobnik>(Rows(&CCatalogues::TankCatalogue))) {
    SCOPED_TRACE(t.Model);
    // Height and diameter are outer sizes in mm, with the insulation on both sides.
    const double inner = t.SrednicaZasobnika - 2.0 * t.GruboscIzolacji;
    const double innerHeight = t.WysokoscZasobnika - 2.0 * t.GruboscIzolacji;
    ASSERT_GT(inner, 0) << "twice the insulation exceeds the diameter";
    ASSERT_GT(innerHeight, 0) << "twice the insulation exceeds the height";
    const double innerLitres = M_PI / 4 * inner * inner * innerHeight * 1e-6;
    const double outerLitres =
        M_PI / 4 * t.SrednicaZasobnika * t.SrednicaZasobnika * t.WysokoscZasobnika * 1e-6;
    EXPECT_LT(t.PojemnoscZasobnika, innerLitres) << "the water must fit inside the insulation";
    EXPECT_LT(innerLitres, outerLitres);
    EXPECT_TRUE(t.PojemnoscZasobnika >= 50 && t.PojemnoscZasobnika <= 2000) << "l";
    EXPECT_TRUE(t.PojemnoscWymiennika > 0 && t.PojemnoscWymiennika < t.PojemnoscZasobnika / 10);
    EXPECT_TRUE(t.GruboscIzolacji >= 20 && t.GruboscIzolacji <= 150) << "mm";
    EXPECT_TRUE(t.TemperaturaWody >= 60 && t.TemperaturaWody <= 110) << "degrees C";
    EXPECT_TRUE(t.CisnieniePracy >= 3 && t.CisnieniePracy <= 16) << "bar";
    EXPECT_GT(t.StratyCisnienia, 0);
    EXPECT_GT(t.Cena, 0);
  }
  for (const CSterownik& s : TakeEveryRow<CSterownik>(Rows(&CCatalogues::ControllerCatalogue))) {
    SCOPED_TRACE(s.Model);
    EXPECT_TRUE(s.IleZasobnikow == 1 || s.IleZasobnikow == 2);
    EXPECT_GE(s.LiczbaCzujnikow, 2) << "a differential controller needs two sensors";
    EXPECT_GE(s.LiczbaWyjsc, s.LiczbaObiegow);
    EXPECT_TRUE(s.CWCCO == "Tak" || s.CWCCO == "Nie");
    EXPECT_GT(s.Cena, 0);
  }
  for (const CNaczynie& n : TakeEveryRow<CNaczynie>(Rows(&CCatalogues::VesselCatalogue))) {
    SCOPED_TRACE(n.Model);
    EXPECT_TRUE(n.Pojemnosc >= 8 && n.Pojemnosc <= 200) << "l";
    EXPECT_LT(n.CisnienieWstepne, n.DopuszczalneCisnienie) << "bar";
    EXPECT_GE(n.DopuszczalnaTemperatura, 90) << "degrees C";
    EXPECT_GT(n.Cena, 0);
  }
  for (const CPompaObiegowa& p : TakeEveryRow<CPompaObiegowa>(Rows(&CCatalogues::PumpCatalogue))) {
    SCOPED_TRACE(p.Model);
    EXPECT_TRUE(p.MaksymalnaWysokosc >= 2 && p.MaksymalnaWysokosc <= 15) << "m";
    EXPECT_TRUE(p.CisnienieZaworu >= 2.5 && p.CisnienieZaworu <= 10) << "bar";
    EXPECT_GT(p.Cena, 0);
  }
  for (const CIzolacja& i : TakeEveryRow<CIzolacja>(Rows(&CCatalogues::InsulationCatalogue))) {
    SCOPED_TRACE(i.Model);
    EXPECT_TRUE(i.Lambda > 0.02 && i.Lambda < 0.06) << "W/(m K)";
    EXPECT_GE(i.DopuszczalnaTemperatura, 80) << "degrees C";
  }
  for (const auto& k : TakeEveryRow<CKonstrukcjaWsporcza>(Rows(&CCatalogues::StructureCatalogue))) {
    SCOPED_TRACE(k.Model);
    EXPECT_GT(ReadInt(k.LiczbaKolektorow), 0);
    EXPECT_GT(k.Nosnosc, 0) << "kN";
    EXPECT_GT(k.Cena, 0);
  }
}

TEST_F(ShippedData, CataloguesCoverTheMarketRange) {
  std::set<std::string> collectorKinds;
  for (const auto& row : Rows(&CCatalogues::CollectorCatalogue))
    collectorKinds.insert(row[2].substr(0, row[2].find(' ')));
  EXPECT_TRUE(collectorKinds.count("płaski")) << "flat-plate collectors";
  EXPECT_TRUE(collectorKinds.count("próżniowy")) << "evacuated-tube collectors";

  float smallest = 1e9f, largest = 0;
  std::set<std::string> tankKinds;
  for (const CZasobnik& t : TakeEveryRow<CZasobnik>(Rows(&CCatalogues::TankCatalogue))) {
    smallest = std::min(smallest, t.PojemnoscZasobnika);
    largest = std::max(largest, t.PojemnoscZasobnika);
    tankKinds.insert(t.RodzajZasobnika);
  }
  EXPECT_LE(smallest, 100);
  EXPECT_GE(largest, 1000);
  EXPECT_TRUE(tankKinds.count("jednowężownicowy"));
  EXPECT_TRUE(tankKinds.count("dwuwężownicowy"));

  EXPECT_GE(Data().InsulationCatalogue.RowCount, 3);
}

TEST_F(ShippedData, EveryInsulationKindHasThicknessesForEveryPipeDiameter) {
  std::set<int32_t> kinds;
  for (const auto& row : Rows(&CCatalogues::InsulationCatalogue)) kinds.insert(ReadInt(row[0]));

  // Rows listed per (kind, diameter) in table order, as the insulation window lists them.
  std::map<std::pair<int32_t, std::string>, std::vector<std::pair<float, float>>> listed;
  const CatalogueRows& thicknesses = Rows(&CCatalogues::ThicknessCatalogue);
  for (size_t i = 0; i < thicknesses.size(); ++i) {
    const auto& row = thicknesses[i];
    const int32_t kind = ReadInt(row[1]);
    EXPECT_TRUE(kinds.count(kind)) << "thickness record " << i << " names no insulation kind";
    EXPECT_NE(std::find(kPipeDiameters.begin(), kPipeDiameters.end(), row[2]), kPipeDiameters.end())
        << "thickness record " << i << ": the window compares the diameter text exactly, " << row[2]
        << " is never offered";
    listed[{kind, row[2]}].emplace_back(ReadFloat(row[3]), ReadFloat(row[4]));
  }
  for (int32_t kind : kinds)
    for (const std::string& diameter : kPipeDiameters) {
      SCOPED_TRACE("kind " + std::to_string(kind) + ", diameter " + diameter);
      const auto& rows = listed[{kind, diameter}];
      EXPECT_FALSE(rows.empty());
      for (size_t j = 0; j < rows.size(); ++j) {
        EXPECT_TRUE(rows[j].first >= 6 && rows[j].first <= 60) << "thickness in mm";
        EXPECT_TRUE(rows[j].second > 0 && rows[j].second < 100) << "price per metre";
        if (j > 0) {
          EXPECT_GT(rows[j].first, rows[j - 1].first) << "listed from thin to thick";
          EXPECT_GT(rows[j].second, rows[j - 1].second) << "thicker costs more";
        }
      }
    }
}

TEST_F(ShippedData, CitiesHoldTwelvePlausibleMonths) {
  std::set<std::string> names;
  for (const auto& row : Rows(&CCatalogues::CityCatalogue)) {
    SCOPED_TRACE(row[1]);
    EXPECT_TRUE(names.insert(row[1]).second) << "stands twice";
    double yearly = 0;
    for (int m = 0; m < 12; ++m) {
      const float insolation = ReadFloat(row[2 + m]);
      const float temperature = ReadFloat(row[14 + m]);
      const float sunshine = ReadFloat(row[26 + m]);
      EXPECT_TRUE(insolation > 5 && insolation < 220) << "kWh/m2 in month " << m + 1;
      EXPECT_TRUE(temperature > -15 && temperature < 30) << "degrees C in month " << m + 1;
      EXPECT_TRUE(sunshine > 0 && sunshine < 400) << "hours in month " << m + 1;
      yearly += insolation;
    }
    EXPECT_TRUE(yearly >= 950 && yearly <= 1200) << "yearly insolation " << yearly << " kWh/m2";
    EXPECT_GT(ReadFloat(row[2 + 5]), 4 * ReadFloat(row[2 + 11])) << "June against December";
    const float latitude = ReadFloat(row[38]);
    EXPECT_TRUE(latitude > 49 && latitude < 55) << "latitude " << latitude;
  }
  for (const char* capital :
       {"Białystok", "Bydgoszcz", "Gdańsk", "Gorzów Wielkopolski", "Katowice", "Kielce", "Kraków",
        "Lublin", "Łódź", "Olsztyn", "Opole", "Poznań", "Rzeszów", "Szczecin", "Toruń", "Warszawa",
        "Wrocław", "Zielona Góra"})
    EXPECT_TRUE(names.count(capital)) << capital;
}

TEST_F(ShippedData, FuelRowsFitTheirFixedHeatingTypes) {
  const CatalogueRows& fuels = Rows(&CCatalogues::FuelCatalogue);
  ASSERT_EQ(fuels.size(), 8u) << "heating types 0 to 7 are fixed rows";
  auto value = [&](int type, int column) { return ReadFloat(fuels[type][column]); };
  // Column 3 is the gross price per unit the cost formula expects: kWh (0, 7), tonne (1-4),
  // litre (5), m3 (6). Row 0's price is also the pump's electricity price.
  const struct {
    int type;
    float lowestPrice, highestPrice;
  } prices[] = {{0, 0.3f, 3},   {1, 300, 5000}, {2, 200, 3000}, {3, 300, 4000},
                {4, 500, 4000}, {5, 2, 10},     {6, 1, 10},     {7, 0.3f, 3}};
  for (const auto& p : prices) {
    SCOPED_TRACE("type " + std::to_string(p.type) + " " + fuels[p.type][1]);
    EXPECT_TRUE(value(p.type, 3) >= p.lowestPrice && value(p.type, 3) <= p.highestPrice);
    for (int column = 5; column <= 13; ++column) EXPECT_GE(value(p.type, column), 0);
    if (p.type >= 1 && p.type <= 6) {
      EXPECT_TRUE(value(p.type, 2) > 2 && value(p.type, 2) < 15) << "calorific value, kWh/unit";
      EXPECT_TRUE(value(p.type, 11) > 0 && value(p.type, 11) < 100) << "carbon content, %";
    }
    if (p.type <= 6) {
      EXPECT_TRUE(value(p.type, 4) > 40 && value(p.type, 4) <= 100) << "efficiency, %";
    }
    if (p.type >= 1 && p.type <= 3) {
      EXPECT_GT(value(p.type, 13), 1) << "flue gas, m3/kg";
    }
  }
  for (int type : {0, 7}) EXPECT_TRUE(value(type, 11) > 0.1 && value(type, 11) < 1.5) << "kg/kWh";
  // The heat pump: column 2 is the calculator's COP, column 4 the cost window's.
  for (int column : {2, 4}) EXPECT_TRUE(value(7, column) >= 2 && value(7, column) <= 6);
}

// The first record of every catalogue is what a new design starts with; together they must make
// a working small hot-water installation for the design defaults.
TEST_F(ShippedData, FirstRecordsMakeASensibleDefaultInstallation) {
  CVindargast2 design = MakeDefaultDesign();
  const float required = design.ComputeRequiredTankVolume();
  const CZasobnik tank = TakeEveryRow<CZasobnik>(Rows(&CCatalogues::TankCatalogue)).at(0);
  EXPECT_GT(tank.PojemnoscZasobnika, required)
      << "the tank window takes the first tank larger than the required volume";

  const CKolektor collector = TakeEveryRow<CKolektor>(Rows(&CCatalogues::CollectorCatalogue)).at(0);
  const double area = collector.PowierzchniaKolektora * design.LiczbaKolektorow;
  const double litresPerSquareMetre = design.LiczbaOsob * design.DCWU / area;
  EXPECT_TRUE(litresPerSquareMetre >= 30 && litresPerSquareMetre <= 80)
      << "daily hot water per m2 of collector: " << litresPerSquareMetre;

  const CSterownik controller =
      TakeEveryRow<CSterownik>(Rows(&CCatalogues::ControllerCatalogue)).at(0);
  EXPECT_GE(controller.IleZasobnikow, design.LiczbaZasobnikow);

  // The pump's range text is "lowest-highest" in l/h; the field's flow must lie within it.
  const CPompaObiegowa pump = TakeEveryRow<CPompaObiegowa>(Rows(&CCatalogues::PumpCatalogue)).at(0);
  const size_t dash = pump.ZakresRegulacji.find('-');
  ASSERT_NE(dash, std::string::npos) << pump.ZakresRegulacji;
  const double fieldFlow = collector.JednostkoweNatezenie * design.LiczbaKolektorow;
  EXPECT_GE(fieldFlow, ReadFloat(pump.ZakresRegulacji.substr(0, dash)));
  EXPECT_LE(fieldFlow, ReadFloat(pump.ZakresRegulacji.substr(dash + 1)));

  const CNaczynie vessel = TakeEveryRow<CNaczynie>(Rows(&CCatalogues::VesselCatalogue)).at(0);
  EXPECT_GT(vessel.Pojemnosc, collector.PojemnoscAbsorbera * design.LiczbaKolektorow)
      << "the vessel takes at least the collectors' content when they boil dry";

  const CKonstrukcjaWsporcza structure =
      TakeEveryRow<CKonstrukcjaWsporcza>(Rows(&CCatalogues::StructureCatalogue)).at(0);
  EXPECT_EQ(ReadInt(structure.LiczbaKolektorow), design.LiczbaKolektorow);

  // The insulation window prices the start design with the fourth thickness listed for the first
  // kind at the default diameter, and the main window starts both thicknesses at 32 mm.
  const int32_t firstKind = ReadInt(Rows(&CCatalogues::InsulationCatalogue).at(0).at(0));
  std::vector<std::string> listed;
  for (const auto& row : Rows(&CCatalogues::ThicknessCatalogue))
    if (ReadInt(row[1]) == firstKind && row[2] == std::to_string(design.SrednicaPrzewodu))
      listed.push_back(row[3]);
  ASSERT_GE(listed.size(), 4u);
  EXPECT_EQ(ReadFloat(listed[3]), 32);
}

// The pictures the program loads from "Grafika": the scheme buttons swap the bitmaps in one
// picture control, so all four share one size; the report draws the logo into 100 x 32 points
// and its PDF library embeds only baseline JPEGs.
struct PictureSize {
  int width = 0, height = 0;
  bool baseline = false;  // JPEG only: a baseline (SOF0/SOF1) frame, not a progressive one
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

PictureSize BmpSize(const std::string& bytes) {
  auto little32 = [&](size_t at) {
    return static_cast<int>(static_cast<uint8_t>(bytes[at]) |
                            static_cast<uint8_t>(bytes[at + 1]) << 8 |
                            static_cast<uint8_t>(bytes[at + 2]) << 16 |
                            static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24);
  };
  if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0) return {};
  return {little32(18), std::abs(little32(22)), false};
}

PictureSize JpegSize(const std::string& bytes) {
  auto byte = [&](size_t at) { return static_cast<uint8_t>(bytes[at]); };
  if (bytes.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return {};
  for (size_t at = 2; at + 9 < bytes.size();) {
    if (byte(at) != 0xFF) return {};
    const uint8_t marker = byte(at + 1);
    const size_t length = byte(at + 2) << 8 | byte(at + 3);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      return {byte(at + 7) << 8 | byte(at + 8), byte(at + 5) << 8 | byte(at + 6),
              marker == 0xC0 || marker == 0xC1};
    at += 2 + length;
  }
  return {};
}

TEST(ShippedPictures, SchemesShareOneSizeAndTheLogoFitsTheReportHeader) {
  const std::string folder = kData + "/Grafika/";
  PictureSize first;
  for (const char* scheme : {"CWU-1zasobnik.bmp", "CWU-2zasobniki.bmp", "CWU+CO-1zasobnik.bmp",
                             "CWU+CO-2zasobniki.bmp"}) {
    SCOPED_TRACE(scheme);
    const PictureSize size = BmpSize(ReadBytes(folder + scheme));
    ASSERT_GT(size.width, 0) << "no bitmap";
    if (first.width == 0) first = size;
    EXPECT_EQ(size.width, first.width);
    EXPECT_EQ(size.height, first.height);
  }
  const PictureSize logo = JpegSize(ReadBytes(folder + "logowydruk.jpg"));
  ASSERT_GT(logo.height, 0) << "no JPEG";
  EXPECT_TRUE(logo.baseline);
  EXPECT_NEAR(static_cast<double>(logo.width) / logo.height, 100.0 / 32, 0.02);
}

}  // namespace
