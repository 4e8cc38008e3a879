#include "engine/ecology.h"

#include <string>

#include "engine/cost_limit.h"
#include "engine/design_error.h"
#include "engine/vindargast2.h"

namespace {

constexpr int32_t kHeatPump = 7;
constexpr double kCo2PerCarbon = 3.66;     // kg of CO2 per kg of carbon burnt
constexpr double kSo2PerSulphur = 2000.0;  // g of SO2 per kg of sulphur burnt

bool Fuel(int32_t type) {
  return type >= 1 && type <= 6;
}

}  // namespace

float YearlySolarEnergy(const CVindargast2& design) {
  float energy = 0;
  for (int month = 0; month < 12; ++month) {
    energy = static_cast<float>(static_cast<double>(energy) + design.HeatingSolarEnergy[month] +
                                design.PoolSolarEnergy[month] + design.HotWaterSolarEnergy[month]);
  }
  return energy;
}

EmissionReduction ComputeEmissionReduction(int32_t heatingType, double energy,
                                           const EmissionInputs& in) {
  if (in.Efficiency <= 0) {
    throw DesignInputError("Efficiency", heatingType == kHeatPump
                                             ? "Współczynnik COP musi być wiekszy od 0 !!!"
                                             : "Sprawność musi być większa od 0 !!!");
  }
  if (Fuel(heatingType) && in.CalorificValue <= 0) {
    throw DesignInputError("CalorificValue", "Wartość opałowa musi być większa od 0 !!!");
  }
  EmissionReduction out;
  // The heat the replaced heating would have had to produce, kWh: the COP for the heat pump,
  // an efficiency in % otherwise.
  const double heat =
      heatingType == kHeatPump ? energy / in.Efficiency : energy / (0.01 * in.Efficiency);
  if (!Fuel(heatingType)) {
    out.Co2 = static_cast<float>(heat * in.Co2Share);
    out.So2 = static_cast<float>(heat * in.So2Share);
  } else {
    const double fuelBurnt = heat / in.CalorificValue;
    out.Co2 = static_cast<float>(0.01 * in.Carbon * kCo2PerCarbon * fuelBurnt);
    out.So2 = static_cast<float>(0.01 * in.Sulphur * kSo2PerSulphur * fuelBurnt);
  }
  for (int i = 0; i < 6; ++i) {
    // mg to g; the factors of types 1 to 3 per m3 of the flue gas of the fuel burnt.
    const double perKwh = heatingType >= 1 && heatingType <= 3
                              ? 0.001 * in.Factors[i] * in.FlueGasVolume / in.CalorificValue
                              : 0.001 * in.Factors[i];
    out.Pollutants[i] = static_cast<float>(perKwh * heat);
  }
  // A reduction a float cannot hold would be shown and reported as infinity.
  const char* const names[8] = {"CO2", "SO2", "CO", "NOx", "pyły", "TOC", "16 WWA", "BaP"};
  const float values[8] = {out.Co2,           out.So2,           out.Pollutants[0],
                           out.Pollutants[1], out.Pollutants[2], out.Pollutants[3],
                           out.Pollutants[4], out.Pollutants[5]};
  for (int i = 0; i < 8; ++i) {
    if (!FloatHolds(values[i])) {
      throw DesignInputError(names[i], std::string("Roczna redukcja emisji ") + names[i] +
                                           " jest zbyt duża do obliczenia: popraw dane na temat "
                                           "konwencjonalnego systemu ogrzewania.");
    }
  }
  return out;
}
