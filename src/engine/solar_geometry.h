// Angle conversions and the day length shared by the tilt factors and the collector simulation.
// Internal to the engine's calculation files.
#pragma once

#include <cmath>

#include "engine/monthly_declination.h"

namespace solar {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kOneOver180 = 1.0 / 180.0;
inline constexpr double kRadToDeg = 57.29577951308232;

inline double Rad(double degrees) {
  return degrees * kPi * kOneOver180;
}

// acos that never yields NaN: arguments outside [-1, 1] (and NaN, which compares false) are
// clamped, as solar geometry does where a plane never sees the sun set or rise.
inline double ClampedAcos(double x) {
  if (!(x >= -1.0)) x = -1.0;
  if (!(x <= 1.0)) x = 1.0;
  return std::acos(x);
}

// Cosine of the horizontal sunset hour angle, -tan(phi) x tan(delta), of month m.
inline double HorizontalSunsetCosine(float latitude, int m) {
  return -std::tan(Rad(latitude)) * std::tan(Rad(MonthlyDeclination[m]));
}

// Hours of daylight the collector simulation counts in month m: the astronomical day length
// (24 / pi) x omega_s plus a fixed monthly correction. Stored as a float.
inline constexpr double kDayLengthCorrection[12] = {-1.0, -0.8, -0.6, -0.4, 0,    0.5,
                                                    0,    0.5,  0,    -0.6, -0.8, -1.0};
inline float DayLength(float latitude, int m) {
  double cosine = -std::tan(Rad(MonthlyDeclination[m])) * std::tan(Rad(latitude));
  return static_cast<float>(7.639437268410977 * ClampedAcos(cosine) + kDayLengthCorrection[m]);
}

}  // namespace solar
