#include "engine/cost_limit.h"

#include <cmath>

#include "engine/numtext.h"

bool FloatHolds(double value) {
  return std::isfinite(static_cast<float>(value));
}

std::string TooLargeProduct(const std::string& what, const std::string& first, const std::string& a,
                            const std::string& second, double b) {
  return what + ": " + first + " (" + a + ") razy " + second + " (" + GeneralText(b, 6, 2) +
         " zł) daje koszt zbyt duży do obliczenia.";
}
