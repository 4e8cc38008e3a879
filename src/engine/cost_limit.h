// Costs and results are stored as floats: a product or sum of typed values beyond what a float
// holds would be carried on as infinity into the other windows, the report and the project file.
#pragma once

#include <string>

bool FloatHolds(double value);

// "<what>: <first> (<a>) razy <second> (<b> zł) daje koszt zbyt duży do obliczenia.", the two
// factors named by the captions of their edits; a is the first one's text with its unit.
std::string TooLargeProduct(const std::string& what, const std::string& first, const std::string& a,
                            const std::string& second, double b);
