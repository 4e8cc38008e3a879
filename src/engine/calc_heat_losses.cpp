// Monthly heat losses of tanks, pipes and circulation, and the pool's monthly energy need.
#include <cmath>
#include <string>

#include "engine/numtext.h"
#include "engine/vindargast2.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// Share of a day's standby loss that one tank loses, per month (30 days).
constexpr double kOneTankMonthFactor[12] = {0.0007,  0.00075, 0.00075, 0.0008, 0.00085, 0.0009,
                                            0.00095, 0.0009,  0.00085, 0.0008, 0.00075, 0.0007};
// With two tanks: weight of the first (a) and of the second (b), per month.
constexpr double kFirstTankWeight[12] = {0.7,  0.75, 0.75, 0.8, 0.85, 0.9,
                                         0.95, 0.9,  0.85, 0.8, 0.75, 0.7};
constexpr double kSecondTankWeight[12] = {0.4, 0.45, 0.5,  0.55, 0.6,  0.6,
                                          0.6, 0.6,  0.55, 0.5,  0.45, 0.4};

std::string Num(float value) {
  return GeneralText(value, 6, 2);
}

// The wall formula needs a positive inner diameter and a thickness that is no negative.
void RequireTank(int number, float diameter, float thickness) {
  const std::string tank = "Tank" + std::to_string(number);
  if (!(thickness >= 0)) {
    throw DesignInputError(tank + "InsulationThickness",
                           "Grubość izolacji zasobnika nr " + std::to_string(number) + " (" +
                               Num(thickness) + " mm) nie może być ujemna.");
  }
  if (!(static_cast<double>(diameter) > 2.0 * thickness)) {
    throw DesignInputError(tank + "Diameter", "Średnica zasobnika nr " + std::to_string(number) +
                                                  " (" + Num(diameter) +
                                                  " mm) musi być większa od dwukrotnej grubości "
                                                  "jego izolacji (" +
                                                  Num(thickness) + " mm).");
  }
}

// Standby loss of one tank per day, Wh: side wall through the insulation plus the two lids.
float TankDailyLoss(float d, float t, float h, float tankTemp, float ambient) {
  const float inner = static_cast<float>(static_cast<double>(d) - 2.0 * t);
  const float resistance = static_cast<float>(
      1000 / (12.5 * d) + 14.285714285714285 * std::log((d * 0.001) / (inner * 0.001)));
  const float wallCoefficient = static_cast<float>(kPi / resistance);
  const double difference = static_cast<double>(tankTemp) - ambient;
  const float side =
      static_cast<float>((static_cast<double>(h) - 2.0 * t) * difference * wallCoefficient * 0.024);
  const float lidCoefficient = static_cast<float>(1 / (t * 3.5e-05 + 0.08));
  const double lidDiameter = inner * 0.002;
  const float lidArea = static_cast<float>(lidDiameter * lidDiameter * kTwoPi);
  const float lid = static_cast<float>(difference * lidCoefficient * lidArea * 24);
  return static_cast<float>(static_cast<double>(side) + lid);
}

}  // namespace

void CVindargast2::ComputeHeatLosses(const float* sunshineHours, const float* airTemperatures,
                                     uint8_t pipesInsulated, uint8_t poolCovered) {
  // Refuse what the formulas cannot use before anything is stored.
  const bool twoTanks = LiczbaZasobnikow != 1;
  RequireTank(1, Tank1Diameter, Tank1InsulationThickness);
  if (twoTanks) RequireTank(2, Tank2Diameter, Tank2InsulationThickness);
  if (SrednicaPrzewodu <= 0) {
    throw DesignInputError("SrednicaPrzewodu", "Średnica przewodu (" +
                                                   std::to_string(SrednicaPrzewodu) +
                                                   " mm) musi być większa od zera.");
  }
  if (pipesInsulated) {
    if (!(InsulationLambda > 0)) {
      throw DesignInputError("InsulationLambda",
                             "Współczynnik przewodzenia ciepła izolacji przewodów (" +
                                 Num(InsulationLambda) + " W/mK) musi być większy od zera.");
    }
    if (!(OutdoorInsulationThickness > 0)) {
      throw DesignInputError("OutdoorInsulationThickness",
                             "Grubość izolacji przewodów na zewnątrz budynku (" +
                                 Num(OutdoorInsulationThickness) +
                                 " mm) musi być większa od zera.");
    }
    if (!(IndoorInsulationThickness > 0)) {
      throw DesignInputError("IndoorInsulationThickness",
                             "Grubość izolacji przewodów wewnątrz budynku (" +
                                 Num(IndoorInsulationThickness) + " mm) musi być większa od zera.");
    }
  }
  if (Basen) {
    const struct {
      const char* field;
      float value;
    } dimensions[] = {{"BasenDlugosc", BasenDlugosc},
                      {"BasenSzerokosc", BasenSzerokosc},
                      {"BasenGlebokosc", BasenGlebokosc}};
    for (const auto& dimension : dimensions) {
      if (!(dimension.value > 0)) {
        throw DesignInputError(dimension.field,
                               "Wymiary basenu (długość, szerokość i głębokość) muszą być "
                               "większe od zera.");
      }
    }
  }

  const float tankTemp = TemperaturaWodyWZasobniku;
  const float ambient = TemperaturaOtoczeniaZasobnika;
  const float tank1 =
      TankDailyLoss(Tank1Diameter, Tank1InsulationThickness, Tank1Height, tankTemp, ambient);
  const float tank2 = twoTanks ? TankDailyLoss(Tank2Diameter, Tank2InsulationThickness, Tank2Height,
                                               tankTemp, ambient)
                               : 0.0f;

  // Loss per metre and kelvin of the outdoor and indoor pipes, W/(m K).
  const double pipe = SrednicaPrzewodu * 0.001;  // m
  float outdoorCoefficient;
  float indoorCoefficient;
  if (pipesInsulated) {
    // The film term uses the bare pipe's diameter.
    auto insulated = [&](float thickness) {
      const float outer = static_cast<float>((SrednicaPrzewodu + 2.0 * thickness) * 0.001);
      return static_cast<float>(
          kPi / (std::log(outer / pipe) * (1 / (2.0 * InsulationLambda)) + 1 / (pipe * 12.5)));
    };
    outdoorCoefficient = insulated(OutdoorInsulationThickness);
    indoorCoefficient = insulated(IndoorInsulationThickness);
  } else {
    outdoorCoefficient = indoorCoefficient =
        static_cast<float>(kPi / (1000 / (12.5 * SrednicaPrzewodu)));
  }

  // The solar pipes run 15 % above the tank temperature.
  const float pipeTemp = static_cast<float>(static_cast<double>(tankTemp) * 0.15 + tankTemp);
  for (int m = 0; m < 12; ++m) {
    const float tankLoss =
        twoTanks ? static_cast<float>((static_cast<double>(tank2) * kSecondTankWeight[m] +
                                       static_cast<double>(tank1) * kFirstTankWeight[m]) *
                                      0.03)
                 : static_cast<float>(static_cast<double>(tank1) * 30 * kOneTankMonthFactor[m]);
    // The solar pipes lose heat while the sun shines; the circulation runs its hours for 30 days.
    OutdoorPipeLoss[m] =
        static_cast<float>((static_cast<double>(pipeTemp) - airTemperatures[m]) *
                           outdoorCoefficient * DlugoscPrzewodowNaZewnatrz * sunshineHours[m]);
    IndoorPipeLoss[m] =
        static_cast<float>((static_cast<double>(pipeTemp) - ambient) * indoorCoefficient *
                           DlugoscPrzewodowWewnatrz * sunshineHours[m]);
    CirculationLoss[m] =
        (DlugoscPrzewodowCyrkulacyjnych == 0 || CzasPracyPompyCyrkulacyjnej == 0)
            ? 0.0f
            : static_cast<float>((static_cast<double>(pipeTemp) - ambient) * indoorCoefficient *
                                 DlugoscPrzewodowCyrkulacyjnych * CzasPracyPompyCyrkulacyjnej * 30);
    const double withoutCirculation =
        static_cast<double>(tankLoss) + OutdoorPipeLoss[m] + IndoorPipeLoss[m];
    HeatLoss[m][0] = static_cast<float>((withoutCirculation + CirculationLoss[m]) * 0.001);
    HeatLoss[m][1] = static_cast<float>(withoutCirculation * 0.001);
  }

  if (Basen) {
    const double surfaceFactor = poolCovered == 1 ? 7.5 : 19.0;
    const double width = BasenSzerokosc;
    const double length = BasenDlugosc;
    const double depth = BasenGlebokosc;
    PoolWallLoss =
        static_cast<float>((width * length + 2 * length * depth + 2 * width * depth) * 25);
    PoolSurfaceLoss = static_cast<float>(surfaceFactor * 13 * 10 * width * length);
    PoolEnergyDemand =
        static_cast<float>((static_cast<double>(PoolWallLoss) + PoolSurfaceLoss) * 30 * 0.001);
  } else {
    PoolEnergyDemand = 0;
  }
}
