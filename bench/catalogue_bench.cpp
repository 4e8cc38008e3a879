// Loading the eleven catalogues, one benchmark per table: a generated 10 000-row collector file,
// a 2 000-row city file and 100 rows for every other catalogue.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/catalogue.h"
#include "temp_dir.h"

namespace {

int RowsOf(const std::string& fileName) {
  if (fileName == "Dane/kolektor.xml") return 10000;
  if (fileName == "Dane/miasta.xml") return 2000;
  return 100;
}

std::string Generate(int rows, int columns) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<katalog>\n";
  for (int i = 1; i <= rows; ++i) {
    text += "  <row>\n";
    for (int j = 0; j < columns; ++j) {
      std::string value = j == 0 ? std::to_string(i) : j == columns - 1 ? "1" : "12.75";
      text += "    <field name=\"kolumna_" + std::to_string(j) + "\">" + value + "</field>\n";
    }
    text += "  </row>\n";
  }
  return text + "</katalog>\n";
}

// One folder of generated catalogues for the whole run.
const TempDir& Folder() {
  static std::unique_ptr<TempDir> dir = [] {
    auto d = std::make_unique<TempDir>();
    CCatalogues sizes;
    for (const CCatalogues::Entry& entry : CCatalogues::Files)
      d->Write(entry.fileName, Generate(RowsOf(entry.fileName), (sizes.*entry.table).ColumnCount));
    return d;
  }();
  return *dir;
}

void LoadTable(benchmark::State& state, const CCatalogues::Entry& entry) {
  const std::string path = Folder().File(entry.fileName);
  CCatalogues catalogues;
  xml::Document doc;
  for (auto _ : state) {
    LoadCatalogueTable(doc, catalogues.*entry.table, path);
    benchmark::DoNotOptimize((catalogues.*entry.table).Rows.data());
  }
  state.counters["rows"] = (catalogues.*entry.table).RowCount;
}

const bool registered = [] {
  for (const CCatalogues::Entry& entry : CCatalogues::Files)
    benchmark::RegisterBenchmark(("LoadCatalogueTable/" + std::string(entry.fileName)).c_str(),
                                 [&entry](benchmark::State& state) { LoadTable(state, entry); })
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
