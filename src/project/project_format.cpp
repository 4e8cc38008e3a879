#include "project/project_format.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/numtext.h"

namespace project {

namespace {

// ---------------------------------------------------------------- value texts

std::string IntText(int32_t value) {
  return GeneralText(value, 15, 0);
}

// General 4 where it reads back as the same float, else the fewest digits that do (G(9) always
// does): a design saved and opened again computes exactly the figures it computed before.
std::string G4(float value) {
  for (int precision = 4; precision < 9; ++precision) {
    std::string text = GeneralText(value, precision, 2);
    if (ReadsAsFloat(text) && ReadFloat(text) == value) return text;
  }
  return GeneralText(value, 9, 2);
}

// The cost record's switches: anything but 0 and 1 has no text.
std::string TakNie(uint8_t flag) {
  return flag == 1 ? "tak" : flag == 0 ? "nie" : "";
}

std::string Boolean(uint8_t flag) {
  return flag != 0 ? "true" : "false";
}

// The n-th month's field name: "Temperatura_" and the month's number 1 to 12.
std::string MonthName(const char* prefix, int month) {
  return prefix + IntText(month + 1);
}

// A section or sub-element being written: fields are appended in the order of the calls.
class Writer {
 public:
  Writer(xml::Element parent, std::string_view name) : element_(parent.AppendChild(name)) {}

  void Field(std::string_view name, const std::string& text) {
    xml::Element field = element_.AppendChild("field");
    field.SetAttribute("name", name);
    field.SetText(text);
  }
  Writer Sub(std::string_view name) { return Writer(element_, name); }

 private:
  xml::Element element_;
};

// The loan block's field names, in the order of WindowInputs::loan.
constexpr const char* kLoanFields[9] = {"Powierzchnia_calkowita_kolektorow",
                                        "Koszty_Kwalifikowane",
                                        "Wartosc_procentowa_dotacji",
                                        "Wysokosc_Kredytu",
                                        "Oprocentowanie_Kredytu",
                                        "Prowizja_za_Kredyt",
                                        "Inne_Koszty_Kredytu",
                                        "Okres_Kredytowania",
                                        "Czas_0czekiwania_Na_dotacje"};

constexpr const char* kEcologyFields[13] = {"Wartosc_opalowa",
                                            "Sprawnosc_procesu",
                                            "CO",
                                            "NOx",
                                            "pyly",
                                            "TOC",
                                            "16WWA",
                                            "BaP",
                                            "CO2",
                                            "SO2",
                                            "Objetosc_spalin",
                                            "C",
                                            "S"};

constexpr const char* kReportFields[6] = {"nazwa",     "projektant", "lokalizacja",
                                          "stronaWWW", "email",      "telefon"};

// The six fitting kinds, each an element with a count and a unit price.
struct FittingKind {
  const char* name;
  int32_t CFittings::*count;
  float CFittings::*price;
};
constexpr FittingKind kFittings[6] = {
    {"Kolanko", &CFittings::KolankoLiczba, &CFittings::KolankoCena},
    {"T-przeplyw", &CFittings::TPrzeplywLiczba, &CFittings::TPrzeplywCena},
    {"T-rozgaleznik", &CFittings::TRozgaleznikLiczba, &CFittings::TRozgaleznikCena},
    {"Zasuwa_odcinajaca", &CFittings::ZasuwaOdcinajacaLiczba, &CFittings::ZasuwaOdcinajacaCena},
    {"Zawor_odcinajacy", &CFittings::ZaworOdcinajacyLiczba, &CFittings::ZaworOdcinajacyCena},
    {"Zawor_zwrotny", &CFittings::ZaworZwrotnyLiczba, &CFittings::ZaworZwrotnyCena},
};

// The nine cost items, in the order of their fields.
struct CostItem {
  const char* name;
  float CVindargast2::*item;
};
constexpr CostItem kCostItems[9] = {
    {"Cena_Kolektory", &CVindargast2::CenaKolektory},
    {"Cena_Zasobnik", &CVindargast2::CenaZasobnik},
    {"Cena_Sterownik", &CVindargast2::CenaSterownik},
    {"Cena_Naczynie", &CVindargast2::CenaNaczynie},
    {"Cena_Pompa", &CVindargast2::CenaPompa},
    {"Cena_Armatury", &CVindargast2::CenaArmatury},
    {"Cena_plynu", &CVindargast2::CenaPlynu},
    {"Cena_montazu", &CVindargast2::CenaMontazu},
    {"Cena_inne", &CVindargast2::CenaInne},
};

// ---------------------------------------------------------------- writing

void WriteForm(xml::Element root, const CVindargast2& d) {
  Writer s(root, "formularz");
  s.Field("Temperatura_cieplej_wody", General15(d.TemperaturaCieplejWody));
  s.Field("Liczba_osob", IntText(d.LiczbaOsob));
  s.Field("DCWU", General15(d.DCWU));
  s.Field("Wspolczynnik_krotnosci", General15(d.WspolczynnikKrotnosci));
  s.Field("Temperatura_wody_w_zasobniku", G4(d.TemperaturaWodyWZasobniku));
  s.Field("Temperatura_otoczenia_zasobnika", G4(d.TemperaturaOtoczeniaZasobnika));
  s.Field("Kat_beta", General15(d.KatBeta));
  s.Field("Kat_gamma", General15(d.KatGamma));
  s.Field("Dlugosc_przewodow_na_zewnatrz", General15(d.DlugoscPrzewodowNaZewnatrz));
  s.Field("Dlugosc_przewodow_wewnatrz", G4(d.DlugoscPrzewodowWewnatrz));
  s.Field("Srednica_przewodu", IntText(d.SrednicaPrzewodu));
  s.Field("Wysokosc_statyczna", G4(d.WysokoscStatyczna));
  s.Field("Temperatura_wody_sieci", G4(d.TemperaturaWodySieci));
  s.Field("Liczba_kolektorow", IntText(d.LiczbaKolektorow));
  s.Field("Izolacja", Boolean(d.Izolacja));
  s.Field("Liczba_zasobnikow", IntText(d.LiczbaZasobnikow));
  s.Field("CWUCO", IntText(d.CWUCO));
}

void WriteLocation(xml::Element root, const CVindargast2& d, const std::string& cityName) {
  Writer s(root, "lokalizacja");
  s.Field("ID_Miasta", IntText(d.IDMiasta));
  s.Field("Szerokosc_geograficzna", General15(d.SzerokoscGeograficzna));
  for (int m = 0; m < 12; ++m) s.Field(MonthName("Temperatura_", m), G4(d.Temperatura[m]));
  for (int m = 0; m < 12; ++m) s.Field(MonthName("Uslonecznienie_", m), G4(d.Uslonecznienie[m]));
  for (int m = 0; m < 12; ++m) s.Field(MonthName("Naslonecznienie_", m), G4(d.Naslonecznienie[m]));
  Writer(root, "nazwa_miasta").Field("Nazwa_miasta", cityName);
}

void WriteDevices(xml::Element root, CVindargast2& d) {
  d.SelectedCollector->WriteToXml(root);
  d.SelectedController->WriteToXml(root);
  d.SelectedVessel->WriteToXml(root);
  d.SelectedPump->WriteToXml(root);
  d.SelectedInsulation->WriteToXml(root);
  d.SelectedTank->TankNumber = 1;
  d.SelectedTank->WriteToXml(root);
  if (d.LiczbaZasobnikow == 2) {
    d.SelectedTank2->TankNumber = 2;
    d.SelectedTank2->WriteToXml(root);
  }
}

void WriteFittings(xml::Element root, const CFittings& a) {
  Writer s(root, "Armatura");
  s.Field("Dlugosc_przewodow", General15(a.DlugoscPrzewodow));
  s.Field("Cena_za_metr", G4(a.CenaZaMetr));
  s.Field("Dodatkowa_strata_cisnienia", G4(a.DodatkowaStrataCisnienia));
  s.Field("RodzajPolaczenia", IntText(a.RodzajPolaczenia));
  s.Field("szeregowo", IntText(a.Szeregowo));
  s.Field("rownolegle", IntText(a.Rownolegle));
  for (const FittingKind& kind : kFittings) {
    Writer fitting = s.Sub(kind.name);
    fitting.Field("Liczba", IntText(a.*kind.count));
    fitting.Field("Cena", G4(a.*kind.price));
  }
}

void WriteCosts(xml::Element root, const CVindargast2& d, const WindowInputs& w) {
  const CKoszty& c = d.Costs;
  Writer s(root, "Koszty");
  for (const CostItem& item : kCostItems) s.Field(item.name, General15(d.*item.item));

  Writer fuel = s.Sub("Paliwo");
  fuel.Field("Typ_ogrzewania", IntText(c.TypOgrzewania));
  fuel.Field("Koszt_zakupu_Brutto", w.fuelPriceGross);
  fuel.Field("Wartosc_opalowa", G4(c.WartoscOpalowa));
  fuel.Field("Sprawnosc_procesu", General15(c.SprawnoscProcesu));
  fuel.Field("Nazwa_paliwa", IntText(d.NazwaPaliwa));
  fuel.Field("Koszt_zakupu_Netto", w.fuelPriceNet);

  Writer growth = s.Sub("Wzrost_cen");
  growth.Field("Ile_roczny_wzrost", G4(c.IleRocznyWzrost));
  growth.Field("wzrost_cen_tak_nie", TakNie(c.WzrostCenTakNie));
  Writer subsidy = s.Sub("Dotacja");
  subsidy.Field("Ile_dotacja", G4(c.IleDotacja));
  subsidy.Field("dotacja_tak_nie", TakNie(c.DotacjaTakNie));
  Writer upkeep = s.Sub("Eksploatacja");
  upkeep.Field("Ile_eksploatacja", G4(c.IleEksploatacja));
  upkeep.Field("eksploatacja_tak_nie", TakNie(c.EksploatacjaTakNie));
  s.Sub("Koszt_pompy").Field("koszt_pompy_tak_nie", TakNie(c.KosztPompyTakNie));
  Writer discount = s.Sub("Dyskont");
  discount.Field("Ile_Dyskont", G4(c.IleDyskont));
  discount.Field("Dyskont_tak_nie", TakNie(c.DyskontTakNie));

  // The service-life edit stays empty until the cost window is first shown: a design opened and
  // saved again in between keeps the service life it holds.
  if (!w.serviceLife.empty() || c.IleCzasEksploatacji != 0)
    s.Sub("Czas_eksploatacji").Field("Ile_Czas_eksploatacji", G4(c.IleCzasEksploatacji));
  // The switch follows the rate, so that inflation switched off survives a save and an open;
  // readers that know only the rate take the element as inflation on.
  Writer inflation = s.Sub("inflacja");
  inflation.Field("Ile_inflacja", G4(c.IleInflacja));
  inflation.Field("inflacja_tak_nie", TakNie(c.InflationOn));
  s.Sub("NPV").Field("NPV_tak_nie", TakNie(c.NPVTakNie));
  if (!w.vat.empty()) s.Sub("Stawka_Vat").Field("Ile_vat", w.vat);
  if (w.netSum) s.Sub("Suma_netto").Field("Suma_netto", "tak");
  if (w.grossSum) s.Sub("Suma_brutto").Field("Suma_brutto", "tak");
}

void WritePool(xml::Element root, const CVindargast2& d) {
  Writer s(root, "Basen");
  s.Field("Dlugosc", G4(d.BasenDlugosc));
  s.Field("Szerokosc", G4(d.BasenSzerokosc));
  s.Field("Glebokosc", G4(d.BasenGlebokosc));
  s.Field("Od", IntText(d.BasenOd));
  s.Field("Do", IntText(d.BasenDo));
  if (d.Przeslona == 1) s.Sub("Przeslona").Field("Przeslona", "Tak");
}

void WriteCirculation(xml::Element root, const CVindargast2& d) {
  Writer s(root, "Cyrkulacja");
  s.Field("Czas_pracy_pompy_cyrkulacyjnej", G4(d.CzasPracyPompyCyrkulacyjnej));
  s.Field("Dlugosc_przewodow_cyrkulacyjnych", G4(d.DlugoscPrzewodowCyrkulacyjnych));
}

void WriteBuilding(xml::Element root, const CVindargast2& d) {
  Writer s(root, "Budynek");
  s.Field("Powierzchnia_budynku", G4(d.PowierzchniaBudynku));
  s.Field("Zapotrzebowanie_energi", G4(d.ZapotrzebowanieEnergi));
  s.Field("Temperatura_zasilania", G4(d.TemperaturaZasilania));
  s.Field("Temperatura_powrotu", G4(d.TemperaturaPowrotu));
}

void WriteWindowSections(xml::Element root, const CVindargast2& d, const WindowInputs& w) {
  Writer ecology(root, "Kalkulator_Ekologiczny");
  for (int i = 0; i < 13; ++i) ecology.Field(kEcologyFields[i], w.ecology[size_t(i)]);
  ecology.Field("Typ_ogrzewania", IntText(d.Costs.TypOgrzewania));

  Writer report(root, "raport");
  for (size_t i = 0; i < 6; ++i) {
    const bool remembered = w.reportRemembered[i] && !w.report[i].empty();
    report.Field(kReportFields[i], remembered ? w.report[i] : "brak");
  }

  Writer loan(root, "Dotacja_NFOSIGW");
  // From the design: the check box keeps the flag, and the flag is what a read restores while the
  // cost window has not been shown.
  loan.Field("dotacja_NFOSIGW_tak_nie", d.Costs.NfosigwSubsidyOn == 1 ? "tak" : "nie");
  for (size_t i = 0; i < 9; ++i) loan.Field(kLoanFields[i], w.loan[i]);
  loan.Field("Stawka_podatku",
             w.taxScale >= 0 && w.taxScale <= 2 ? IntText(w.taxScale) : std::string());
}

// ---------------------------------------------------------------- reading

// The fields of a section or sub-element, taken by position.
class Fields {
 public:
  explicit Fields(xml::Element element) : element_(element) {}

  std::string Text(int position) const { return element_.Child(position).Text(); }
  float Float(int position) const { return ReadFloat(Text(position)); }
  int32_t Int(int position) const { return ReadInt(Text(position)); }
  // Converted as a float, then cut toward zero.
  int32_t Truncated(int position) const {
    const float value = Float(position);
    if (!(value > -2147483904.0f && value < 2147483648.0f))
      throw ValueRangeError("'" + Text(position) + "' is no 32-bit integer");
    return static_cast<int32_t>(value);
  }
  // "tak" sets the flag, "nie" clears it, any other text leaves it.
  void TakNie(int position, uint8_t& flag) const {
    const std::string text = Text(position);
    if (text == "tak") flag = 1;
    if (text == "nie") flag = 0;
  }

 private:
  xml::Element element_;
};

int32_t InRange(int32_t value, int32_t low, int32_t high, const char* what) {
  if (value < low || value > high)
    throw ValueRangeError(std::string(what) + " " + IntText(value) + " outside " + IntText(low) +
                          " to " + IntText(high));
  return value;
}

class Reader {
 public:
  Reader(CVindargast2& design, WindowUpdates& updates, int32_t fuelRows)
      : d_(design), w_(updates), fuelRows_(fuelRows) {}

  void Read(const xml::Element& root) {
    const std::vector<xml::Element> nodes = root.Children();
    if (root.Child("formularz")) Form(Fields(nodes[0]));
    for (size_t i = 1; i < nodes.size(); ++i) Section(nodes, static_cast<int>(i));
    // The "other" cost item is the one saved with the costs, wherever the mounting structure
    // stands: the user may have typed it. A file without costs gives the structure's price, as
    // choosing the structure does, so that the next save writes what the design holds.
    if (!costsRead_) d_.CenaInne = d_.SelectedStructure->Cena;
  }

 private:
  void Form(const Fields& f) {
    d_.TemperaturaCieplejWody = f.Float(0);
    d_.LiczbaOsob = f.Int(1);
    d_.DCWU = f.Float(2);
    d_.WspolczynnikKrotnosci = f.Float(3);
    d_.TemperaturaWodyWZasobniku = f.Float(4);
    d_.TemperaturaOtoczeniaZasobnika = f.Float(5);
    d_.KatBeta = f.Float(6);
    d_.KatGamma = f.Float(7);
    d_.DlugoscPrzewodowNaZewnatrz = f.Float(8);
    d_.DlugoscPrzewodowWewnatrz = f.Float(9);
    d_.SrednicaPrzewodu = f.Truncated(10);
    d_.WysokoscStatyczna = f.Float(11);
    d_.TemperaturaWodySieci = f.Float(12);
    d_.LiczbaKolektorow = f.Truncated(13);
    const std::string insulated = f.Text(14);
    d_.Izolacja = insulated.empty() || insulated == "false" ? 0 : 1;
    d_.LiczbaZasobnikow = InRange(f.Int(15), 1, 2, "tank count");
    d_.CWUCO = f.Int(16);
  }

  void Section(const std::vector<xml::Element>& nodes, int index) {
    const xml::Element node = nodes[size_t(index)];
    const std::string name = node.Name();
    const Fields f(node);
    if (name == "lokalizacja") {
      Location(f);
    } else if (name == "nazwa_miasta") {
      w_.cityName = f.Text(0);
    } else if (name == "Kolektor") {
      CKolektor& c = *d_.SelectedCollector;
      c.ReadFromXml(nodes, index, ProjectLayout);
      d_.CollectorK1 = c.WspolczynnikLiniowy;
      d_.CollectorK2 = c.WspolczynnikKwadratowy;
      d_.CollectorEta0 = c.SprawnoscOptyczna;
      d_.CollectorUnitFlow = c.JednostkoweNatezenie;
      d_.CollectorUnitPressureDrop = c.JednostkoweCisnienie;
      d_.CollectorAbsorberVolume = c.PojemnoscAbsorbera;
      d_.CenaKolektory = c.Cena;
      d_.CollectorArea = c.PowierzchniaKolektora;
    } else if (name == "Sterownik") {
      d_.SelectedController->ReadFromXml(nodes, index, ProjectLayout);
      d_.CenaSterownik = d_.SelectedController->Cena;
    } else if (name == "Naczynie") {
      d_.SelectedVessel->ReadFromXml(nodes, index, ProjectLayout);
      d_.CenaNaczynie = d_.SelectedVessel->Cena;
    } else if (name == "Pompa") {
      d_.SelectedPump->ReadFromXml(nodes, index, ProjectLayout);
      d_.CenaPompa = d_.SelectedPump->Cena;
    } else if (name == "Izolacja") {
      CIzolacja& i = *d_.SelectedInsulation;
      i.ReadFromXml(nodes, index, ProjectLayout);
      d_.InsulationLambda = i.Lambda;
      d_.OutdoorInsulationThickness = i.GruboscIzolacjiZew;
      d_.IndoorInsulationThickness = i.GruboscIzolacjiWew;
      d_.InsulationCost = i.Cena;
    } else if (name == "Zasobnik") {
      CZasobnik& t = *d_.SelectedTank;
      t.ReadFromXml(nodes, index, ProjectLayout);
      d_.Tank1Diameter = t.SrednicaZasobnika;
      d_.Tank1Height = t.WysokoscZasobnika;
      d_.Tank1InsulationThickness = t.GruboscIzolacji;
      d_.Tank1PressureLoss = t.StratyCisnienia;
      d_.Tank1ExchangerVolume = t.PojemnoscWymiennika;
      d_.Tank1Volume = t.PojemnoscZasobnika;
      d_.CenaZasobnik = t.Cena;
    } else if (name == "Zasobnik1") {
      // The second tank counts only in a design that has two.
      if (d_.LiczbaZasobnikow != 2) return;
      CZasobnik& t = *d_.SelectedTank2;
      t.ReadFromXml(nodes, index, ProjectLayout);
      d_.Tank2Diameter = t.SrednicaZasobnika;
      d_.Tank2Height = t.WysokoscZasobnika;
      d_.Tank2InsulationThickness = t.GruboscIzolacji;
      d_.Tank2PressureLoss = t.StratyCisnienia;
      d_.Tank2ExchangerVolume = t.PojemnoscWymiennika;
      d_.Tank2Volume = t.PojemnoscZasobnika;
      d_.Tank2Price = t.Cena;
    } else if (name == "Armatura") {
      Fittings(node);
    } else if (name == "Koszty") {
      Costs(node);
    } else if (name == "Budynek") {
      d_.PowierzchniaBudynku = f.Float(0);
      d_.ZapotrzebowanieEnergi = f.Float(1);
      d_.TemperaturaZasilania = f.Float(2);
      d_.TemperaturaPowrotu = f.Float(3);
    } else if (name == "Cyrkulacja") {
      d_.Cyrkulacja = 1;
      d_.CzasPracyPompyCyrkulacyjnej = f.Float(0);
      d_.DlugoscPrzewodowCyrkulacyjnych = f.Float(1);
    } else if (name == "Basen") {
      d_.Basen = 1;
      d_.BasenDlugosc = f.Float(0);
      d_.BasenSzerokosc = f.Float(1);
      d_.BasenGlebokosc = f.Float(2);
      d_.BasenOd = InRange(f.Truncated(3), 0, 11, "first pool month");
      d_.BasenDo = InRange(f.Truncated(4), 0, 11, "last pool month");
      if (node.Child("Przeslona")) d_.Przeslona = 1;
    } else if (name == "Konstrukcja_wsporcza") {
      d_.SelectedStructure->ReadFromXml(nodes, index, ProjectLayout);
    } else if (name == "Kalkulator_Ekologiczny") {
      for (int i = 0; i < 13; ++i) w_.ecology[size_t(i)] = f.Text(i);
      w_.ecologyFuel = HeatingType(f.Int(13));
    } else if (name == "raport") {
      for (int i = 0; i < 6; ++i) {
        std::string text = f.Text(i);
        if (text != "brak") w_.report[size_t(i)] = std::move(text);
      }
    } else if (name == "Dotacja_NFOSIGW") {
      f.TakNie(0, d_.Costs.NfosigwSubsidyOn);
      for (int i = 0; i < 9; ++i) w_.loan[size_t(i)] = f.Text(i + 1);
      const std::string scale = f.Text(10);
      if (scale == "0" || scale == "1" || scale == "2") w_.taxScale = scale[0] - '0';
    }
  }

  void Location(const Fields& f) {
    d_.IDMiasta = f.Int(0);
    d_.SzerokoscGeograficzna = f.Float(1);
    for (int m = 0; m < 12; ++m) d_.Temperatura[m] = f.Float(2 + m);
    for (int m = 0; m < 12; ++m) d_.Uslonecznienie[m] = f.Float(14 + m);
    for (int m = 0; m < 12; ++m) d_.Naslonecznienie[m] = f.Float(26 + m);
  }

  void Fittings(const xml::Element& node) {
    CFittings& a = d_.Armatura;
    const Fields f(node);
    d_.FittingsComputed = 1;
    a.DlugoscPrzewodow = f.Float(0);
    a.CenaZaMetr = f.Float(1);
    a.DodatkowaStrataCisnienia = f.Float(2);
    a.RodzajPolaczenia = InRange(f.Int(3), 1, 3, "connection type");
    a.Szeregowo = f.Int(4);
    a.Rownolegle = f.Int(5);
    const std::vector<xml::Element> children = node.Children();
    for (size_t i = 6; i < children.size(); ++i) {
      for (const FittingKind& kind : kFittings) {
        if (children[i].Name() != kind.name) continue;
        const Fields fitting(children[i]);
        a.*kind.count = fitting.Int(0);
        a.*kind.price = fitting.Float(1);
      }
    }
  }

  void Costs(const xml::Element& node) {
    CKoszty& c = d_.Costs;
    const Fields f(node);
    d_.CostsLoaded = 1;
    costsRead_ = true;
    for (int i = 0; i < 9; ++i) d_.*kCostItems[i].item = f.Float(i);
    const std::vector<xml::Element> children = node.Children();
    for (size_t i = 9; i < children.size(); ++i) {
      const std::string name = children[i].Name();
      const Fields s(children[i]);
      if (name == "Paliwo") {
        c.TypOgrzewania = HeatingType(s.Int(0));
        w_.fuelPriceGross = s.Text(1);
        c.WartoscOpalowa = s.Float(2);
        c.SprawnoscProcesu = s.Float(3);
        d_.NazwaPaliwa = s.Truncated(4);
        w_.fuelPriceNet = s.Text(5);
      } else if (name == "Wzrost_cen") {
        c.IleRocznyWzrost = s.Float(0);
        s.TakNie(1, c.WzrostCenTakNie);
      } else if (name == "Dotacja") {
        c.IleDotacja = s.Float(0);
        s.TakNie(1, c.DotacjaTakNie);
      } else if (name == "Eksploatacja") {
        c.IleEksploatacja = s.Float(0);
        s.TakNie(1, c.EksploatacjaTakNie);
      } else if (name == "Koszt_pompy") {
        s.TakNie(0, c.KosztPompyTakNie);
      } else if (name == "Dyskont") {
        c.IleDyskont = s.Float(0);
        s.TakNie(1, c.DyskontTakNie);
      } else if (name == "Czas_eksploatacji") {
        c.IleCzasEksploatacji = s.Float(0);
      } else if (name == "inflacja") {
        c.IleInflacja = s.Float(0);
        // An older file has the rate only, and its presence means inflation on.
        c.InflationOn = 1;
        if (children[i].ChildCount() > 1) s.TakNie(1, c.InflationOn);
        w_.inflation = c.InflationOn == 1;
      } else if (name == "NPV") {
        s.TakNie(0, c.NPVTakNie);
      } else if (name == "Stawka_Vat") {
        w_.vat = s.Text(0);
      } else if (name == "Suma_netto") {
        w_.netSum = true;
      } else if (name == "Suma_brutto") {
        w_.netSum = false;
      }
    }
  }

  // A heating type is a row of the fuel catalogue.
  int32_t HeatingType(int32_t type) const {
    return InRange(type, 0, fuelRows_ - 1, "heating type");
  }

  CVindargast2& d_;
  WindowUpdates& w_;
  int32_t fuelRows_;
  bool costsRead_ = false;  // the file has a costs section
};

}  // namespace

void BuildProjectDocument(CVindargast2& design, const WindowInputs& windows,
                          xml::Document& document) {
  document.SetIndentString("  ");
  document.SetAutoIndent(true);
  const xml::Element root = document.Create(kRootName, "UTF-8");
  WriteForm(root, design);
  WriteLocation(root, design, windows.cityName);
  WriteDevices(root, design);
  WriteFittings(root, design.Armatura);
  WriteCosts(root, design, windows);
  if (design.Basen != 0) WritePool(root, design);
  if (design.Cyrkulacja != 0) WriteCirculation(root, design);
  WriteBuilding(root, design);
  design.SelectedStructure->WriteToXml(root);
  WriteWindowSections(root, design, windows);
}

std::string ProjectFileText(const xml::Document& document) {
  const std::string text = document.SaveText();
  // A text's own CR is written as a character reference, so every raw LF is a line break; a
  // reader turns CR LF back into LF.
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

void ReadProjectDocument(const xml::Document& document, CVindargast2& design,
                         WindowUpdates& updates, int32_t fuelRows) {
  const xml::Element root = document.DocumentElement();
  if (root.Name() != kRootName) throw WrongRootError("root element <" + root.Name() + ">");
  design.ProjectLoaded = 1;
  Reader(design, updates, fuelRows).Read(root);
}

}  // namespace project
