// Helpers shared by the calculation files of the design state; internal to the engine.
#pragma once

#include "engine/climate.h"
#include "engine/design_error.h"
#include "engine/numtext.h"
#include "engine/solar_geometry.h"

namespace calc {

// Central heating takes solar heat from January to April and from September to December.
inline bool HeatingMonth(int m) {
  return m <= 3 || m >= 8;
}

// The collector plane receives insolation in a month with positive horizontal insolation and a
// positive tilt factor; in any other month the field delivers nothing.
inline bool Sunlit(float insolation, float tiltFactor) {
  return insolation > 0 && tiltFactor > 0;
}

// Refuses a latitude at which the monthly method has no day length.
inline void RequireUsableLatitude(float latitude) {
  if (!climate::LatitudeUsable(latitude)) {
    throw DesignInputError("SzerokoscGeograficzna",
                           "Szerokość geograficzna lokalizacji (" + GeneralText(latitude, 6, 2) +
                               "°) jest poza zakresem metody obliczeń: w niektórych miesiącach "
                               "panuje dzień lub noc polarna. Wybierz lokalizację położoną bliżej "
                               "równika.");
  }
}

}  // namespace calc
