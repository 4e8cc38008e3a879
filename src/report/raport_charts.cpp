// The report's charts chapter: the monthly solar energy for hot water, central heating and the
// pool, the hot-water coverage, and the efficiency of the collectors and of the installation.
#include <string>

#include "engine/vindargast2.h"
#include "report/Wykres.h"
#include "report/craport.h"
#include "report/raport_chapters.h"

namespace {

// A chart's origin (page coordinates from the bottom edge; bars stand 40 points above it) and
// the room for bars above that zero line inside its frame, points.
struct Chart {
  float y;
  float room;
};
constexpr Chart kEnergy{480, 200}, kCoverage{215, 205}, kEfficiency{55, 100};

struct MonthLabel {
  const char* name;
  float shift;  // points left of the month's slot
};
const MonthLabel kMonths[12] = {
    {"styczeń", 5},  {"luty", 5},         {"marzec", 5},   {"kwiecień", 5},
    {"maj", 5},      {"czerwiec", 5},     {"lipiec", 5},   {"sierpień", 7},
    {"wrzesień", 8}, {"październik", 10}, {"listopad", 2}, {"grudzień", 5},
};

// A bar's height held inside its frame: none below the zero line, none above the frame.
float InFrame(double height, float room) {
  if (!(height > 0)) return 0;
  return height < room ? static_cast<float>(height) : room;
}

void WriteMonths(CRaport& report, float y) {
  for (int m = 1; m <= 12; ++m)
    report.WriteChartLabel(40.0f * m - kMonths[m - 1].shift, y + 30, kMonths[m - 1].name);
}

// The percent axis: 10 to 90 from first upwards every step points, "%" at the chart's foot.
void WritePercentAxis(CRaport& report, float y, float first, float step) {
  for (int k = 1; k <= 9; ++k)
    report.WriteChartLabel(10, y + first + step * (k - 1), std::to_string(10 * k));
  report.WriteChartLabel(10, y + 20, "%");
}

}  // namespace

void WriteChartsChapter(CRaport& report, const CVindargast2& d) {
  OpenChapterPage(report, "Wykresy");

  const float axisTop = ChartAxisTop(d);
  const float scale = static_cast<float>(kEnergy.room / static_cast<double>(axisTop));
  report.DrawGainChartGrid(0, kEnergy.y);
  for (int k = 1; k <= 9; ++k) {
    report.WriteChartLabel(0, kEnergy.y + 40 + 20 * k, ReportGeneral(axisTop * (k / 10.0), 4));
  }
  report.WriteChartLabel(0, 500, "kWh");
  WriteMonths(report, kEnergy.y);
  report.WriteChartTitle(
      40, 490, "Wykres zysku słonecznego na poszczególne cele w kWh w kolejnych miesiącach");
  report.DrawHotWaterBar(340, kEnergy.y + 17 - 40, 5);
  report.DrawHeatingBar(330, kEnergy.y + 10 - 40, 5);
  report.DrawPoolBar(330, kEnergy.y + 3 - 40, 5);
  report.WriteChartLabel(392, 484, "Basen");
  report.WriteChartLabel(392, 491, "Centralne ogrzewanie CO");
  report.WriteChartLabel(392, 498, "Ciepła woda CWU");
  for (int m = 0; m < 12; ++m) {
    report.DrawHotWaterBar(40.0f * m, kEnergy.y,
                           InFrame(double(scale) * d.HotWaterSolarEnergy[m], kEnergy.room));
  }
  for (int m = 0; m < 12; ++m) {
    report.DrawHeatingBar(40.0f * m, kEnergy.y,
                          InFrame(double(scale) * d.HeatingSolarEnergy[m], kEnergy.room));
  }
  for (int m = 0; m < 12; ++m) {
    report.DrawPoolBar(40.0f * m, kEnergy.y,
                       InFrame(double(scale) * d.PoolSolarEnergy[m], kEnergy.room));
  }

  report.DrawCoverageChartGrid(0, kCoverage.y);
  WritePercentAxis(report, kCoverage.y, 60, 20);
  WriteMonths(report, kCoverage.y);
  report.WriteChartTitle(
      40, 225, "Wykres procentowego pokrycia słonecznego dla ciepłej wody w kolejnych miesiącach");
  for (int m = 0; m < 12; ++m) {
    report.DrawCoverageBar(10 + 40.0f * m, kCoverage.y,
                           InFrame(2.0 * d.HotWaterCoverage[m], kCoverage.room));
  }

  report.DrawEfficiencyChartGrid(0, kEfficiency.y);
  WriteMonths(report, kEfficiency.y);
  WritePercentAxis(report, kEfficiency.y, 50, 10);
  report.WriteChartTitle(40, 65, "Wykres sprawności w poszczególnych miesiącach");
  report.DrawInstallationEfficiencyBar(330, kEfficiency.y - 40 + 15, 5);
  report.DrawCollectorEfficiencyBar(340, kEfficiency.y + 5 - 40, 5);
  report.WriteChartLabel(392, 73, "Instalacja");
  report.WriteChartLabel(392, 62, "Kolektory");
  for (int m = 0; m < 12; ++m) {
    report.DrawCollectorEfficiencyBar(40.0f * m, kEfficiency.y,
                                      InFrame(d.CollectorEfficiency[m], kEfficiency.room));
  }
  for (int m = 0; m < 12; ++m) {
    report.DrawInstallationEfficiencyBar(40.0f * m, kEfficiency.y,
                                         InFrame(d.SystemEfficiency[m], kEfficiency.room));
  }
}
