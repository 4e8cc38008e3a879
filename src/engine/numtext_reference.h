// The number texts computed from the value's whole exact decimal expansion (up to 767 digits),
// the slow and obviously exact way. The writers of numtext.h must give the same texts for every
// value; the tests and benchmarks compare them against these.
#pragma once

#include <string>

#include "engine/numtext.h"

namespace numtext_reference {

std::string GeneralText(double value, int precision, int digits);
std::string FixedText(double value, int precision, int digits);
std::string CurrencyText(double value, int precision, const CurrencyFormat& format);

}  // namespace numtext_reference
