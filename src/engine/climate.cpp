#include "engine/climate.h"

#include "engine/solar_geometry.h"

namespace climate {

bool LatitudeUsable(float latitude) {
  for (int m = 0; m < 12; ++m) {
    const double cosine = solar::HorizontalSunsetCosine(latitude, m);
    if (!(cosine > -1.0 && cosine < 1.0)) return false;
    if (!(solar::DayLength(latitude, m) > 0.0f)) return false;
  }
  return true;
}

int HoursOfMonth(int m) {
  static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[m] * 24;
}

// The comparisons are written so that a NaN fails them.
bool InsolationUsable(float insolation) {
  return insolation >= 0.0f;
}

bool MeanTemperatureUsable(float temperature) {
  return temperature >= kLowestMeanTemperature && temperature <= kHighestMeanTemperature;
}

bool SunshineHoursUsable(int m, float hours) {
  return hours >= 0.0f && hours <= static_cast<float>(HoursOfMonth(m));
}

}  // namespace climate
