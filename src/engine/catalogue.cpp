#include "engine/catalogue.h"

#include <algorithm>
#include <cstdint>

#include "engine/numtext.h"

namespace {

// A record without "name" on one of its fields cannot lend its names to new records.
std::string FieldName(const xml::Element& field) {
  auto name = field.Attribute("name");
  if (!name) throw CatalogueError("Pole rekordu nie ma atrybutu \"name\"");
  return *name;
}

xml::Element FirstRecord(xml::Document& document, const std::string& fileName) {
  xml::Element root = document.DocumentElement();
  if (root.ChildCount() == 0)
    throw CatalogueError("Plik katalogu " + fileName + " nie zawiera żadnego rekordu");
  return root.Child(0);
}

// The column names of the first record, all of them or its first count.
std::vector<std::string> FirstRecordNames(xml::Document& document, const std::string& fileName,
                                          int32_t count = -1) {
  xml::Element first = FirstRecord(document, fileName);
  if (count < 0) count = first.ChildCount();
  std::vector<std::string> names;
  for (int32_t k = 0; k < count; ++k) names.push_back(FieldName(first.Child(k)));
  return names;
}

// The largest id of a loaded catalogue document.
int32_t LargestId(xml::Document& document) {
  FirstRecord(document, document.FileName());
  int32_t largest = 0;
  bool any = false;
  for (const xml::Element& record : document.DocumentElement().Children()) {
    int32_t id = ReadInt(record.Child(0).Text());
    largest = any ? std::max(largest, id) : id;
    any = true;
  }
  return largest;
}

void AppendRecord(xml::Element root, const std::vector<std::string>& names,
                  const std::vector<std::string>& values) {
  xml::Element record = root.AppendChild("row");
  for (size_t k = 0; k < names.size(); ++k) {
    xml::Element field = record.AppendChild("field");
    field.SetAttribute("name", names[k]);
    field.SetText(k < values.size() ? values[k] : std::string());
  }
}

}  // namespace

void LoadCatalogue(xml::Document& document, CatalogueRows& rows, int32_t rowCount,
                   const std::string& fileName) {
  document.LoadFile(fileName);
  xml::Element root = document.DocumentElement();
  if (rowCount <= 0) return;
  const int32_t count = root.Child(0).ChildCount();
  // Walk the child lists once: indexing a child by position walks the list from its start, which
  // made large catalogues load in quadratic time. A missing record or field still fails through
  // Child(), with its index error.
  const std::vector<xml::Element> records = root.Children();
  for (int32_t i = 0; i < rowCount; ++i) {
    if (static_cast<size_t>(i) >= records.size()) root.Child(i);
    const std::vector<xml::Element> fields = records[static_cast<size_t>(i)].Children();
    std::vector<std::string>& row = rows.at(static_cast<size_t>(i));
    // Fields beyond the row's columns are dropped: a row never grows past ColumnCount.
    const int32_t columns = std::min<int32_t>(count, static_cast<int32_t>(row.size()));
    for (int32_t j = 0; j < columns; ++j) {
      if (static_cast<size_t>(j) >= fields.size()) records[static_cast<size_t>(i)].Child(j);
      row[static_cast<size_t>(j)] = fields[static_cast<size_t>(j)].Text();
    }
  }
}

int32_t CountCatalogueRows(xml::Document& document, const std::string& fileName) {
  document.LoadFile(fileName);
  return document.DocumentElement().ChildCount();
}

int32_t CountUserRows(const CatalogueRows& rows, int32_t rowCount, int32_t flagColumn) {
  int32_t count = 0;
  for (int32_t i = 0; i < rowCount; ++i)
    if (ReadInt(rows.at(static_cast<size_t>(i)).at(static_cast<size_t>(flagColumn))) == 0) ++count;
  return count;
}

void CopyUserRows(const CatalogueRows& source, CatalogueRows& destination, int32_t capacity,
                  int32_t rowCount, int32_t columnCount, int32_t flagColumn) {
  int32_t copied = 0;
  for (int32_t i = 0; i < rowCount && copied < capacity; ++i) {
    const std::vector<std::string>& row = source.at(static_cast<size_t>(i));
    if (ReadInt(row.at(static_cast<size_t>(flagColumn))) != 0) continue;
    std::vector<std::string>& target = destination.at(static_cast<size_t>(copied++));
    if (target.size() < static_cast<size_t>(columnCount)) target.resize(columnCount);
    for (int32_t j = 0; j < columnCount; ++j)
      target[static_cast<size_t>(j)] = row.at(static_cast<size_t>(j));
  }
}

void AppendCatalogueRows(xml::Document& document, const std::string& fileName, CatalogueRows& rows,
                         int32_t rowCount) {
  document.SetIndentString("   ");
  document.SetAutoIndent(true);
  document.LoadFile(fileName);
  xml::Element root = document.DocumentElement();
  const std::vector<std::string> names = FirstRecordNames(document, fileName);
  // Numbered on from the record count, as a freshly downloaded catalogue expects; the largest id
  // takes over when the file's ids have gaps, so that no id is ever given twice.
  const int32_t existing = root.ChildCount();
  const int64_t first = static_cast<int64_t>(std::max(existing, LargestId(document))) + 1;
  if (rowCount < 0 || static_cast<size_t>(rowCount) > rows.size())
    throw xml::Error("Indeks listy poza zakresem (" + std::to_string(rowCount) + ")");
  // Ids are 32-bit integers: a file whose ids already reach the largest one has none left to
  // give, and an id beyond it would make the catalogue's ids unreadable from then on.
  if (first + rowCount - 1 > INT32_MAX)
    throw CatalogueError("Plik katalogu " + fileName + " nie ma wolnych numerów rekordów");
  std::vector<std::string> ids;
  for (int32_t j = 0; j < rowCount; ++j) {
    std::vector<std::string> values = rows[static_cast<size_t>(j)];
    ids.push_back(std::to_string(first + j));
    if (values.empty()) values.resize(1);
    values[0] = ids.back();
    AppendRecord(root, names, values);
  }
  document.SaveFile(fileName);
  // The callers see the new ids only once the file holds them.
  for (int32_t j = 0; j < rowCount; ++j) {
    std::vector<std::string>& row = rows[static_cast<size_t>(j)];
    if (row.empty()) row.resize(1);
    row[0] = ids[static_cast<size_t>(j)];
  }
}

void AppendCatalogueRow(xml::Document& document, const std::string& fileName,
                        const std::vector<std::string>& values, int32_t columnCount) {
  document.SetIndentString("  ");
  document.LoadFile(fileName);
  xml::Element root = document.DocumentElement();
  const std::vector<std::string> names = FirstRecordNames(document, fileName, columnCount);
  if (values.size() < static_cast<size_t>(columnCount))
    throw xml::Error("Indeks listy poza zakresem (" + std::to_string(values.size()) + ")");
  AppendRecord(root, names, values);
  document.SaveFile(fileName);
}

void ReadCatalogueColumnNames(xml::Document& document, std::vector<std::string>& names) {
  names.clear();
  document.LoadFile(document.FileName());
  names = FirstRecordNames(document, document.FileName());
}

int32_t LargestCatalogueId(xml::Document& document) {
  document.LoadFile(document.FileName());
  return LargestId(document);
}

void LoadCatalogueTable(xml::Document& document, CCatalogueTable& table,
                        const std::string& fileName) {
  CCatalogueTable fresh(table.ColumnCount);
  fresh.RowCount = CountCatalogueRows(document, fileName);
  fresh.Rows.assign(static_cast<size_t>(fresh.RowCount),
                    std::vector<std::string>(static_cast<size_t>(fresh.ColumnCount)));
  LoadCatalogue(document, fresh.Rows, fresh.RowCount, fileName);
  std::swap(table, fresh);
}

// ---------------------------------------------------------------- the eleven catalogues

const std::array<CCatalogues::Entry, 11> CCatalogues::Files = {{
    {"Dane/miasta.xml", &CCatalogues::CityCatalogue, nullptr},
    {"Dane/zasobnik.xml", &CCatalogues::TankCatalogue, &CCatalogues::TankColumnNames},
    {"Dane/kolektor.xml", &CCatalogues::CollectorCatalogue, &CCatalogues::CollectorColumnNames},
    {"Dane/sterownik.xml", &CCatalogues::ControllerCatalogue, &CCatalogues::ControllerColumnNames},
    {"Dane/naczynie.xml", &CCatalogues::VesselCatalogue, &CCatalogues::VesselColumnNames},
    {"Dane/pompy.xml", &CCatalogues::PumpCatalogue, &CCatalogues::PumpColumnNames},
    {"Dane/izolacja.xml", &CCatalogues::InsulationCatalogue, &CCatalogues::InsulationColumnNames},
    {"Dane/grubosci.xml", &CCatalogues::ThicknessCatalogue, nullptr},
    {"Dane/paliwa1.xml", &CCatalogues::FuelCatalogue, nullptr},
    {"Dane/konstrukcje.xml", &CCatalogues::StructureCatalogue, &CCatalogues::StructureColumnNames},
    {"Dane/producenci.xml", &CCatalogues::ProducerCatalogue, nullptr},
}};

CCatalogues::CCatalogues() = default;

void CCatalogues::ComputeDeviceCount() {
  DeviceCount = TankCatalogue.RowCount + CollectorCatalogue.RowCount +
                ControllerCatalogue.RowCount + VesselCatalogue.RowCount + PumpCatalogue.RowCount +
                InsulationCatalogue.RowCount + StructureCatalogue.RowCount;
}

void CCatalogues::BuildProducerLists() {
  ProducerLists.clear();
  for (int32_t i = 0; i < ProducerCatalogue.RowCount; ++i)
    ProducerLists.push_back(ProducerCatalogue.Rows[static_cast<size_t>(i)]);
}
