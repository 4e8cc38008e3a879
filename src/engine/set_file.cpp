#include "engine/set_file.h"

#include <utility>

#include "xml/atomic_file.h"

namespace setfile {

namespace {

constexpr const char* kInfoElement = "informacje";
constexpr const char* kOutdoorThicknessName = "Grubosc_zewnatrz";
constexpr const char* kIndoorThicknessName = "Grubosc_wewnatrz";
constexpr int kInfoFields = 9;

// The element names the readers take, with the position of the value the preview shows.
struct ElementView {
  const char* name;
  int displayPosition;
};
constexpr ElementView kElementViews[] = {
    {"Zasobnik1", 2}, {"Zasobnik2", 2}, {"Kolektor", 3}, {"Sterownik", 10},
    {"Naczynie", 2},  {"Pompa", 2},     {"Izolacja", 4}, {"Konstrukcja", 2},
};

void AppendField(xml::Element parent, const std::string& name, const std::string& text) {
  xml::Element field = parent.AppendChild("field");
  field.SetAttribute("name", name);
  field.SetText(text);
}

std::string FieldText(const std::vector<xml::Element>& fields, int position,
                      const xml::Element& owner) {
  if (position >= static_cast<int>(fields.size()))
    throw xml::Error("Element \"" + owner.Name() + "\" ma za mało pól: brak pola nr " +
                     std::to_string(position) + ".");
  return fields[position].Text();
}

// Reads the device element nodes[index] into a copy of the design's device of that kind; a name
// met twice is read twice, the later element winning.
template <class Device>
void ReadDevice(std::optional<Device>& slot, const Device& designDevice,
                const std::vector<xml::Element>& nodes, int index,
                std::vector<std::string>& models) {
  Device device = slot ? *slot : designDevice;
  device.ReadFromXml(nodes, index, SetFileLayout);
  models.push_back(device.Model);
  slot = std::move(device);
}

void ApplyTank(const CZasobnik& tank, float& diameter, float& height, float& insulation,
               float& pressureLoss, float& exchangerVolume, float& volume) {
  diameter = tank.SrednicaZasobnika;
  height = tank.WysokoscZasobnika;
  insulation = tank.GruboscIzolacji;
  pressureLoss = tank.StratyCisnienia;
  exchangerVolume = tank.PojemnoscWymiennika;
  volume = tank.PojemnoscZasobnika;
}

}  // namespace

std::string PriceText(float price) {
  // Six digits at least, and as many more as the price needs to read back as the price the
  // set's author typed (12345.67, not 12345.7).
  std::string text = StoredFloatText(price, 6);
  // The set format signs a positive exponent too ("1.23457E+06").
  const size_t exponent = text.find('E');
  if (exponent != std::string::npos && text.compare(exponent + 1, 1, "-") != 0)
    text.insert(exponent + 1, "+");
  return text;
}

std::string SetFileBytes(const xml::Document& document) {
  const std::string text = document.SaveText();
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    // A line break inside a text is written by the serializer as a bare LF too; a reader
    // takes CR LF back as LF, so the description reads back as it was typed.
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return bytes;
}

void SaveSetFile(const xml::Document& document, const std::string& path) {
  xml::WriteFileAtomically(path, SetFileBytes(document));
}

void BuildSetDocument(xml::Document& document, const CZestaw& set,
                      const std::vector<SetDevice>& devices, const std::string& outdoorThickness,
                      const std::string& indoorThickness, const std::string& description) {
  document.SetIndentString("\t");
  document.SetAutoIndent(true);
  xml::Element root = document.Create(kRootName, kEncoding);
  xml::Element info = root.AppendChild(kInfoElement);
  AppendField(info, "Cena_zestawu", PriceText(set.CenaZestawu));
  AppendField(info, "Nazwa_zestawu", set.NazwaZestawu);
  AppendField(info, "Producent", set.Producent);
  AppendField(info, "Telefon", set.Telefon);
  AppendField(info, "Email", set.Email);
  AppendField(info, "Strona_www", set.StronaWww);
  AppendField(info, "Liczba_kolektorow", std::to_string(set.LiczbaKolektorow));
  AppendField(info, "Liczba_zasobnikow", std::to_string(set.LiczbaZasobnikow));
  AppendField(info, "Opis_zestawu", description);

  int tankNumber = 1;
  for (const SetDevice& device : devices) {
    if (!device.columnNames || device.columnNames->empty() ||
        device.row.size() < device.columnNames->size())
      throw xml::Error("Brak urządzenia \"" + device.element + "\" w zestawie.");
    std::string name = device.element;
    if (name == "Zasobnik") name += std::to_string(tankNumber++);
    xml::Element element = root.AppendChild(name);
    for (size_t col = 0; col < device.columnNames->size(); ++col)
      AppendField(element, (*device.columnNames)[col], device.row[col]);
    if (device.element == "Izolacja") {
      AppendField(element, kOutdoorThicknessName, outdoorThickness);
      AppendField(element, kIndoorThicknessName, indoorThickness);
    }
  }
}

bool IsValidSetName(const std::string& name) {
  if (name.empty() || name.front() == '.') return false;
  for (unsigned char c : name)
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
  return true;
}

std::string SetFilePath(const std::string& name) {
  return std::string(kFolder) + "/" + name + ".xml";
}

bool IsSetDocument(const xml::Document& document) {
  return document.IsLoaded() && document.DocumentElement().Name() == kRootName;
}

SetPreview ReadSetPreview(const xml::Document& document) {
  const xml::Element root = document.DocumentElement();
  const xml::Element info = root.Child(0);
  const std::vector<xml::Element> infoFields = info.Children();
  SetPreview preview;
  for (int i = 0; i < kInfoFields; ++i) preview.info[i] = FieldText(infoFields, i, info);
  const std::vector<xml::Element> nodes = root.Children();
  for (size_t index = 1; index < nodes.size(); ++index) {
    const std::string name = nodes[index].Name();
    for (const ElementView& view : kElementViews) {
      if (name != view.name) continue;
      preview.devices.push_back(
          FieldText(nodes[index].Children(), view.displayPosition, nodes[index]));
    }
  }
  return preview;
}

LoadedSet ReadSet(const xml::Document& document, const CVindargast2& design) {
  const xml::Element root = document.DocumentElement();
  const xml::Element info = root.Child(0);
  const std::vector<xml::Element> infoFields = info.Children();
  LoadedSet set;
  for (size_t i = 0; i < set.texts.size(); ++i)
    set.texts[i] = FieldText(infoFields, static_cast<int>(i), info);
  set.collectors = ReadInt(FieldText(infoFields, 6, info));
  set.tanks = ReadInt(FieldText(infoFields, 7, info));
  set.price = ReadFloat(set.texts[0]);

  const std::vector<xml::Element> nodes = root.Children();
  for (size_t i = 1; i < nodes.size(); ++i) {
    const int index = static_cast<int>(i);
    const std::string name = nodes[i].Name();
    if (name == "Zasobnik1")
      ReadDevice(set.tank1, *design.SelectedTank, nodes, index, set.models);
    else if (name == "Zasobnik2")
      ReadDevice(set.tank2, *design.SelectedTank2, nodes, index, set.models);
    else if (name == "Kolektor")
      ReadDevice(set.collector, *design.SelectedCollector, nodes, index, set.models);
    else if (name == "Sterownik")
      ReadDevice(set.controller, *design.SelectedController, nodes, index, set.models);
    else if (name == "Naczynie")
      ReadDevice(set.vessel, *design.SelectedVessel, nodes, index, set.models);
    else if (name == "Pompa")
      ReadDevice(set.pump, *design.SelectedPump, nodes, index, set.models);
    else if (name == "Izolacja")
      ReadDevice(set.insulation, *design.SelectedInsulation, nodes, index, set.models);
    else if (name == "Konstrukcja")
      ReadDevice(set.structure, *design.SelectedStructure, nodes, index, set.models);
  }
  return set;
}

void ApplySet(const LoadedSet& set, CVindargast2& design) {
  design.LiczbaKolektorow = set.collectors;
  design.LiczbaZasobnikow = set.tanks;
  design.CenaZestawu = set.price;
  if (set.tank1) {
    *design.SelectedTank = *set.tank1;
    ApplyTank(*set.tank1, design.Tank1Diameter, design.Tank1Height, design.Tank1InsulationThickness,
              design.Tank1PressureLoss, design.Tank1ExchangerVolume, design.Tank1Volume);
    design.CenaZasobnik = 0;
  }
  if (set.tank2) {
    *design.SelectedTank2 = *set.tank2;
    ApplyTank(*set.tank2, design.Tank2Diameter, design.Tank2Height, design.Tank2InsulationThickness,
              design.Tank2PressureLoss, design.Tank2ExchangerVolume, design.Tank2Volume);
    design.Tank2Price = 0;
  }
  if (set.collector) {
    const CKolektor& c = *set.collector;
    *design.SelectedCollector = c;
    design.CenaKolektory = 0;
    design.CollectorArea = c.PowierzchniaKolektora;
    design.CollectorK1 = c.WspolczynnikLiniowy;
    design.CollectorK2 = c.WspolczynnikKwadratowy;
    design.CollectorEta0 = c.SprawnoscOptyczna;
    design.CollectorUnitFlow = c.JednostkoweNatezenie;
    design.CollectorUnitPressureDrop = c.JednostkoweCisnienie;
    design.CollectorAbsorberVolume = c.PojemnoscAbsorbera;
  }
  if (set.controller) {
    *design.SelectedController = *set.controller;
    design.CenaSterownik = 0;
  }
  if (set.vessel) {
    *design.SelectedVessel = *set.vessel;
    design.CenaNaczynie = 0;
  }
  if (set.pump) {
    *design.SelectedPump = *set.pump;
    design.CenaPompa = 0;
  }
  if (set.insulation) {
    const CIzolacja& i = *set.insulation;
    *design.SelectedInsulation = i;
    design.InsulationLambda = i.Lambda;
    design.OutdoorInsulationThickness = i.GruboscIzolacjiZew;
    design.IndoorInsulationThickness = i.GruboscIzolacjiWew;
    design.InsulationCost = 0;
  }
  if (set.structure) {
    *design.SelectedStructure = *set.structure;
    design.CenaInne = 0;
  }
  design.SetPriceMode = 1;
}

}  // namespace setfile
