// Monthly energy balance: the field's energy split between hot water, central heating and pool,
// the solar fractions, yearly sums, efficiencies, yield and the pump's electricity cost.
#include <string>

#include "engine/calc_common.h"
#include "engine/vindargast2.h"

void CVindargast2::RequireCollectorField(int32_t collectors) const {
  if (collectors <= 0) {
    throw DesignInputError("LiczbaKolektorow", "Liczba kolektorów (" + std::to_string(collectors) +
                                                   ") musi być większa od zera.");
  }
  if (!(CollectorArea > 0)) {
    throw DesignInputError("CollectorArea", "Powierzchnia kolektora (" +
                                                GeneralText(CollectorArea, 6, 2) +
                                                " m2) musi być większa od zera.");
  }
}

float CVindargast2::SumValues(const float* values, int32_t count) const {
  float sum = 0;
  for (int32_t i = 0; i < count; ++i) sum += values[i];
  return sum;
}

void CVindargast2::ComputeMonthlyBalance(int32_t collectors, int32_t scheme, float hotWaterDemand,
                                         const std::string& electricityPrice) {
  // Refuse what the fractions and yields cannot divide by before anything is stored.
  RequireCollectorField(collectors);
  if (!(hotWaterDemand > 0)) {
    throw DesignInputError("HotWaterEnergy", "Miesięczne zapotrzebowanie na ciepłą wodę (" +
                                                 GeneralText(hotWaterDemand, 6, 2) +
                                                 " kWh) musi być większe od zera.");
  }
  if (scheme == 1) {
    if (!(PowierzchniaBudynku > 0)) {
      throw DesignInputError("PowierzchniaBudynku", "Powierzchnia budynku nie może wynosić 0.");
    }
    if (!(ZapotrzebowanieEnergi > 0)) {
      throw DesignInputError("ZapotrzebowanieEnergi",
                             "Zapotrzebowanie budynku na energię nie może wynosić 0.");
    }
  }
  const bool poolSeason = Basen && BasenOd <= BasenDo;
  if (poolSeason && !(PoolEnergyDemand > 0)) {
    throw DesignInputError("PoolEnergyDemand",
                           "Zapotrzebowanie basenu na energię musi być większe od zera: sprawdź "
                           "wymiary basenu.");
  }

  const double demand = hotWaterDemand;
  const float field = static_cast<float>(static_cast<double>(collectors) * CollectorArea);  // m2

  AnnualHotWaterSolarEnergy = 0;
  AnnualHeatingSolarEnergy = 0;
  AnnualHeatLoss = 0;
  AnnualPoolSolarEnergy = 0;
  for (int m = 0; m < 12; ++m) HeatingSolarEnergy[m] = PoolSolarEnergy[m] = 0;
  AnnualHeatingDemand = 0;
  AnnualInsolation = 0;
  PumpElectricityCost = 0;

  for (int m = 0; m < 12; ++m) {
    const double loss = HeatLoss[m][0];
    const bool sunlit = calc::Sunlit(Naslonecznienie[m], TiltFactor[m]);
    SolarEnergy[m] = sunlit
                         ? static_cast<float>(static_cast<double>(field) * CollectorEfficiency[m] *
                                              0.01 * TiltFactor[m] * Naslonecznienie[m])
                         : 0.0f;
    // Hot water takes the solar energy first, up to its demand plus the month's losses.
    if (SolarEnergy[m] < demand + loss) {
      UsefulEnergy[m] = SolarEnergy[m];
      HotWaterSolarEnergy[m] = static_cast<float>(SolarEnergy[m] - loss);
    } else {
      UsefulEnergy[m] = static_cast<float>(demand + loss);
      HotWaterSolarEnergy[m] = hotWaterDemand;  // the whole demand, exactly
    }
    // The surplus goes to central heating in its months, else to the pool in its season; never to
    // both, so no energy counts twice.
    const float surplus = static_cast<float>(SolarEnergy[m] - loss - demand);
    const bool heatingMonth = scheme == 1 && calc::HeatingMonth(m);
    if (heatingMonth) {
      AnnualHeatingDemand =
          static_cast<float>(static_cast<double>(PowierzchniaBudynku) * ZapotrzebowanieEnergi);
      HeatingSolarEnergy[m] = surplus > 0 ? surplus : 0.0f;
    } else if (Basen && BasenOd <= m && m <= BasenDo) {
      PoolSolarEnergy[m] = surplus > 0 ? surplus : 0.0f;
    }
    HotWaterCoverage[m] = static_cast<float>(HotWaterSolarEnergy[m] * 100.0 / demand);
    AnnualPoolSolarEnergy += PoolSolarEnergy[m];
    AnnualHotWaterSolarEnergy += HotWaterSolarEnergy[m];
    AnnualHeatingSolarEnergy += HeatingSolarEnergy[m];
    AnnualHeatLoss += HeatLoss[m][0];
  }

  HeatingCoverage = scheme == 1
                        ? static_cast<float>(AnnualHeatingSolarEnergy * 100.0 / AnnualHeatingDemand)
                        : 0.0f;
  PoolCoverage =
      poolSeason
          ? static_cast<float>(AnnualPoolSolarEnergy * 100.0 /
                               ((static_cast<double>(BasenDo) - BasenOd + 1) * PoolEnergyDemand))
          : 0.0f;
  AnnualInsolation = SumValues(Naslonecznienie, 12);

  for (int m = 0; m < 12; ++m) {
    // A month without insolation on the collector plane has no efficiency to speak of.
    SystemEfficiency[m] =
        calc::Sunlit(Naslonecznienie[m], TiltFactor[m])
            ? static_cast<float>((static_cast<double>(HotWaterSolarEnergy[m]) +
                                  HeatingSolarEnergy[m] + PoolSolarEnergy[m]) /
                                 (static_cast<double>(collectors) * Naslonecznienie[m] *
                                  CollectorArea * TiltFactor[m]) *
                                 100)
            : 0.0f;
  }
  AnnualHotWaterCoverage = static_cast<float>(AnnualHotWaterSolarEnergy * 100.0 / (demand * 12));
  YieldPerSquareMetre = static_cast<float>((static_cast<double>(AnnualHotWaterSolarEnergy) +
                                            AnnualPoolSolarEnergy + AnnualHeatingSolarEnergy) /
                                           field);

  // The price is converted last, so that a price that is not a number leaves every other result
  // stored and this cost at 0.
  ComputePumpElectricityCost(collectors, electricityPrice);
}

float CVindargast2::ComputePumpElectricityCost(int32_t collectors,
                                               const std::string& electricityPrice) {
  // The pump and controller run while the sun shines.
  const double sunshineHours = SumValues(Uslonecznienie, 12);
  const double price = ReadFloat(electricityPrice);
  const double n = collectors;
  PumpElectricityCost =
      static_cast<float>(static_cast<double>(InstallationPressureDrop) * 100 * 0.001 * n *
                             CollectorUnitFlow * sunshineHours * 2.778e-07 +
                         (n * 0.05 * 0.05 + 0.05) * sunshineHours * price);
  return PumpElectricityCost;
}
