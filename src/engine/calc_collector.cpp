// Monthly collector simulation: the mean efficiency of the chosen collector in each month, from
// four irradiance classes and two pictures of the water temperature at the collector (a ladder of
// temperature steps for the share the tank can store, one hot temperature for the rest).
#include <cmath>
#include <string>

#include "engine/calc_common.h"
#include "engine/vindargast2.h"

namespace {

// Irradiance classes of a month: class value g (W/m2 at a class irradiance divisor of 7.5) and
// the share of the month's irradiation in the class.
constexpr double kClassValue[4] = {420, 350, 180, 50};
constexpr double kClassWeight[4] = {0.42, 0.35, 0.18, 0.05};

double Weighted(const float (&perClass)[4]) {
  return kClassWeight[0] * perClass[0] + kClassWeight[1] * perClass[1] +
         kClassWeight[2] * perClass[2] + kClassWeight[3] * perClass[3];
}

}  // namespace

void CVindargast2::ComputeCollectorEfficiency(float hotWaterDemand, int32_t temperatureSteps) {
  // Refuse what the formulas cannot use before anything is stored.
  if (temperatureSteps > kMaxTemperatureSteps) {
    throw DesignInputError("TemperaturaWodyWZasobniku",
                           "Liczba kroków temperatury (" + std::to_string(temperatureSteps) +
                               ") przekracza " + std::to_string(kMaxTemperatureSteps) +
                               ": temperatura wody w zasobniku jest zbyt wysoka.");
  }
  RequireCollectorField(LiczbaKolektorow);
  if (LiczbaOsob <= 0) {
    throw DesignInputError("LiczbaOsob", "Liczba osób musi być większa od zera.");
  }
  if (!(DCWU > 0)) {
    throw DesignInputError("DCWU",
                           "Dzienne zużycie ciepłej wody na osobę musi być większe od zera.");
  }
  if (!(Tank1Volume > 0)) {
    throw DesignInputError("Tank1Volume", "Pojemność zasobnika nr 1 musi być większa od zera.");
  }
  if (LiczbaZasobnikow != 1 && !(Tank2Volume > 0)) {
    throw DesignInputError("Tank2Volume", "Pojemność zasobnika nr 2 musi być większa od zera.");
  }
  calc::RequireUsableLatitude(SzerokoscGeograficzna);

  const int steps = temperatureSteps;
  const double n = LiczbaKolektorow;
  const double area = CollectorArea;
  const float tankTemp = TemperaturaWodyWZasobniku;
  const float coldWater = TemperaturaWodySieci;

  // Collector efficiency at a temperature quantity x and a class irradiance g.
  auto efficiency = [&](double x, double g) {
    return CollectorEta0 * 0.01 - ((x / g) * CollectorK1 + (x * x / g) * CollectorK2);
  };

  // 1. Preparation.
  EffectiveTankVolume = 0;
  for (int m = 0; m < 12; ++m) {
    TemperatureCeiling[m] = 0;
    for (float& t : StepTemperature[m]) t = 0;
    for (float& e : StepClassEfficiency[m]) e = 0;  // the step sums until step 4 divides them
  }
  // The first tank counts with three quarters of its volume, a second tank with the first whole.
  EffectiveTankVolume =
      LiczbaZasobnikow == 1
          ? static_cast<float>(0.75 * Tank1Volume)
          : static_cast<float>(0.75 * Tank2Volume + static_cast<double>(Tank1Volume));
  TotalTankVolume = LiczbaZasobnikow == 2
                        ? static_cast<float>(static_cast<double>(Tank1Volume) + Tank2Volume)
                        : Tank1Volume;
  const double volume = EffectiveTankVolume;

  float classIrradiance[12][4];
  bool sunlit[12];  // the collector plane receives insolation this month
  for (int m = 0; m < 12; ++m) {
    sunlit[m] = calc::Sunlit(Naslonecznienie[m], TiltFactor[m]);
    const float dayLength = solar::DayLength(SzerokoscGeograficzna, m);
    for (int k = 0; k < 4; ++k) {
      classIrradiance[m][k] =
          static_cast<float>(static_cast<double>(TiltFactor[m]) * kClassValue[k] *
                             Naslonecznienie[m] / (static_cast<double>(dayLength) * 7.5));
    }
  }
  // Energy the tank can store between cold water and tank temperature, kWh.
  const float storable =
      static_cast<float>((static_cast<double>(tankTemp) - coldWater) * 34.8 * volume * 0.001);

  // 2. Step ladder: water temperatures from the cold water upwards, capped by what one day's
  // solar gain can raise the daily heated volume to.
  for (int m = 0; m < 12; ++m) {
    if (!sunlit[m]) continue;
    const double dailyGain = n * Naslonecznienie[m] * 500 * area * TiltFactor[m];
    // The persons' daily hot water while the tank holds the month's demand and losses, else the
    // effective tank volume.
    const double heatedVolume = static_cast<double>(hotWaterDemand) + HeatLoss[m][0] <= storable
                                    ? static_cast<double>(LiczbaOsob) * DCWU
                                    : volume;
    for (int j = 0; j < steps; ++j) {
      float t = static_cast<float>(j * (tankTemp / (steps * 0.5)) + coldWater);
      const float ceiling = static_cast<float>(dailyGain / (heatedVolume * 30 * 1.16) + 5);
      TemperatureCeiling[m] = ceiling;
      if (t > ceiling && ceiling < tankTemp) t = static_cast<float>(ceiling + 5.0);
      if (t > ceiling && ceiling > tankTemp) t = static_cast<float>(tankTemp + 5.0);
      if (t < 8) t = 8;
      StepTemperature[m][j] = t;
      for (int k = 0; k < 4; ++k) {
        float eta = static_cast<float>(efficiency(t, classIrradiance[m][k]));
        if (eta < 0) eta = 0.05f;
        StepClassEfficiency[m][k] += eta;
      }
    }
  }

  // 3. Hot share: the part of the gain the tank cannot store works at the hot temperature, or in
  // pool and central-heating months at that circuit's temperature difference to the air.
  for (int m = 0; m < 12; ++m) {
    if (!sunlit[m]) {
      StorageShare[m] = HotShare[m] = HotTemperature[m] = HotEfficiency[m] = 0;
      for (int k = 0; k < 4; ++k) HotClassEfficiency[m][k] = 0;
      continue;
    }
    float share =
        static_cast<float>(storable / (n * TiltFactor[m] * 0.5 * Naslonecznienie[m] * area));
    if (share > 1) share = 1;
    StorageShare[m] = share;
    HotShare[m] = static_cast<float>(1.0 - share);

    auto weigh = [&](double x, float floor) {
      for (int k = 0; k < 4; ++k) {
        float eta = static_cast<float>(efficiency(x, classIrradiance[m][k]));
        if (eta < 0) eta = floor;
        HotClassEfficiency[m][k] = eta;
      }
      float weighted = static_cast<float>(Weighted(HotClassEfficiency[m]));
      HotEfficiency[m] = weighted < 0 ? 0.0f : weighted;
    };

    HotTemperature[m] = LiczbaZasobnikow == 1 ? static_cast<float>(tankTemp + 10.0) : tankTemp;
    weigh(HotTemperature[m], 0.1f);
    if (Basen && BasenOd <= m && m <= BasenDo) {
      HotTemperature[m] = 30;  // pool water, stored only; the efficiency works at 25 degrees
      weigh(25.0 - Temperatura[m], 0.1f);
    }
    if (CWUCO == 1 && calc::HeatingMonth(m)) {
      HotTemperature[m] = static_cast<float>(tankTemp + 10.0);
      weigh((static_cast<double>(TemperaturaZasilania) + TemperaturaPowrotu) * 0.5 - Temperatura[m],
            0.0f);
    }
  }

  // 4. Month result: the hot-share efficiency and the ladder's average blended by the storage
  // share.
  for (int m = 0; m < 12; ++m) {
    if (!sunlit[m]) {
      CollectorEfficiency[m] = 0;
      continue;
    }
    if (steps > 0) {
      for (int k = 0; k < 4; ++k) {
        StepClassEfficiency[m][k] =
            static_cast<float>(static_cast<double>(StepClassEfficiency[m][k]) / steps);
      }
    }
    const double share = StorageShare[m];
    CollectorEfficiency[m] = static_cast<float>(
        100 * (HotEfficiency[m] * (1 - share) + Weighted(StepClassEfficiency[m]) * share));
  }
}
