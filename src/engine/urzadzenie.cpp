// The seven device classes as field tables. Each row of a table names one field of the class and
// where it comes from and goes to: the catalogue column LoadFromCatalogue copies, the position in
// the set-file layout, the parameter-grid row with its text, and the field name and text of the
// project element. A table's rows stand in the order WriteToXml writes them, which is the
// project layout that ReadFromXml reads with layout 0. Stored project and set files rely on these
// names and positions, odd ones included (the controller's two "Liczba_czujnikow", the pump's
// price under "Cena_naczynia", the structure's price last in a project element).
#include "engine/urzadzenie.h"

#include <algorithm>
#include <utility>

namespace {

// How a value becomes text in the grid or in the element.
struct TextRule {
  enum Kind { None, Plain, Integer, General, Currency, RoundTrip };
  Kind kind = None;
  int precision = 0;
  int digits = 0;
  const char* unit = "";  // appended after the value; begins with the blanks the grid shows
};

constexpr TextRule kNone{};
constexpr TextRule Plain(const char* unit = "") {
  return {TextRule::Plain, 0, 0, unit};
}
constexpr TextRule Integer() {
  return {TextRule::Integer, 0, 0, ""};
}
constexpr TextRule General(int precision, int digits, const char* unit = "") {
  return {TextRule::General, precision, digits, unit};
}
constexpr TextRule Currency(int precision) {
  return {TextRule::Currency, precision, 0, ""};
}
// G(P, D) with the fewest significant digits from P on that read back the very float stored: for
// values whose few significant digits matter to the results (a conductivity of 0.0375 must not
// come back as 0.038). Where G(P, D) already reads back, the text is G(P, D) itself.
constexpr TextRule RoundTrip(int precision, int digits) {
  return {TextRule::RoundTrip, precision, digits, ""};
}

constexpr int kNo = -1;  // no column, no set-file position, no grid row

template <class T>
struct Field {
  Field(int32_t T::*member, int column, int setPosition, int gridRow, TextRule grid,
        const char* name, TextRule element)
      : integer(member),
        column(column),
        setPosition(setPosition),
        gridRow(gridRow),
        grid(grid),
        name(name),
        element(element) {}
  Field(float T::*member, int column, int setPosition, int gridRow, TextRule grid, const char* name,
        TextRule element)
      : real(member),
        column(column),
        setPosition(setPosition),
        gridRow(gridRow),
        grid(grid),
        name(name),
        element(element) {}
  Field(std::string T::*member, int column, int setPosition, int gridRow, TextRule grid,
        const char* name, TextRule element)
      : text(member),
        column(column),
        setPosition(setPosition),
        gridRow(gridRow),
        grid(grid),
        name(name),
        element(element) {}

  int32_t T::*integer = nullptr;
  float T::*real = nullptr;
  std::string T::*text = nullptr;
  int column;       // catalogue column, kNo when the catalogue has none
  int setPosition;  // child position in a set file, kNo when a set file has none
  int gridRow;      // row of the parameter grid, kNo when not shown
  TextRule grid;
  const char* name;  // the "name" attribute written; never read
  TextRule element;
};

template <class T>
struct Descriptor {
  const char* missingModel;  // the "UWAGA" notice of a catalogue row that is gone
  std::vector<Field<T>> fields;
};

std::string IntegerText(int32_t value) {
  return GeneralText(value, 15, 0);
}

// Whether text reads as exactly value.
bool ReadsBack(const std::string& text, float value) {
  return ReadsAsFloat(text) && ReadFloat(text) == value;
}

std::string RoundTripText(float value, int precision, int digits) {
  // G(9) always reads back a float; fewer digits are tried first so that the text stays the one
  // the catalogue holds.
  for (; precision < 9; ++precision) {
    std::string text = GeneralText(value, precision, digits);
    if (ReadsBack(text, value)) return text;
  }
  return GeneralText(value, 9, digits);
}

template <class T>
std::string FormatField(const T& device, const Field<T>& field, const TextRule& rule,
                        const CurrencyFormat* currency) {
  double number = field.real      ? double(device.*field.real)
                  : field.integer ? double(device.*field.integer)
                                  : 0.0;
  switch (rule.kind) {
    case TextRule::Plain:
      return device.*field.text + rule.unit;
    case TextRule::Integer:
      return IntegerText(device.*field.integer) + rule.unit;
    case TextRule::General:
      return GeneralText(number, rule.precision, rule.digits) + rule.unit;
    case TextRule::Currency:
      return CurrencyText(number, rule.precision, *currency);
    case TextRule::RoundTrip:
      return RoundTripText(device.*field.real, rule.precision, rule.digits);
    case TextRule::None:
      break;
  }
  return std::string();
}

template <class T>
void StoreField(T& device, const Field<T>& field, const std::string& text) {
  if (field.integer)
    device.*field.integer = ReadInt(text);
  else if (field.real)
    device.*field.real = ReadFloat(text);
  else
    device.*field.text = text;
}

template <class T>
void ShowFields(const T& device, const Descriptor<T>& descriptor, CellGrid& grid,
                const CurrencyFormat& currency) {
  for (const Field<T>& field : descriptor.fields)
    if (field.gridRow != kNo)
      grid.SetCell(1, field.gridRow, FormatField(device, field, field.grid, &currency));
}

template <class T>
void LoadFields(T& device, const Descriptor<T>& descriptor, const CatalogueRows& rows, int index,
                WarningNotifier& notifier) {
  if (rows.empty()) throw CatalogueError("Katalog urządzeń jest pusty.");
  // A row that is not there is a model that is gone, like a row holding another id.
  bool inTable = index >= 0 && size_t(index) < rows.size();
  if (!inTable || rows[index].empty() || ReadInt(rows[index][0]) != device.ID) {
    notifier.Warn(kMissingModelCaption, descriptor.missingModel);
    index = 0;
  }
  const std::vector<std::string>& row = rows[index];
  T taken(device);
  for (const Field<T>& field : descriptor.fields) {
    if (field.column == kNo) continue;
    if (size_t(field.column) >= row.size())
      throw CatalogueError("Wiersz " + IntegerText(index + 1) + " katalogu ma za mało kolumn (" +
                           IntegerText(int32_t(row.size())) + ").");
    StoreField(taken, field, row[field.column]);
  }
  device = taken;
}

template <class T>
void WriteFields(const T& device, const Descriptor<T>& descriptor, xml::Element parent,
                 const char* elementName) {
  xml::Element element = parent.AppendChild(elementName);
  for (const Field<T>& field : descriptor.fields) {
    xml::Element child = element.AppendChild("field");
    child.SetAttribute("name", field.name);
    std::string text = FormatField(device, field, field.element, nullptr);
    // A value must read back as the same float, or a design saved and opened again computes
    // other figures (and next to the largest float G(P, D) rounds up to a text no reader takes):
    // such a value gets the digits it needs instead.
    if (field.real && !ReadsBack(text, device.*field.real))
      text = RoundTripText(device.*field.real, field.element.precision, field.element.digits);
    child.SetText(text);
  }
}

template <class T>
void ReadFields(T& device, const Descriptor<T>& descriptor, const std::vector<xml::Element>& nodes,
                int index, int layout) {
  if (index < 0 || size_t(index) >= nodes.size())
    throw xml::Error("Brak elementu urządzenia na pozycji " + IntegerText(index) + ".");
  const xml::Element& element = nodes[index];
  std::vector<xml::Element> children = element.Children();

  std::vector<std::pair<int, const Field<T>*>> positions;
  for (size_t i = 0; i < descriptor.fields.size(); ++i) {
    const Field<T>& field = descriptor.fields[i];
    int position = layout == SetFileLayout ? field.setPosition : int(i);
    if (position != kNo) positions.emplace_back(position, &field);
  }
  std::sort(positions.begin(), positions.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  T read(device);
  for (const auto& [position, field] : positions) {
    if (size_t(position) >= children.size())
      throw xml::Error("Element \"" + element.Name() + "\" ma za mało pól: brak pola nr " +
                       IntegerText(position) + ".");
    StoreField(read, *field, children[position].Text());
  }
  device = read;
}

// Columns: field, catalogue column, set-file position, grid row, grid text, element name,
// element text. The row order is the project layout.

const Descriptor<CKolektor>& KolektorFields() {
  static const Descriptor<CKolektor> descriptor{
      "Program nie posiada wskzanaego modelu Kolektora.\nNajprawdopodobniej został on usunięty !!!",
      {
          {&CKolektor::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CKolektor::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CKolektor::RodzajKolektora, 2, 2, 1, Plain(), "Rodzaj_kolektora", Plain()},
          {&CKolektor::Model, 3, 3, 2, Plain(), "Model", Plain()},
          {&CKolektor::WspolczynnikLiniowy, 4, 4, 3, General(4, 2, "  [W/m2*K1]"),
           "Wspolczynnik_liniowy", General(4, 2)},
          {&CKolektor::WspolczynnikKwadratowy, 5, 5, 4, General(2, 3, "  [W/m2*K2]"),
           "Wspolczynnik_kwadratowy", General(4, 2)},
          {&CKolektor::SprawnoscOptyczna, 6, 6, 5, General(4, 2, "  [%]"), "Sprawnosc_optyczna",
           General(4, 2)},
          {&CKolektor::JednostkoweNatezenie, 7, 7, 6, General(4, 2, "  [litr/h]"),
           "Jednostkowe_natezenie", General(4, 2)},
          {&CKolektor::JednostkoweCisnienie, 8, 8, 7, General(4, 2, "  [mbar]"),
           "Jednostkowe_cisnienie", General(4, 2)},
          {&CKolektor::PojemnoscAbsorbera, 9, 9, 8, General(4, 2, "  [litr]"),
           "Pojemnosc_absorbera", General(4, 2)},
          {&CKolektor::PowierzchniaKolektora, 10, 10, 9, General(4, 2, "  [m2]"),
           "Powierzchnia_kolektora", General(4, 2)},
          {&CKolektor::Cena, 11, 11, 10, Currency(6), "Cena_kolektora", General(8, 2)},
          {&CKolektor::StronaProducenta, 12, 12, kNo, kNone, "Strona_producenta", Plain()},
          {&CKolektor::Opis, 13, 13, kNo, kNone, "Opis", Plain()},
          {&CKolektor::Certyfikat, 14, 14, kNo, kNone, "Certyfikat", Plain()},
          {&CKolektor::WynikiBadan, 15, 15, kNo, kNone, "Wyniki_badan", Plain()},
      }};
  return descriptor;
}

const Descriptor<CZasobnik>& ZasobnikFields() {
  static const Descriptor<CZasobnik> descriptor{
      "Program nie posiada wskazanego modelu Zasobnika.\nNajprawdopodobniej został on usunięty !!!",
      {
          {&CZasobnik::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CZasobnik::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CZasobnik::Model, 2, 2, 1, Plain(), "Model", Plain()},
          {&CZasobnik::RodzajZasobnika, 3, 3, 2, Plain(), "Rodzaj_zasobnika", Plain()},
          {&CZasobnik::PojemnoscZasobnika, 4, 4, 3, General(4, 2, "  [l]"), "Pojemnosc_zasobnika",
           General(4, 2)},
          {&CZasobnik::StratyCisnienia, 5, 5, 4, General(4, 2, "  [mbar]"), "Straty_cisnienia",
           General(4, 2)},
          {&CZasobnik::PojemnoscWymiennika, 6, 6, 5, General(4, 2, "  [l]"), "Pojemnosc_wymiennika",
           General(4, 2)},
          {&CZasobnik::TemperaturaWody, 7, 7, 6, General(4, 2, "  [C]"), "Temperatura_wody",
           General(4, 2)},
          {&CZasobnik::CisnieniePracy, 8, 8, 7, General(6, 2, "  [bar]"), "Cisnienie_pracy",
           General(4, 2)},
          {&CZasobnik::WysokoscZasobnika, 9, 9, 8, General(5, 2, "  [mm]"), "Wysokosc_zasobnika",
           General(4, 2)},
          {&CZasobnik::SrednicaZasobnika, 10, 10, 9, General(4, 2, "  [mm]"), "Srednica_zasobnika",
           General(4, 2)},
          {&CZasobnik::GruboscIzolacji, 11, 11, 10, General(4, 2, "  [mm]"), "Grubosc_izolacji",
           General(4, 2)},
          {&CZasobnik::Cena, 12, 12, 11, Currency(5), "Cena_zasobnika", General(6, 2)},
          {&CZasobnik::StronaProducenta, 13, 13, kNo, kNone, "Strona_producenta", Plain()},
          {&CZasobnik::Opis, 14, 14, kNo, kNone, "Opis", Plain()},
      }};
  return descriptor;
}

// The element holds the sensor count and the sensor kind under the same name.
const Descriptor<CSterownik>& SterownikFields() {
  static const Descriptor<CSterownik> descriptor{
      "Program nie posiada wskazanego modelu Sterownika.\nNajprawdopodobniej został on usunięty "
      "!!!",
      {
          {&CSterownik::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CSterownik::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CSterownik::IleZasobnikow, 2, 2, 1, Integer(), "Ile_zasobnikow", Integer()},
          {&CSterownik::CWCCO, 3, 3, 2, Plain(), "CWCCO", Plain()},
          {&CSterownik::ProgramatorTemperatury, 4, 4, 3, Plain(), "Programator_temperatury",
           Plain()},
          {&CSterownik::OchronaPrzedPrzegrzaniem, 5, 5, 4, Plain(), "Ochrona_przed_przegrzaniem",
           Plain()},
          {&CSterownik::LiczbaCzujnikow, 6, 6, 5, Integer(), "Liczba_czujnikow", Integer()},
          {&CSterownik::LiczbaObiegow, 7, 7, 6, Integer(), "Liczba_obiegow", Integer()},
          {&CSterownik::LiczbaWyjsc, 8, 8, 7, Integer(), "Liczba_wyjsc", Integer()},
          {&CSterownik::CzujnikTemperatury, 9, 9, 8, Plain(), "Liczba_czujnikow", Plain()},
          {&CSterownik::Model, 10, 10, 9, Plain(), "Model", Plain()},
          {&CSterownik::Cena, 11, 11, 10, Currency(6), "Cena_sterownika", General(8, 2)},
          {&CSterownik::StronaProducenta, 12, 12, kNo, kNone, "Strona_producenta", Plain()},
          {&CSterownik::Opis, 13, 13, kNo, kNone, "Opis", Plain()},
      }};
  return descriptor;
}

const Descriptor<CNaczynie>& NaczynieFields() {
  static const Descriptor<CNaczynie> descriptor{
      "Program nie posiada wskazanego modelu Naczynia wzbiorczego.\nNajprawdopodobniej został on "
      "usunięty !!!",
      {
          {&CNaczynie::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CNaczynie::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CNaczynie::Model, 2, 2, 1, Plain(), "Model", Plain()},
          {&CNaczynie::DopuszczalnaTemperatura, 3, 3, 2, General(4, 2, " [C]"),
           "Dopuszczalna_temperatura", General(4, 2)},
          {&CNaczynie::DopuszczalneCisnienie, 4, 4, 3, General(4, 2, " [bar]"),
           "Dopuszczalne_cisnienie", General(4, 2)},
          {&CNaczynie::CisnienieWstepne, 5, 5, 4, General(4, 2, " [bar]"), "Cisnienie_wstepne",
           General(4, 2)},
          {&CNaczynie::Pojemnosc, 6, 6, 5, General(4, 2, " [l]"), "Pojemnosc", General(4, 2)},
          {&CNaczynie::Cena, 7, 7, 6, Currency(6), "Cena_naczynia", General(8, 2)},
          {&CNaczynie::StronaProducenta, 8, 8, kNo, kNone, "Strona_producenta", Plain()},
          {&CNaczynie::Opis, 9, 9, kNo, kNone, "Opis", Plain()},
      }};
  return descriptor;
}

// The pump's price goes under the vessel's field name; the element name keeps them apart.
const Descriptor<CPompaObiegowa>& PompaFields() {
  static const Descriptor<CPompaObiegowa> descriptor{
      "Program nie posiada wskazanego modelu Pompy obiegowej.\nNajprawdopodobniej został on "
      "usunięty !!!",
      {
          {&CPompaObiegowa::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CPompaObiegowa::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CPompaObiegowa::Model, 2, 2, 1, Plain(), "Model", Plain()},
          {&CPompaObiegowa::MaksymalnaWysokosc, 3, 3, 2, General(4, 2, " [m]"),
           "Maksymalna_wysokosc", General(4, 2)},
          {&CPompaObiegowa::LiczbaZaworow, 4, 4, 3, Integer(), "Liczba_zaworow", Integer()},
          {&CPompaObiegowa::CisnienieZaworu, 5, 5, 4, General(4, 2, " [bar]"), "Cisnienie_zaworu",
           General(4, 2)},
          {&CPompaObiegowa::ZakresRegulacji, 6, 6, 5, Plain(" [litr/godzina]"), "Zakres_regulacji",
           Plain()},
          {&CPompaObiegowa::Cena, 7, 7, 6, Currency(6), "Cena_naczynia", General(8, 2)},
          {&CPompaObiegowa::StronaProducenta, 8, 8, kNo, kNone, "Strona_producenta", Plain()},
          {&CPompaObiegowa::Opis, 9, 9, kNo, kNone, "Opis", Plain()},
          {&CPompaObiegowa::Certyfikat, 10, 10, kNo, kNone, "Certyfikat", Plain()},
      }};
  return descriptor;
}

// A set file holds the catalogue row (its position 8, the origin flag, is skipped) and then the
// two thicknesses; the costs and the price are not in it and stay as they are.
const Descriptor<CIzolacja>& IzolacjaFields() {
  static const Descriptor<CIzolacja> descriptor{
      "Program nie posiada wskazanego modelu izolacji.\nNajprawdopodobniej został on usunięty !!!",
      {
          {&CIzolacja::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CIzolacja::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CIzolacja::Lambda, 2, 2, 1, General(2, 4), "Lambda", RoundTrip(2, 4)},
          {&CIzolacja::Material, 3, 3, 2, Plain(), "Material", Plain()},
          {&CIzolacja::Model, 4, 4, 3, Plain(), "Model", Plain()},
          {&CIzolacja::DopuszczalnaTemperatura, 5, 5, 4, General(4, 2, "  [° C]"),
           "Dopuszczalna_temperatura", General(4, 2)},
          {&CIzolacja::CenaIzolacjiZew, kNo, kNo, kNo, kNone, "Cena_izolacji_zew", General(4, 2)},
          {&CIzolacja::CenaIzolacjiWew, kNo, kNo, kNo, kNone, "Cena_izolacji_wew", General(4, 2)},
          {&CIzolacja::GruboscIzolacjiZew, kNo, 9, kNo, kNone, "Grubosc_izolacji_zew",
           General(4, 2)},
          {&CIzolacja::GruboscIzolacjiWew, kNo, 10, kNo, kNone, "Grubosc_izolacji_wew",
           General(4, 2)},
          {&CIzolacja::Cena, kNo, kNo, kNo, kNone, "Cena_izolacji", General(6, 2)},
          {&CIzolacja::StronaProducenta, 6, 6, kNo, kNone, "Strona_producenta", Plain()},
          {&CIzolacja::Opis, 7, 7, kNo, kNone, "Opis", Plain()},
      }};
  return descriptor;
}

// A project element ends with web page, description and price; the catalogue row and a set file
// with price, web page and description.
const Descriptor<CKonstrukcjaWsporcza>& KonstrukcjaFields() {
  static const Descriptor<CKonstrukcjaWsporcza> descriptor{
      "Program nie posiada wskazanego modelu Konstrukcji wsporczej.\nNajprawdopodobniej został on "
      "usunięty !!!",
      {
          {&CKonstrukcjaWsporcza::ID, 0, 0, kNo, kNone, "ID", Integer()},
          {&CKonstrukcjaWsporcza::NazwaProducenta, 1, 1, 0, Plain(), "Nazwa_producenta", Plain()},
          {&CKonstrukcjaWsporcza::Model, 2, 2, 1, Plain(), "Model", Plain()},
          {&CKonstrukcjaWsporcza::LiczbaKolektorow, 3, 3, 2, Plain(), "Liczba_kolektorow", Plain()},
          {&CKonstrukcjaWsporcza::TypKolektora, 4, 4, 3, Plain(), "Typ_kolektora", Plain()},
          {&CKonstrukcjaWsporcza::Nachylenie, 5, 5, 4, Plain(" [°]"), "Nachylenie", Plain()},
          {&CKonstrukcjaWsporcza::Nosnosc, 6, 6, 5, General(4, 2, " [kN]"), "Nosnosc",
           General(4, 2)},
          {&CKonstrukcjaWsporcza::MontazNaScianie, 7, 7, 6, Plain(), "Montaz_na_scianie", Plain()},
          {&CKonstrukcjaWsporcza::TypPokryciaDachu, 8, 8, 7, Plain(), "Typ_pokrycia_dachu",
           Plain()},
          {&CKonstrukcjaWsporcza::StronaProducenta, 10, 10, kNo, kNone, "Strona_producenta",
           Plain()},
          {&CKonstrukcjaWsporcza::Opis, 11, 11, kNo, kNone, "Opis", Plain()},
          {&CKonstrukcjaWsporcza::Cena, 9, 9, 8, Currency(6), "Cena_konstrukcji", General(8, 2)},
      }};
  return descriptor;
}

}  // namespace

#define VINDARGAST_DEVICE_OPERATIONS(Class, descriptor, elementName)                               \
  void Class::ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const {                   \
    ShowFields(*this, descriptor, grid, currency);                                                 \
  }                                                                                                \
  void Class::LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) { \
    LoadFields(*this, descriptor, rows, index, notifier);                                          \
  }                                                                                                \
  void Class::WriteToXml(xml::Element parent) const {                                              \
    WriteFields(*this, descriptor, parent, elementName);                                           \
  }                                                                                                \
  void Class::ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) {         \
    ReadFields(*this, descriptor, nodes, index, layout);                                           \
  }

VINDARGAST_DEVICE_OPERATIONS(CKolektor, KolektorFields(), "Kolektor")
// The first tank of a design is "Zasobnik", the second (and any tank not numbered 1) "Zasobnik1".
VINDARGAST_DEVICE_OPERATIONS(CZasobnik, ZasobnikFields(),
                             TankNumber == 1 ? "Zasobnik" : "Zasobnik1")
VINDARGAST_DEVICE_OPERATIONS(CSterownik, SterownikFields(), "Sterownik")
VINDARGAST_DEVICE_OPERATIONS(CNaczynie, NaczynieFields(), "Naczynie")
VINDARGAST_DEVICE_OPERATIONS(CPompaObiegowa, PompaFields(), "Pompa")
VINDARGAST_DEVICE_OPERATIONS(CIzolacja, IzolacjaFields(), "Izolacja")
VINDARGAST_DEVICE_OPERATIONS(CKonstrukcjaWsporcza, KonstrukcjaFields(), "Konstrukcja_wsporcza")
