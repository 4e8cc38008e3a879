// ReadFromXml of the seven device classes, in the project layout (0) and the set-file layout (1),
// on the elements of the input's root, as the project reader and the set loader hand them over.
// Bad input may raise only xml::Error or NumberConversionError, and then the device stays as it
// was. A device that read an element shows itself in its grid, and the element it writes into a
// saved project reads back into the same device: a project saved can always be opened again.
//
// Seeds reach: CKolektor::ReadFromXml, CZasobnik::ReadFromXml, CSterownik::ReadFromXml,
// Seeds reach: CNaczynie::ReadFromXml, CPompaObiegowa::ReadFromXml, CIzolacja::ReadFromXml,
// Seeds reach: CKonstrukcjaWsporcza::ReadFromXml
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cellgrid.h"
#include "engine/numtext.h"
#include "engine/urzadzenie.h"
#include "fuzz_support.h"

namespace {

// The readers hand over a root's children; a long list adds nothing but time.
constexpr int kMostElements = 24;

// What the device writes into a project element, as the saved text of a one-element document.
std::string Saved(const CUrzadzenie& device) {
  xml::Document document;
  device.WriteToXml(document.Create("vindargast"));
  return document.SaveText();
}

// The same without the save, for the many reads that fail.
std::string Written(const CUrzadzenie& device) {
  xml::Document document;
  device.WriteToXml(document.Create("vindargast"));
  return fuzz::Describe(document);
}

std::string GridTexts(const CUrzadzenie& device) {
  MemoryCellGrid grid(2, 13);  // the tank window's grid, the tallest
  device.ShowInGrid(grid, CurrencyFormat());
  std::string texts;
  for (int row = 0; row < grid.RowCount(); ++row) texts += grid.Cell(1, row) + "|";
  return texts;
}

template <class Device>
void ReadOne(const std::vector<xml::Element>& nodes, int index, int layout) {
  static const std::string fresh = Written(Device());
  Device device;
  try {
    device.ReadFromXml(nodes, index, layout);
  } catch (const xml::Error&) {
    fuzz::Expect(Written(device) == fresh, "a failed read changed the device");
    return;
  } catch (const NumberConversionError&) {
    fuzz::Expect(Written(device) == fresh, "a failed read changed the device");
    return;
  }
  GridTexts(device);

  // Save the device into a project and open it again.
  const std::string saved = Saved(device);
  xml::Document project;
  project.LoadText(saved);
  Device reopened;
  try {
    reopened.ReadFromXml(project.DocumentElement().Children(), 0, ProjectLayout);
  } catch (const std::exception& error) {
    fuzz::Fail(std::string("a saved device does not read back: ") + error.what() + "\n" + saved);
  }
  fuzz::Expect(Saved(reopened) == saved, "a saved device reads back otherwise:\n" + saved +
                                             "\nwrites again as\n" + Saved(reopened));
}

// The class that reads an element: by its name, as the project reader and the set loader find
// device elements; any other element by its position, so that every class meets every shape.
enum Kind { Collector, Tank, Controller, Vessel, Pump, Insulation, Structure, kKinds };

Kind KindOf(const std::string& name, int index) {
  if (name == "Kolektor") return Collector;
  if (name == "Zasobnik" || name == "Zasobnik1" || name == "Zasobnik2") return Tank;
  if (name == "Sterownik") return Controller;
  if (name == "Naczynie") return Vessel;
  if (name == "Pompa") return Pump;
  if (name == "Izolacja") return Insulation;
  if (name == "Konstrukcja_wsporcza" || name == "Konstrukcja") return Structure;
  return static_cast<Kind>(index % kKinds);
}

void Read(Kind kind, const std::vector<xml::Element>& nodes, int index, int layout) {
  switch (kind) {
    case Collector:
      return ReadOne<CKolektor>(nodes, index, layout);
    case Tank:
      return ReadOne<CZasobnik>(nodes, index, layout);
    case Controller:
      return ReadOne<CSterownik>(nodes, index, layout);
    case Vessel:
      return ReadOne<CNaczynie>(nodes, index, layout);
    case Pump:
      return ReadOne<CPompaObiegowa>(nodes, index, layout);
    case Insulation:
      return ReadOne<CIzolacja>(nodes, index, layout);
    case Structure:
    case kKinds:
      return ReadOne<CKonstrukcjaWsporcza>(nodes, index, layout);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  xml::Document document;
  try {
    document.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const xml::Error&) {
    return 0;
  }
  const std::vector<xml::Element> nodes = document.DocumentElement().Children();
  const int count = std::min(static_cast<int>(nodes.size()), kMostElements);
  for (int index = 0; index < count; ++index) {
    const Kind kind = KindOf(nodes[static_cast<size_t>(index)].Name(), index);
    Read(kind, nodes, index, ProjectLayout);
    Read(kind, nodes, index, SetFileLayout);
  }
  // A position past the end: the readers' own range check.
  Read(static_cast<Kind>(size % kKinds), nodes, static_cast<int>(nodes.size()), ProjectLayout);
  return 0;
}
