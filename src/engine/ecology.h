// The yearly reduction of pollutants that a design's solar energy brings, against the
// conventional heating it replaces (heating types 0 to 7 of the fuel catalogue).
#pragma once

#include <cstdint>

class CVindargast2;

// What the ecological calculator's inputs hold for one heating type.
struct EmissionInputs {
  float Efficiency = 0;      // process or boiler efficiency in %, the heat pump's COP for type 7
  float CalorificValue = 0;  // kWh per unit of fuel (types 1 to 6)
  float Factors[6] = {};     // CO, NOx, dust, TOC, 16 WWA, BaP: mg/kWh, or mg/m3 of flue gas
  float Co2Share = 0;        // kg CO2 per kWh of heat (types 0 and 7)
  float So2Share = 0;        // g SO2 per kWh of heat (types 0 and 7)
  float FlueGasVolume = 0;   // m3 of flue gas per kg of fuel (types 1 to 3)
  float Carbon = 0;          // carbon content of the fuel, %
  float Sulphur = 0;         // sulphur content of the fuel, %
};

struct EmissionReduction {
  float Co2 = 0;             // kg per year
  float So2 = 0;             // g per year
  float Pollutants[6] = {};  // CO, NOx, dust, TOC, 16 WWA, BaP, g per year
};

// The solar energy of the year that replaces conventional heat: hot water, central heating and
// pool, month by month, kWh.
float YearlySolarEnergy(const CVindargast2& design);

// The reductions for `energy` kWh of solar heat a year. Heat (type 0) and the heat pump (type 7)
// are rated per kWh of heat; the fuels (types 1 to 6) by the fuel they would burn, E / Hu at the
// boiler's efficiency, with 3.66 kg of CO2 per kg of carbon and 2000 g of SO2 per kg of sulphur.
// The emission factors of types 1 to 3 are per m3 of flue gas; those of types 4 to 6, as the
// calculator shows them, per kWh. An efficiency, COP or (for a fuel) calorific value of 0 or less
// has no meaning: DesignInputError with the calculator's message, nothing computed. So has a
// reduction a float cannot hold: DesignInputError naming it.
EmissionReduction ComputeEmissionReduction(int32_t heatingType, double energy,
                                           const EmissionInputs& inputs);
