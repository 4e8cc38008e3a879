// Mean solar declination of each month, degrees, January to December. Used by the tilt factors,
// the day lengths of the collector simulation and the insolation-correction window.
#pragma once

inline constexpr float MonthlyDeclination[12] = {-21, -13, -2, 9, 18, 23, 21, 13, 2, -10, -19, -23};
