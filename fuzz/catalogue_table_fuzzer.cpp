// The catalogue table load and its friends, on one catalogue file per input: the table load of
// start-up and of the editors, the column names, the largest id, the user rows, a device taken
// from every kind of row, and the two appends of the editors and the catalogue update followed by
// a reload. Bad input may raise only the documented errors (xml::Error, CatalogueError,
// NumberConversionError); a failed load leaves the table as it was, and a file the program has
// appended to loads again with the new rows.
//
// Seeds reach: LoadCatalogueTable, CCatalogues::ComputeDeviceCount
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "engine/urzadzenie.h"
#include "fuzz_support.h"

namespace {

const std::string& CatalogueFile() {
  static const std::string path = (fuzz::ScratchFolder() / "katalog.xml").string();
  return path;
}

void CheckShape(const CCatalogueTable& table) {
  fuzz::Expect(table.RowCount >= 0 && table.Rows.size() == static_cast<size_t>(table.RowCount),
               "RowCount differs from the rows held");
  for (const auto& row : table.Rows)
    fuzz::Expect(row.size() == static_cast<size_t>(table.ColumnCount), "row of the wrong width");
}

// Loads the file into a table of the given width; false when the file is refused, in which case
// the table must still hold what it held.
bool Load(xml::Document& document, CCatalogueTable& table) {
  const CatalogueRows before = table.Rows;
  const int32_t rowCount = table.RowCount;
  try {
    LoadCatalogueTable(document, table, CatalogueFile());
  } catch (const xml::Error&) {
    fuzz::Expect(table.Rows == before && table.RowCount == rowCount, "failed load changed table");
    return false;
  }
  CheckShape(table);
  return true;
}

// A selection window takes a row: it sets the id it expects, and the device takes that row, or
// row 0 with one notice when the ids differ or the row is not there.
template <class Device>
void Take(const CCatalogueTable& table, int index, int32_t id) {
  Device device;
  device.ID = id;
  fuzz::CountingNotifier notifier;
  try {
    device.LoadFromCatalogue(table.Rows, index, notifier);
  } catch (const NumberConversionError&) {
  } catch (const CatalogueError&) {
  }
  fuzz::Expect(notifier.count <= 1, "more than one notice for one row");
}

void TakeRows(const CCatalogueTable& table) {
  for (int index : {0, 1, table.RowCount - 1, table.RowCount, -1}) {
    int32_t id = 7;
    if (index >= 0 && index < table.RowCount) {
      try {
        id = ReadInt(table.Rows[static_cast<size_t>(index)][0]);
      } catch (const NumberConversionError&) {
      }
    }
    Take<CKolektor>(table, index, id);
    Take<CZasobnik>(table, index, id);
    Take<CSterownik>(table, index, id);
    Take<CNaczynie>(table, index, id);
    Take<CPompaObiegowa>(table, index, id);
    Take<CIzolacja>(table, index, id);
    Take<CKonstrukcjaWsporcza>(table, index, id);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::WriteWholeFile(CatalogueFile(),
                       std::string_view(reinterpret_cast<const char*>(data), size));

  // One of the eleven catalogues' widths, so that files both wider and narrower than the table
  // are met.
  CCatalogues catalogues;
  const CCatalogues::Entry& entry = CCatalogues::Files[size % CCatalogues::Files.size()];
  CCatalogueTable& table = catalogues.*entry.table;
  table.Rows.assign(1, std::vector<std::string>(static_cast<size_t>(table.ColumnCount), "stary"));
  table.RowCount = 1;

  xml::Document document;
  if (!Load(document, table)) return 0;
  catalogues.ComputeDeviceCount();
  catalogues.BuildProducerLists();

  std::vector<std::string> names;
  try {
    ReadCatalogueColumnNames(document, names);
  } catch (const xml::Error&) {
  } catch (const CatalogueError&) {
  }
  int32_t largest = 0;
  try {
    largest = LargestCatalogueId(document);
  } catch (const xml::Error&) {
  } catch (const NumberConversionError&) {
  } catch (const CatalogueError&) {
  }

  const int32_t flagColumn = table.ColumnCount - 1;
  try {
    const int32_t users = CountUserRows(table.Rows, table.RowCount, flagColumn);
    fuzz::Expect(users >= 0 && users <= table.RowCount, "user rows out of range");
    CatalogueRows copied(static_cast<size_t>(users));
    CopyUserRows(table.Rows, copied, users, table.RowCount, table.ColumnCount, flagColumn);
    for (const auto& row : copied)
      fuzz::Expect(ReadInt(row[static_cast<size_t>(flagColumn)]) == 0, "copied a vendor row");
  } catch (const NumberConversionError&) {
  }

  TakeRows(table);

  // The editors append one record; the catalogue update appends the user's rows again. Either
  // one per input: each loads, saves and reloads the whole file.
  if (table.RowCount == 0) return 0;
  std::vector<std::string> values = table.Rows[0];
  values[0] = std::to_string(static_cast<int64_t>(largest) + 1);
  values[static_cast<size_t>(flagColumn)] = "0";
  const int32_t rowsBefore = table.RowCount;
  if (size % 2 == 0) {
    try {
      AppendCatalogueRow(document, CatalogueFile(), values, table.ColumnCount);
    } catch (const xml::Error&) {
      return 0;
    } catch (const CatalogueError&) {
      return 0;
    }
    fuzz::Expect(Load(document, table), "a catalogue appended to does not load again");
    fuzz::Expect(table.RowCount == rowsBefore + 1, "appended record not counted");
    fuzz::Expect(table.Rows.back() == values, "appended record reads back otherwise");
    return 0;
  }
  CatalogueRows update{values, values};
  try {
    AppendCatalogueRows(document, CatalogueFile(), update, 2);
  } catch (const xml::Error&) {
    return 0;
  } catch (const CatalogueError&) {
    return 0;
  } catch (const NumberConversionError&) {
    return 0;
  }
  fuzz::Expect(Load(document, table), "a catalogue updated does not load again");
  fuzz::Expect(table.RowCount == rowsBefore + 2, "updated records not counted");
  // The rows carry the ids the file gave them; the records have the first record's width, so a
  // table wider than the file reads empty texts beyond it.
  const std::optional<std::vector<std::string>> first = ReadCatalogueRecord(CatalogueFile(), 0);
  fuzz::Expect(first.has_value(), "an updated catalogue lost its first record");
  const size_t width = first->size();
  std::vector<std::string> expected = update[1];
  for (size_t j = width; j < expected.size(); ++j) expected[j].clear();
  fuzz::Expect(table.Rows.back() == expected, "updated record reads back otherwise");
  return 0;
}
