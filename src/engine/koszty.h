// The cost record embedded in the design as Engine.Costs: the heating type that solar heat
// replaces with its fuel data, the economic assumptions of the cost window with their on/off
// flags, and the yearly and lifetime costs and savings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The fuel data of a cost calculation as the cost window's edits give them; an empty edit gives
// none.
struct FuelData {
  std::optional<float> Price;           // per kWh, tonne, litre or m3, net or gross as chosen
  std::optional<float> Efficiency;      // process efficiency in %, the COP for the heat pump
  std::optional<float> CalorificValue;  // kWh per unit of fuel
};

// What keeps the yearly fuel costs from having a value.
enum class FuelDataFault {
  None,
  Price,           // no price
  Efficiency,      // no process efficiency, or 0 or less
  HeatPumpCop,     // the heat pump (type 7) without a COP above 0
  CalorificValue,  // a fuel (every type but 0 and 7) without a calorific value above 0
};
FuelDataFault CheckFuelData(int32_t heatingType, const FuelData& data);

class CKoszty {
 public:
  // The design links its record to its own yearly heat loss (LinkAnnualHeatLoss); a record on its
  // own reads the global Engine's.
  CKoszty(int32_t typOgrzewania, float fuelPrice, float wartoscOpalowa, float sprawnoscProcesu);

  int32_t TypOgrzewania = 0;         // 0 to 7 = row of the fuel catalogue; 7 is the heat pump
  std::string FuelName;              // name of the chosen fuel
  float FuelPrice = 0;               // purchase price of the fuel, net or gross as chosen
  float WartoscOpalowa = 0;          // calorific value of the fuel
  float SprawnoscProcesu = 0;        // efficiency of the replaced heating process, %
  float AnnualCostWithoutSolar = 0;  // hot-water heating per year without solar heat
  float AnnualCostWithSolar = 0;     // the same with solar heat
  float HotWaterSaving = 0;          // yearly saving on hot water, never below 0
  float PaybackYears = 0;
  float HeatPumpCop = 0;      // coefficient of performance of the heat pump (type 7)
  float IleDotacja = 0;       // direct subsidy
  float IleEksploatacja = 0;  // yearly upkeep
  float PumpEnergyCost = 0;   // yearly pump electricity as entered in the cost window
  float AnnualAmortisation = 0;
  float IleRocznyWzrost = 0;      // yearly growth of fuel and energy prices, %
  float HeatingSaving = 0;        // yearly saving on central heating
  float IleInflacja = 0;          // inflation of other prices, %
  float IleCzasEksploatacji = 0;  // service life, years
  float LifetimeHotWaterSavings = 0;
  float LifetimeHeatingSavings = 0;
  float AverageHotWaterSavings = 0;
  float AverageHeatingSavings = 0;
  float IleDyskont = 0;  // discount rate, %
  float LifetimeRunningCosts = 0;
  float AverageRunningCosts = 0;
  float AverageCostWithoutSolar = 0;
  float AverageCostWithSolar = 0;
  uint8_t WzrostCenTakNie = 0;     // price growth taken into account
  uint8_t AmortisationOn = 0;      // amortisation taken into account
  uint8_t DotacjaTakNie = 0;       // direct subsidy taken into account
  uint8_t EksploatacjaTakNie = 0;  // upkeep taken into account
  uint8_t KosztPompyTakNie = 0;    // pump electricity taken into account
  uint8_t DyskontTakNie = 0;       // discounting taken into account
  uint8_t InflationOn = 0;         // inflation of other prices taken into account
  uint8_t NPVTakNie = 0;           // NPV and IRR computed
  uint8_t NfosigwSubsidyOn = 0;    // the subsidised-loan programme taken into account
  // The results belong to a cost calculation of this design; without one they read "b/d", not
  // 0 (a payback of 0 would read as paid back within the first year).
  bool ResultsComputed = false;
  // The gross total (zł) the cost window shows for the design; none while it reads "b/d" (a VAT
  // rate that makes it too large for a float), when nothing can count it.
  std::optional<double> GrossTotal;
  // The gross total (zł) the loan's eligible cost and amount were typed against by the user, or
  // opened with from a project file: they hold while it does. None while the cost window writes
  // them itself for the gross total it shows; NaN, which no total equals, for one typed while the
  // gross total read "b/d".
  std::optional<double> EligibleCostTypedAgainst;
  std::optional<double> LoanAmountTypedAgainst;
  // Whether an amount typed against the gross total `against` still holds for `gross`: the same
  // to the grosz.
  static bool HoldsAgainst(const std::optional<double>& against, double gross);
  // The gross total an amount typed now holds against: the one shown, or NaN while it reads
  // "b/d".
  double GrossTotalTypedAgainst() const;

  // Prices the year's solar hot-water energy ew and central-heating energy eh (kWh) and the
  // monthly hot-water demand e (kWh) for the heating type; the pool energy is not priced. Reads the
  // design's AnnualHeatLoss. Returns 1, or -1 without changing anything when the type's unit cost
  // has no value: a heat pump with a COP of 0 or less, a process efficiency of 0 or less (every
  // type but the heat pump), or a calorific value of 0 or less (types 1 to 6 and unknown types).
  int32_t ComputeFuelCosts(float ew, float eh, float poolEnergy, float e);

  // Every figure a cost calculation writes, back to 0 and not computed; the inputs and options
  // stay.
  void ClearResults();

  // Makes ComputeFuelCosts read the given yearly heat loss (the owning design's field).
  void LinkAnnualHeatLoss(const float* annualHeatLoss) { heatLoss_.source = annualHeatLoss; }

 private:
  // A copied record keeps its own link, so assigning one design to another never makes this
  // record read the other design's heat loss.
  struct HeatLossLink {
    HeatLossLink() = default;
    HeatLossLink(const HeatLossLink&) {}
    HeatLossLink& operator=(const HeatLossLink&) { return *this; }
    const float* source = nullptr;
  };
  HeatLossLink heatLoss_;
};
