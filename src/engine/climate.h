// What a location's climate may hold: the checks a catalogue row of the location editor passes
// before it is stored, and the latitude range of the monthly method that the compute command
// applies to the chosen location. One rule for both, so that a location the editor stores is
// never refused later by the compute.
#pragma once

namespace climate {

// Whether the monthly method has a meaning at the latitude (degrees, south below 0): every month
// has a sunrise and a sunset and a positive corrected day length. Nearer the poles (about 66.8
// degrees and beyond) it has none.
bool LatitudeUsable(float latitude);

// Monthly mean air temperature, degrees Celsius: no place on Earth has a month's mean outside
// this range (the coldest monthly means measured lie near -70, the warmest near 40).
inline constexpr float kLowestMeanTemperature = -90.0f;
inline constexpr float kHighestMeanTemperature = 60.0f;

// Hours in month m (0 = January): its days x 24. February counts 29 days: a row may hold the
// sunshine of one leap year's February, and the check refuses only what no month can hold.
int HoursOfMonth(int m);

// A month's insolation on the horizontal plane (kWh/m2): no negative energy.
bool InsolationUsable(float insolation);
// A month's mean air temperature within the range above.
bool MeanTemperatureUsable(float temperature);
// A month's sunshine hours from 0 to the month's hours.
bool SunshineHoursUsable(int m, float hours);

}  // namespace climate
