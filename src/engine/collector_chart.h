// The collector's efficiency curve that the collector window plots: the efficiency of the
// collector at a temperature difference dT (K) between the absorber and the air under the
// irradiance G (W/m2), eta(dT) = eta0 / 100 - (dT / G x k1 + dT^2 / G x k2), evaluated in double
// and stored as a float.
#pragma once

#include <vector>

// eta0 in percent, k1 in W/(m2 K), k2 in W/(m2 K2), irradiance in W/m2.
float CollectorEfficiency(float eta0Percent, float k1, float k2, float dT, float irradiance);

// The efficiencies of dT = 0, 1, ... up to 179 K, ending before the first value that is not above
// 0 (that point is not plotted). An irradiance that is not above 0 gives no curve: the formula
// divides by it.
std::vector<float> EfficiencyCurve(float eta0Percent, float k1, float k2, float irradiance);
