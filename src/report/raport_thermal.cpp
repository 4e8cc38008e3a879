// The report's thermal chapter: the design's basic parameters, the yearly balances and the
// monthly energy table.
#include <string>
#include <vector>

#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "report/craport.h"
#include "report/raport_chapters.h"

namespace {

const std::string kMonths[12] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                 "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                 "Wrzesień", "Październik", "Listopad", "Grudzień"};

const std::string kTableHeadings[10] = {"Miesiąc",
                                        "Nasło- necznienie [kWh/m2/rok]",
                                        "Sprawność kolektorów  [%]",
                                        "Sprawność  instalacji    [%]",
                                        "Straty  instalacji   [kWh]",
                                        "Energia na CWU       [kWh]",
                                        "Pokrycie    CWU         [%]",
                                        "Energia na basen    [kWh]",
                                        "Energia na CO        [kWh]",
                                        "Suma energii solarnej  [kWh]"};

std::string YesNo(int flag) {
  return flag == 1 ? "Tak" : "Nie";
}

// Months of the pool season, first and last included; none when the first follows the last.
int PoolSeasonMonths(const CVindargast2& design) {
  return design.BasenOd > design.BasenDo ? 0 : design.BasenDo - design.BasenOd + 1;
}

}  // namespace

std::string ReportGeneral(double value, int digits) {
  return GeneralText(value, digits, 0);
}

std::string ReportPlain(float value) {
  return General15(static_cast<double>(value));
}

void OpenChapterPage(CRaport& report, const std::string& title) {
  report.NewPage();
  report.AddChapterOutline(title);
  report.DrawChapterTitle(title);
}

void WriteThermalChapter(CRaport& report, const CVindargast2& d) {
  OpenChapterPage(report, "Obliczenia cieplne");
  report.ColumnWidth = 260;
  report.DrawSectionHeading(report.LeftMargin, 120, "Podstawowe parametry instalacji solarnej");
  const std::pair<std::string, std::string> rows[14] = {
      {"Pochylenie kolektorów [°]", ReportPlain(d.KatBeta)},
      {"Odchylenie od południa [°]", ReportPlain(d.KatGamma)},
      {"Temperatura wody w zasobniku [° C]", ReportPlain(d.TemperaturaWodyWZasobniku)},
      {"Wsp. wielkości zasobnika do dziennego zużycia C.W.U.",
       ReportPlain(d.WspolczynnikKrotnosci)},
      {"Cyrkulacja", YesNo(d.Cyrkulacja)},
      {"Czas pracy [h]", ReportPlain(d.CzasPracyPompyCyrkulacyjnej)},
      {"Liczba osób", std::to_string(d.LiczbaOsob)},
      {"Temperatura ciepłej wody [° C]", ReportPlain(d.TemperaturaCieplejWody)},
      {"Dzienne zużycie ciepłej wody [l]", ReportPlain(d.DCWU)},
      {"Izolacja przewodów", YesNo(d.Izolacja)},
      // A conductivity such as 0.035 needs more than one significant digit.
      {"Współczynnik przenikania ciepła [W/mK]", ShortestText(d.InsulationLambda)},
      {"Grubość izolacji [mm]", ReportPlain(d.OutdoorInsulationThickness)},
      {"Liczba kolektorów", std::to_string(d.LiczbaKolektorow)},
      {"Powierzchnia kolektorów [m2]", ReportGeneral(static_cast<double>(d.LiczbaKolektorow) *
                                                         d.SelectedCollector->PowierzchniaKolektora,
                                                     4)},
  };
  float y = 125;
  for (const auto& row : rows) {
    report.WriteBoxedRow(y, row.first, row.second);
    y += report.RowHeight;
  }

  report.DrawSectionHeading(report.LeftMargin, 346, "Średni uzysk z m2 kolektora");
  // Places from the left margin, to which WriteText adds the margin and the inset once more.
  report.WriteText(342, report.LeftMargin + 220, "Wartość");
  report.WriteText(342, report.LeftMargin + 270, ReportGeneral(d.YieldPerSquareMetre, 4));
  report.WriteText(342, report.LeftMargin + 320, "[kWh/m2/rok]");

  const char* const kYear = "[kWh/rok]";
  report.DrawSectionHeading(report.LeftMargin, 366, "Ciepła woda");
  report.WriteParameterRow(381, "Suma energii słonecznej na C.W.U.",
                           ReportGeneral(d.AnnualHotWaterSolarEnergy, 5), kYear);
  report.WriteParameterRow(
      396, "Zapotrzebowanie",
      ReportGeneral(static_cast<float>(12.0 * d.HotWaterEnergy + d.AnnualHeatLoss), 5), kYear);
  report.WriteParameterRow(411, "Pokrycie C.W.U. (rok)", ReportGeneral(d.AnnualHotWaterCoverage, 4),
                           "[%]");

  report.DrawSectionHeading(report.LeftMargin, 431, "Basen");
  report.WriteParameterRow(446, "Suma energii słonecznej na basen",
                           ReportGeneral(d.AnnualPoolSolarEnergy, 5), kYear);
  // The season counts its first and its last month.
  report.WriteParameterRow(
      461, "Zapotrzebowanie",
      ReportGeneral(static_cast<float>(double(PoolSeasonMonths(d)) * d.PoolEnergyDemand), 6),
      kYear);
  report.WriteParameterRow(476, "Pokrycie", ReportGeneral(d.PoolCoverage, 3), "[%]");

  report.DrawSectionHeading(report.LeftMargin, 496, "Wspomaganie CO");
  report.WriteParameterRow(511, "Suma energii słonecznej na CO",
                           ReportGeneral(d.AnnualHeatingSolarEnergy, 5), kYear);
  report.WriteParameterRow(526, "Zapotrzebowanie", ReportGeneral(d.AnnualHeatingDemand, 5), kYear);
  report.WriteParameterRow(541, "Pokrycie", ReportGeneral(d.HeatingCoverage, 3), "[%]");

  report.DrawSectionHeading(report.LeftMargin, 566, "Zysk energetyczny wartości miesięczne");
  report.DrawHeaderCells(10, 576, kTableHeadings);
  report.ColumnWidth = 50;
  report.DrawGrid(10, 13, static_cast<int>(report.PageHeight - 615));
  report.WriteTextColumn(625, 0, 12, kMonths);

  float heatLoss[12];
  float total[12];
  for (int m = 0; m < 12; ++m) {
    heatLoss[m] = d.HeatLoss[m][0];
    total[m] = d.HeatingSolarEnergy[m] + d.PoolSolarEnergy[m] + d.HotWaterSolarEnergy[m];
  }
  struct Column {
    const float* values;
    bool mean;  // the year is the mean of the months, else their sum
  };
  const Column columns[9] = {
      {d.Naslonecznienie, false}, {d.CollectorEfficiency, true},  {d.SystemEfficiency, true},
      {heatLoss, false},          {d.HotWaterSolarEnergy, false}, {d.HotWaterCoverage, true},
      {d.PoolSolarEnergy, false}, {d.HeatingSolarEnergy, false},  {total, false},
  };
  report.WriteText(794, 0, "Rok");
  for (int c = 0; c < 9; ++c) {
    const float x = 50.0f * (c + 1);
    report.WriteNumberColumn(625, x, 12, columns[c].values);
    const float sum = d.SumValues(columns[c].values, 12);
    const double year = columns[c].mean ? sum * (1.0 / 12) : sum;
    report.WriteText(794, x, ReportGeneral(year, 5));
  }
}
