#include "engine/collector_chart.h"

float CollectorEfficiency(float eta0Percent, float k1, float k2, float dT, float irradiance) {
  const double t = dT;
  const double g = irradiance;
  return static_cast<float>(eta0Percent / 100.0 - (t / g * k1 + t * t / g * k2));
}

std::vector<float> EfficiencyCurve(float eta0Percent, float k1, float k2, float irradiance) {
  std::vector<float> curve;
  if (!(irradiance > 0.0f)) return curve;
  for (int dT = 0; dT < 180; ++dT) {
    const float eta = CollectorEfficiency(eta0Percent, k1, k2, static_cast<float>(dT), irradiance);
    if (!(eta > 0.0f)) break;
    curve.push_back(eta);
  }
  return curve;
}
