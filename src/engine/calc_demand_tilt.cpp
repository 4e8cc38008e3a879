// Hot-water demand and the monthly tilt factors of the collector plane.
#include <cmath>

#include "engine/calc_common.h"
#include "engine/vindargast2.h"

using solar::ClampedAcos;
using solar::kPi;
using solar::kRadToDeg;
using solar::Rad;

namespace {

// Share of the beam factor in each month's tilt factor; the rest is the diffuse factor.
constexpr double kBeamWeight[12] = {0.4, 0.4, 0.4, 0.4, 0.45, 0.5, 0.5, 0.5, 0.45, 0.4, 0.4, 0.4};

}  // namespace

float CVindargast2::ComputeHotWaterDemand(float persons, float litresPerPersonAndDay,
                                          float coldWater, float hotWater) {
  // 30 days a month, 1.16 Wh to heat one litre by one kelvin.
  HotWaterEnergy = static_cast<float>(static_cast<double>(litresPerPersonAndDay) * persons * 30 *
                                      1.16 * (static_cast<double>(hotWater) - coldWater) * 0.001);
  return HotWaterEnergy;
}

void ComputeBeamFactors(float azimuth, float tilt, float latitude, float beam[12]) {
  calc::RequireUsableLatitude(latitude);

  const double phi = Rad(latitude);
  const double beta = Rad(tilt);
  const double gamma = Rad(azimuth);
  const double phiMinusBeta = Rad(static_cast<double>(latitude) - tilt);

  // Azimuth term A of the collector plane's sunset angle; only for a plane turned from south.
  float a = 0;
  if (azimuth != 0.0f) {
    a = static_cast<float>(std::cos(phi) / (std::sin(gamma) * std::tan(beta)) +
                           std::sin(phi) / std::tan(gamma));
  }

  for (int m = 0; m < 12; ++m) {
    const double delta = Rad(MonthlyDeclination[m]);
    // Sunset hour angle on the horizontal and on the collector plane, degrees.
    const float omegaS =
        static_cast<float>(std::acos(solar::HorizontalSunsetCosine(latitude, m)) * kRadToDeg);
    float omega;
    if (azimuth == 0.0f) {
      // Facing south the plane behaves as a horizontal one at latitude phi - beta in the months of
      // positive declination, and sets with the horizon in the others.
      const double phiM = MonthlyDeclination[m] > 0 ? phiMinusBeta : phi;
      omega = static_cast<float>(ClampedAcos(-std::tan(phiM) * std::tan(delta)) * kRadToDeg);
    } else {
      const float b = static_cast<float>(
          std::tan(delta) *
          (std::cos(phi) / std::tan(gamma) - std::sin(phi) / (std::sin(gamma) * std::tan(beta))));
      const double aa = static_cast<double>(a) * a;
      const double bb = static_cast<double>(b) * b;
      // The radicand turns negative only where the plane never sees the sun set; clamped at 0.
      const double root = std::sqrt(std::fmax(aa - bb + 1, 0.0));
      const float omegaPlane = static_cast<float>(
          ClampedAcos((static_cast<double>(a) * b + root) / (aa + 1)) * kRadToDeg);
      omega = omegaPlane <= omegaS ? omegaPlane : omegaS;
    }

    const float beamNumerator =
        static_cast<float>(std::cos(phiMinusBeta) * std::cos(delta) * std::sin(Rad(omega)) +
                           omega * kPi / 180 * std::sin(phiMinusBeta) * std::sin(delta));
    const float beamDenominator =
        static_cast<float>(std::cos(phi) * std::cos(delta) * std::sin(Rad(omegaS)) +
                           omegaS * kPi / 180 * std::sin(phi) * std::sin(delta));
    beam[m] = static_cast<float>(static_cast<double>(beamNumerator) / beamDenominator);
  }
}

float DiffuseFactor(float tilt) {
  return static_cast<float>((std::cos(Rad(tilt)) + 1) * 0.5);
}

void CVindargast2::ComputeTiltFactors(float azimuth, float tilt, float latitude) {
  calc::RequireUsableLatitude(latitude);

  // A horizontal collector sees exactly the horizontal insolation; with an azimuth the formulas
  // below would have no value.
  if (tilt == 0.0f && azimuth != 0.0f) {
    for (float& factor : TiltFactor) factor = 1.0f;
    return;
  }

  float beam[12];
  ComputeBeamFactors(azimuth, tilt, latitude, beam);
  const float diffuse = DiffuseFactor(tilt);
  for (int m = 0; m < 12; ++m)
    TiltFactor[m] = static_cast<float>(kBeamWeight[m] * beam[m] + (1 - kBeamWeight[m]) * diffuse);
}
