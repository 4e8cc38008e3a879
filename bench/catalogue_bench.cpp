// Loading the catalogues at scale: each of the eleven tables from its shipped file repeated to
// 10 000 collectors, 2 000 cities and 100 rows of each other catalogue; all eleven as the main
// window loads them (table and column names); and a catalogue whose one record has 10 000 or
// 100 000 fields, whose time per field stays flat when the column names are read in linear time.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/catalogue.h"
#include "generated_catalogues.h"
#include "temp_dir.h"

namespace {

// One folder of catalogues at scale for the whole run.
const TempDir& Folder() {
  static std::unique_ptr<TempDir> dir = [] {
    auto d = std::make_unique<TempDir>();
    for (const CCatalogues::Entry& entry : CCatalogues::Files) {
      const std::string shipped = std::string(VINDARGAST_DATA) + "/" + entry.fileName;
      const int rows = bench_data::ScaledRows(entry.fileName);
      d->Write(entry.fileName,
               rows > 0 ? bench_data::Repeated(shipped, rows) : bench_data::Repeated(shipped, 100));
    }
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

// The main window's start: every table with its column names, in the loading order.
void MainWindowCatalogues(benchmark::State& state) {
  Folder();
  xml::Document doc;
  for (auto _ : state) {
    CCatalogues catalogues;
    for (const CCatalogues::Entry& entry : CCatalogues::Files)
      LoadCatalogueTable(doc, catalogues.*entry.table, Folder().File(entry.fileName),
                         entry.columnNames ? &(catalogues.*entry.columnNames) : nullptr);
    benchmark::DoNotOptimize(catalogues.CollectorCatalogue.Rows.data());
  }
}
BENCHMARK(MainWindowCatalogues)->Unit(benchmark::kMillisecond);

// The table and the column names of a catalogue whose one record has state.range(0) fields.
void WideFirstRecord(benchmark::State& state) {
  const int fields = static_cast<int>(state.range(0));
  TempDir dir;
  const std::string path = dir.Write("katalog.xml", bench_data::WideRecord(fields));
  xml::Document doc;
  CCatalogueTable table(17);
  std::vector<std::string> names;
  for (auto _ : state) {
    LoadCatalogueTable(doc, table, path, &names);
    benchmark::DoNotOptimize(names.data());
  }
  // Fields per second stay the same from 10 000 to 100 000 fields when the work is linear.
  state.SetItemsProcessed(static_cast<int64_t>(fields) * state.iterations());
}
BENCHMARK(WideFirstRecord)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

const bool registered = [] {
  for (const CCatalogues::Entry& entry : CCatalogues::Files)
    benchmark::RegisterBenchmark(("LoadCatalogueTable/" + std::string(entry.fileName)).c_str(),
                                 [&entry](benchmark::State& state) { LoadTable(state, entry); })
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
