// A whole PDF report of a design with central-heating support, a pool and two tanks: all four
// chapters (seven pages) drawn and written out, in memory and to a file through the atomic save.
#include <benchmark/benchmark.h>

#include <string>

#include "design_example.h"
#include "engine/vindargast2.h"
#include "report/craport.h"
#include "report/raport_chapters.h"
#include "temp_dir.h"

namespace {

const std::string kLogo = std::string(VINDARGAST_DATA) + "/Grafika/logowydruk.jpg";

PaybackTexts SampleTexts() {
  PaybackTexts t;
  using P = PaybackTexts;
  const std::pair<std::string P::*, const char*> values[] = {
      {&P::ESumaKoszt, "12000.00"}, {&P::ESumaVat, "960.00"},      {&P::ESumaBrutto, "12960.00"},
      {&P::Edit9, "8859.50"},       {&P::StaticText65, "5230.12"}, {&P::StaticText67, "7.25"}};
  for (const auto& value : values) t.*value.first = value.second;
  for (std::string& emission : t.Emissions) emission = "123.4";
  return t;
}

void DrawReport(CRaport& report, CVindargast2& design, const PaybackTexts& texts) {
  report.ProjectName = "Dom jednorodzinny w Łodzi";
  report.Designer = "Józef Żółć";
  report.Location = "Łódź";
  report.CreateOutlineRoot("Spis treści");
  WriteThermalChapter(report, design);
  WriteInstallationChapters(report, design);
  WritePaybackChapter(report, design.Costs, texts);
  WriteChartsChapter(report, design);
}

void FullReportInMemory(benchmark::State& state) {
  CVindargast2 design = design_example::MakeComputed(true, true, 2);
  const PaybackTexts texts = SampleTexts();
  size_t bytes = 0;
  for (auto _ : state) {
    CRaport report(kLogo);
    DrawReport(report, design, texts);
    bytes = report.Bytes().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(FullReportInMemory)->Unit(benchmark::kMillisecond);

void FullReportSavedToFile(benchmark::State& state) {
  CVindargast2 design = design_example::MakeComputed(true, true, 2);
  const PaybackTexts texts = SampleTexts();
  TempDir dir;
  const std::string file = dir.File("raport.pdf");
  for (auto _ : state) {
    CRaport report(kLogo);
    DrawReport(report, design, texts);
    report.SaveToFile(file);
  }
}
BENCHMARK(FullReportSavedToFile)->Unit(benchmark::kMillisecond);

}  // namespace
