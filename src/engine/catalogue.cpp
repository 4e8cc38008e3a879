#include "engine/catalogue.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/numtext.h"
#include "xml/record_reader.h"

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

// The column names of the first record, all of them or its first count. One walk over the
// fields: taking each by position would walk the list from its start every time.
std::vector<std::string> FirstRecordNames(xml::Document& document, const std::string& fileName,
                                          int32_t count = -1) {
  xml::Element first = FirstRecord(document, fileName);
  const std::vector<xml::Element> fields = first.Children();
  if (count < 0) count = static_cast<int32_t>(fields.size());
  std::vector<std::string> names;
  for (int32_t k = 0; k < count; ++k) {
    if (static_cast<size_t>(k) >= fields.size()) first.Child(k);  // the index error
    names.push_back(FieldName(fields[static_cast<size_t>(k)]));
  }
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

[[noreturn]] void IndexError(int32_t index, const std::string& elementName) {
  throw xml::Error("Indeks listy poza zakresem (" + std::to_string(index) + ") w elemencie <" +
                   elementName + ">");
}

// Every reading operation leaves its document inactive, named after the file it read.
void ReadCatalogue(xml::Document& document, const std::string& fileName,
                   xml::RecordVisitor& visitor) {
  document.Close();
  document.SetFileName(fileName);
  xml::ReadRecords(fileName, visitor);
}

// Collects the "name" attributes of the first record's fields.
class NamesReader : public xml::RecordVisitor {
 public:
  void BeginRecord(int, std::string_view) override { ++records; }
  bool WantsField(int record, int) override { return record == 0 && names_; }
  bool WantsFieldName(int record) override { return record == 0; }
  void Field(int, int, std::string, const std::optional<std::string>& name) override {
    if (name) {
      names.push_back(*name);
    } else {
      missingName = true;
    }
  }
  void EndRecord(int, int) override {}
  // A record without "name" on one of its fields cannot lend its names to new records.
  void CheckNames() const {
    if (missingName) throw CatalogueError("Pole rekordu nie ma atrybutu \"name\"");
  }

  int32_t records = 0;
  std::vector<std::string> names;
  bool missingName = false;

 protected:
  bool names_ = true;  // whether the first record's names are gathered
};

// Reads the file straight into a fresh table of columnCount columns: one row per record, the
// fields read up to the first record's count (a record with fewer fails at its first missing
// one, as a positional read would), those beyond the table's columns dropped.
class TableReader : public NamesReader {
 public:
  TableReader(int32_t columnCount, bool withNames) : table(columnCount) { names_ = withNames; }

  void BeginRecord(int record, std::string_view name) override {
    NamesReader::BeginRecord(record, name);
    if (record == 0) return;  // its row is made once its fields are counted
    recordName_ = name;
    table.Rows.emplace_back(static_cast<size_t>(table.ColumnCount));
  }
  bool WantsField(int record, int field) override {
    return record == 0 || (field < firstCount_ && field < table.ColumnCount);
  }
  void Field(int record, int field, std::string text,
             const std::optional<std::string>& name) override {
    if (record == 0) {
      first_.push_back(std::move(text));
      if (names_) NamesReader::Field(record, field, std::string(), name);
      return;
    }
    table.Rows.back()[static_cast<size_t>(field)] = std::move(text);
  }
  void EndRecord(int record, int fieldCount) override {
    if (record == 0) {
      // The first record sets the number of fields read from every record.
      firstCount_ = fieldCount;
      std::vector<std::string> row(static_cast<size_t>(table.ColumnCount));
      for (int32_t j = 0; j < std::min<int32_t>(fieldCount, table.ColumnCount); ++j)
        row[static_cast<size_t>(j)] = std::move(first_[static_cast<size_t>(j)]);
      first_.clear();
      table.Rows.push_back(std::move(row));
    } else if (fieldCount < std::min<int32_t>(firstCount_, table.ColumnCount)) {
      IndexError(fieldCount, recordName_);
    }
    table.RowCount = static_cast<int32_t>(table.Rows.size());
  }

  CCatalogueTable table;

 private:
  int32_t firstCount_ = 0;
  std::string recordName_;
  std::vector<std::string> first_;
};

// The largest id (field 0 as an integer) of all records.
class IdReader : public xml::RecordVisitor {
 public:
  void BeginRecord(int, std::string_view name) override {
    ++records;
    recordName_ = name;
    id_.reset();
  }
  bool WantsField(int, int field) override { return field == 0; }
  void Field(int, int, std::string text, const std::optional<std::string>&) override {
    id_ = std::move(text);
  }
  void EndRecord(int record, int) override {
    if (!id_) IndexError(0, recordName_);
    const int32_t id = ReadInt(*id_);
    largest = record == 0 ? id : std::max(largest, id);
  }

  int32_t records = 0;
  int32_t largest = 0;

 private:
  std::string recordName_;
  std::optional<std::string> id_;
};

// All records' field texts, for the positional load into rows given by the caller.
struct FileRecords {
  std::string rootName;
  int32_t records = 0;
  int32_t firstFieldCount = 0;
  std::vector<std::string> recordNames;
  CatalogueRows texts;
};

FileRecords ReadFileRecords(xml::Document& document, const std::string& fileName, bool countOnly) {
  struct Reader : xml::RecordVisitor {
    FileRecords file;
    bool countOnly = false;
    void BeginRecord(int, std::string_view name) override {
      ++file.records;
      if (countOnly) return;
      file.recordNames.emplace_back(name);
      file.texts.emplace_back();
    }
    bool WantsField(int, int) override { return !countOnly; }
    void Field(int, int, std::string text, const std::optional<std::string>&) override {
      file.texts.back().push_back(std::move(text));
    }
    void EndRecord(int record, int fieldCount) override {
      if (record == 0) file.firstFieldCount = fieldCount;
    }
    void End(std::string_view rootName, int) override { file.rootName = rootName; }
  } reader;
  reader.countOnly = countOnly;
  ReadCatalogue(document, fileName, reader);
  return std::move(reader.file);
}

}  // namespace

void LoadCatalogue(xml::Document& document, CatalogueRows& rows, int32_t rowCount,
                   const std::string& fileName) {
  const FileRecords file = ReadFileRecords(document, fileName, false);
  if (rowCount <= 0) return;
  const int32_t count = file.firstFieldCount;
  for (int32_t i = 0; i < rowCount; ++i) {
    if (i >= file.records) IndexError(i, file.rootName);
    const std::vector<std::string>& fields = file.texts[static_cast<size_t>(i)];
    std::vector<std::string>& row = rows.at(static_cast<size_t>(i));
    // Fields beyond the row's columns are dropped: a row never grows past ColumnCount.
    const int32_t columns = std::min<int32_t>(count, static_cast<int32_t>(row.size()));
    for (int32_t j = 0; j < columns; ++j) {
      if (static_cast<size_t>(j) >= fields.size())
        IndexError(j, file.recordNames[static_cast<size_t>(i)]);
      row[static_cast<size_t>(j)] = fields[static_cast<size_t>(j)];
    }
  }
}

int32_t CountCatalogueRows(xml::Document& document, const std::string& fileName) {
  return ReadFileRecords(document, fileName, true).records;
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
  NamesReader reader;
  ReadCatalogue(document, document.FileName(), reader);
  if (reader.records == 0)
    throw CatalogueError("Plik katalogu " + document.FileName() + " nie zawiera żadnego rekordu");
  reader.CheckNames();
  names = std::move(reader.names);
}

int32_t LargestCatalogueId(xml::Document& document) {
  IdReader reader;
  ReadCatalogue(document, document.FileName(), reader);
  if (reader.records == 0)
    throw CatalogueError("Plik katalogu " + document.FileName() + " nie zawiera żadnego rekordu");
  return reader.largest;
}

void LoadCatalogueTable(xml::Document& document, CCatalogueTable& table,
                        const std::string& fileName, std::vector<std::string>* columnNames) {
  TableReader reader(table.ColumnCount, columnNames != nullptr);
  ReadCatalogue(document, fileName, reader);
  std::swap(table, reader.table);
  if (!columnNames) return;
  // As a separate reading of the names after the load would: the table is in, a first record
  // without names is refused.
  columnNames->clear();
  if (reader.records == 0) return;
  reader.CheckNames();
  *columnNames = std::move(reader.names);
}

CatalogueListing ReadCatalogueListing(const std::string& fileName, int32_t listColumn,
                                      int32_t flagColumn) {
  class Reader : public xml::RecordVisitor {
   public:
    Reader(int32_t listColumn, int32_t flagColumn)
        : listColumn_(listColumn), flagColumn_(flagColumn) {}
    void BeginRecord(int, std::string_view name) override {
      recordName_ = name;
      text_.reset();
      id_.clear();
      vendor_ = false;
    }
    bool WantsField(int, int field) override {
      return !listing.error && (field == 0 || field == listColumn_ || field == flagColumn_);
    }
    void Field(int, int field, std::string text, const std::optional<std::string>&) override {
      if (field == 0) id_ = text;
      if (field == flagColumn_) {
        try {
          vendor_ = ReadInt(text) == 1;
        } catch (const NumberConversionError&) {
          vendor_ = false;
        }
      }
      if (field == listColumn_) text_ = std::move(text);
    }
    void EndRecord(int, int) override {
      if (listing.error) return;
      if (!text_) {
        listing.error = "Indeks listy poza zakresem (" + std::to_string(listColumn_) +
                        ") w elemencie <" + recordName_ + ">";
        return;
      }
      listing.texts.push_back(std::move(*text_));
      listing.ids.push_back(std::move(id_));
      listing.vendor.push_back(vendor_);
    }

    CatalogueListing listing;

   private:
    int32_t listColumn_;
    int32_t flagColumn_;
    std::string recordName_;
    std::optional<std::string> text_;
    std::string id_;
    bool vendor_ = false;
  } reader(listColumn, flagColumn);
  xml::ReadRecords(fileName, reader);
  return std::move(reader.listing);
}

std::optional<std::vector<std::string>> ReadCatalogueRecord(const std::string& fileName,
                                                            int32_t index) {
  struct Reader : xml::RecordVisitor {
    int32_t index = 0;
    std::optional<std::vector<std::string>> record;
    void BeginRecord(int number, std::string_view) override {
      if (number == index) record.emplace();
    }
    bool WantsField(int number, int) override { return number == index; }
    void Field(int, int, std::string text, const std::optional<std::string>&) override {
      record->push_back(std::move(text));
    }
    void EndRecord(int, int) override {}
  } reader;
  reader.index = index;
  xml::ReadRecords(fileName, reader);
  return std::move(reader.record);
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
