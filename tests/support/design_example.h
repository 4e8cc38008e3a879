// The reference design used by the engine's tests and benchmark: the program's defaults with a
// location at 52.2 degrees, one 300 l tank, insulated 18 mm pipes and four 2 m2 collectors, and
// the engine's part of the compute command run on it.
#pragma once

#include <algorithm>
#include <string>

#include "engine/vindargast2.h"

namespace design_example {

inline constexpr float kInsolation[12] = {20, 35, 70, 105, 140, 150, 150, 130, 85, 50, 22, 15};
inline constexpr float kSunshineHours[12] = {45,  70,  130, 180, 240, 250,
                                             250, 230, 170, 110, 50,  35};
inline constexpr float kAirTemperature[12] = {-3, -2, 2, 8, 13, 16, 18, 17, 13, 8, 3, -1};
inline constexpr const char* kElectricityPrice = "0.6";

inline CVindargast2 Make() {
  CVindargast2 d = MakeDefaultDesign();
  d.SzerokoscGeograficzna = 52.2f;
  std::copy(kInsolation, kInsolation + 12, d.Naslonecznienie);
  std::copy(kSunshineHours, kSunshineHours + 12, d.Uslonecznienie);
  std::copy(kAirTemperature, kAirTemperature + 12, d.Temperatura);
  d.Tank1Volume = 300;
  d.Tank1Diameter = 600;
  d.Tank1Height = 1500;
  d.Tank1InsulationThickness = 50;
  d.Izolacja = 1;
  d.InsulationLambda = 0.035f;
  d.OutdoorInsulationThickness = 32;
  d.IndoorInsulationThickness = 32;
  d.CollectorArea = 2.0f;
  d.CollectorEta0 = 80;
  d.CollectorK1 = 3.5f;
  d.CollectorK2 = 0.015f;
  return d;
}

// The number of temperature steps the compute command passes: a fifth of the tank temperature,
// cut to an integer, at least 1.
inline int32_t TemperatureSteps(const CVindargast2& d) {
  const int32_t steps = static_cast<int32_t>(0.2 * d.TemperaturaWodyWZasobniku);
  return steps == 0 ? 1 : steps;
}

// The engine's steps of the compute command, in its order and with its arguments.
inline void Run(CVindargast2& d, const std::string& electricityPrice = kElectricityPrice) {
  d.ComputeHotWaterDemand(static_cast<float>(d.LiczbaOsob), d.DCWU, d.TemperaturaWodySieci,
                          d.TemperaturaCieplejWody);
  d.ComputeTiltFactors(d.KatGamma, d.KatBeta, d.SzerokoscGeograficzna);
  d.ComputeHeatLosses(d.Uslonecznienie, d.Temperatura, d.Izolacja, d.Przeslona);
  d.ComputeCollectorEfficiency(d.HotWaterEnergy, TemperatureSteps(d));
  d.ComputeMonthlyBalance(d.LiczbaKolektorow, d.CWUCO, d.HotWaterEnergy, electricityPrice);
}

// The reference design with six collectors, computed: optionally with a pool of 8 x 4 x 1.5 m
// heated from May to September, central-heating support and a second 200 l tank.
inline CVindargast2 MakeComputed(bool pool, bool heating, int tanks) {
  CVindargast2 d = Make();
  d.LiczbaKolektorow = 6;
  if (pool) {
    d.Basen = 1;
    d.BasenOd = 4;
    d.BasenDo = 8;
    d.BasenDlugosc = 8;
    d.BasenSzerokosc = 4;
    d.BasenGlebokosc = 1.5f;
  }
  if (heating) d.CWUCO = 1;
  d.LiczbaZasobnikow = tanks;
  if (tanks == 2) {
    d.Tank2Volume = 200;
    d.Tank2Diameter = 500;
    d.Tank2Height = 1200;
    d.Tank2InsulationThickness = 50;
  }
  Run(d);
  return d;
}

// Every result a calculation step writes, as bits: equal texts mean identical results.
inline std::string ResultBits(const CVindargast2& d) {
  std::string bits;
  auto add = [&bits](const auto& value) {
    bits.append(reinterpret_cast<const char*>(&value), sizeof value);
  };
  add(d.HotWaterEnergy), add(d.TiltFactor), add(d.OutdoorPipeLoss), add(d.IndoorPipeLoss);
  add(d.CirculationLoss), add(d.HeatLoss), add(d.PoolWallLoss), add(d.PoolSurfaceLoss);
  add(d.PoolEnergyDemand), add(d.EffectiveTankVolume), add(d.TotalTankVolume);
  add(d.TemperatureCeiling), add(d.StepTemperature), add(d.StepClassEfficiency);
  add(d.StorageShare), add(d.HotShare), add(d.HotTemperature), add(d.HotEfficiency);
  add(d.HotClassEfficiency), add(d.CollectorEfficiency), add(d.SolarEnergy), add(d.UsefulEnergy);
  add(d.HotWaterSolarEnergy), add(d.HotWaterCoverage), add(d.HeatingSolarEnergy);
  add(d.PoolSolarEnergy), add(d.SystemEfficiency), add(d.AnnualHotWaterSolarEnergy);
  add(d.AnnualHeatingSolarEnergy), add(d.AnnualPoolSolarEnergy), add(d.AnnualHeatLoss);
  add(d.AnnualInsolation), add(d.AnnualHeatingDemand), add(d.AnnualHotWaterCoverage);
  add(d.HeatingCoverage), add(d.PoolCoverage), add(d.YieldPerSquareMetre);
  add(d.PumpElectricityCost);
  return bits;
}

}  // namespace design_example
