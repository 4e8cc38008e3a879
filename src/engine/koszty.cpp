#include "engine/koszty.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "engine/vindargast2.h"

CKoszty::CKoszty(int32_t typOgrzewania, float fuelPrice, float wartoscOpalowa,
                 float sprawnoscProcesu)
    : TypOgrzewania(typOgrzewania),
      FuelPrice(fuelPrice),
      WartoscOpalowa(wartoscOpalowa),
      SprawnoscProcesu(sprawnoscProcesu) {}

FuelDataFault CheckFuelData(int32_t heatingType, const FuelData& data) {
  auto positive = [](const std::optional<float>& value) { return value && *value > 0; };
  if (!data.Price) return FuelDataFault::Price;
  if (heatingType == 7)
    return positive(data.Efficiency) ? FuelDataFault::None : FuelDataFault::HeatPumpCop;
  if (!positive(data.Efficiency)) return FuelDataFault::Efficiency;
  if (heatingType != 0 && !positive(data.CalorificValue)) return FuelDataFault::CalorificValue;
  return FuelDataFault::None;
}

bool CKoszty::HoldsAgainst(const std::optional<double>& against, double gross) {
  return against && std::fabs(*against - gross) < 0.005;
}

double CKoszty::GrossTotalTypedAgainst() const {
  return GrossTotal.value_or(std::numeric_limits<double>::quiet_NaN());
}

void CKoszty::ClearResults() {
  for (float* value :
       {&AnnualCostWithoutSolar, &AnnualCostWithSolar, &HotWaterSaving, &HeatingSaving,
        &PaybackYears, &AnnualAmortisation, &LifetimeHotWaterSavings, &LifetimeHeatingSavings,
        &AverageHotWaterSavings, &AverageHeatingSavings, &LifetimeRunningCosts,
        &AverageRunningCosts, &AverageCostWithoutSolar, &AverageCostWithSolar})
    *value = 0;
  ResultsComputed = false;
}

int32_t CKoszty::ComputeFuelCosts(float ew, float eh, float /*poolEnergy*/, float e) {
  // Cost u of one kWh of heat and the factor k for the replaced process's efficiency.
  float u = 0;
  double k = 1.0;
  if (TypOgrzewania == 7) {  // heat pump: electricity price over the COP
    if (!(HeatPumpCop > 0)) return -1;
    u = static_cast<float>(static_cast<double>(FuelPrice) / HeatPumpCop);
  } else {
    if (!(SprawnoscProcesu > 0)) return -1;
    k = 1.0 / (static_cast<double>(SprawnoscProcesu) * 0.01);
    if (TypOgrzewania == 0) {  // heat bought per kWh
      u = FuelPrice;
    } else {
      if (!(WartoscOpalowa > 0)) return -1;
      if (TypOgrzewania == 5 || TypOgrzewania == 6) {  // per litre or per m3, kWh per unit
        u = static_cast<float>(static_cast<double>(FuelPrice) / WartoscOpalowa);
      } else {  // solid fuels bought per kg (types 1 to 4), with the catalogue's factor 0.001
        u = static_cast<float>(static_cast<double>(FuelPrice) / WartoscOpalowa * 0.001);
      }
    }
  }

  const double heatLoss = heatLoss_.source ? *heatLoss_.source : Engine.AnnualHeatLoss;
  const double netSolar = static_cast<double>(ew) - heatLoss;  // solar hot water net of losses
  const double yearlyDemand = static_cast<double>(e) * 12;

  const double saving = k * netSolar * u;
  HotWaterSaving = saving > 0 ? static_cast<float>(saving) : 0.0f;
  HeatingSaving = static_cast<float>(k * eh * u);
  AnnualCostWithoutSolar = static_cast<float>(k * yearlyDemand * u);
  AnnualCostWithSolar = static_cast<float>(k * (yearlyDemand - netSolar) * u);
  return 1;
}
