// Number texts. Rounding works on the exact decimal expansion of the stored binary value, so a
// float is rounded as what it holds (2.3f is 2.2999999523...), and a 5 in the first dropped
// place rounds away from zero. The expansion is taken 25 digits long, correctly rounded, and in
// full only where those digits cannot decide. std::to_chars/std::from_chars are locale-free;
// nothing here may go through printf, strtod or iostreams, which follow the process locale.
#include "engine/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "engine/numtext_reference.h"

namespace {

// A finite value as sign, significant digits without trailing zeros and a decimal exponent:
// value = 0.d1d2d3... x 10^exponent. No digits means zero.
//
// The digits are either the value's whole exact expansion (exact) or its first kShortDigits
// digits, correctly rounded by std::to_chars. The short form decides every rounding to at most
// 18 digits but one: when the digits after the rounding place read exactly "5", the stored value
// may be a true tie (rounded away from zero), or lie a hair to either side of one, which only
// the exact expansion tells.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  double value = 0;    // the stored value the digits stand for
  bool exact = false;  // digits hold the whole exact expansion

  bool IsZero() const { return digits.empty(); }
  // A digit counted from the first significant one (index 0); outside the digits it is 0.
  char DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
  }
};

// Any double's exact decimal expansion has fewer than 770 significant digits, so 800 digits
// after the first one are exact and std::to_chars never has to round.
constexpr int kExactDigits = 800;
// Far more than the 18 digits a text keeps: the short form's own rounding at the 25th digit
// cannot move a digit up to the 19th unless the dropped part reads "5" followed by zeros.
constexpr int kShortDigits = 25;

// The digits and exponent of a magnitude that std::to_chars wrote in scientific form,
// "d.ddd...e+XX" or "d.ddd...e-XXX".
Decimal ParseScientific(double value, const char* first, const char* end) {
  Decimal d;
  d.value = value;
  d.negative = std::signbit(value);
  const char* e = std::find(first, end, 'e');
  d.digits.reserve(e - first);
  for (const char* p = first; p != e; ++p)
    if (*p != '.') d.digits.push_back(*p);
  const char* exponentText = e + 1;
  if (*exponentText == '+') ++exponentText;
  int scientificExponent = 0;
  std::from_chars(exponentText, end, scientificExponent);
  d.exponent = scientificExponent + 1;
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

// The value's first `significant` digits in scientific form, correctly rounded.
Decimal ScientificDecimal(double value, int significant) {
  if (value == 0) {
    Decimal zero;
    zero.negative = std::signbit(value);
    return zero;
  }
  char buffer[kExactDigits + 32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, significant - 1);
  return ParseScientific(value, buffer, result.ptr);
}

Decimal ExactDecimal(double value) {
  Decimal d = ScientificDecimal(value, kExactDigits + 1);
  d.exact = true;
  return d;
}

Decimal ShortDecimal(double value) {
  return ScientificDecimal(value, kShortDigits);
}

void DropTrailingZeros(Decimal& d) {
  const auto last = d.digits.find_last_not_of('0');
  d.digits.erase(last == std::string::npos ? 0 : last + 1);
}

// Whether |value| lies exactly halfway between two multiples of 10^place, i.e. is
// (2k + 1) x 10^place / 2 for an integer k. Exact: only scaling by powers of two and integer
// arithmetic below 2^53.
bool IsTie(double value, int place) {
  const double magnitude = std::fabs(value);
  constexpr double kTwoTo53 = 9007199254740992.0;  // doubles from here on are even integers
  if (place <= 0) {
    // (2k + 1) / (2^(1 - place) x 5^(-place)) is a double only when 5^(-place) divides 2k + 1,
    // so a tie is exactly an odd integer once multiplied by 2^(1 - place).
    const double scaled = std::ldexp(magnitude, 1 - place);
    return scaled < kTwoTo53 && std::floor(scaled) == scaled && std::fmod(scaled, 2.0) == 1.0;
  }
  // (2k + 1) x 5^place x 2^(place - 1): an odd multiple of 5^place once divided by 2^(place - 1).
  const double scaled = std::ldexp(magnitude, 1 - place);
  if (!(scaled < kTwoTo53) || std::floor(scaled) != scaled || std::fmod(scaled, 2.0) != 1.0)
    return false;
  const auto odd = static_cast<uint64_t>(scaled);
  uint64_t power = 1;
  for (int i = 0; i < place; ++i) {
    if (power > odd / 5) return false;
    power *= 5;
  }
  return odd % power == 0;
}

// Whether rounding to `keep` digits carries the magnitude up: a 5 or more in the first dropped
// place of the exact expansion. May replace a short d by the exact expansion when only that
// can tell.
bool RoundsUp(Decimal& d, int keep) {
  const char first = d.digits[keep];
  if (first != '5' || static_cast<int>(d.digits.size()) > keep + 1) return first >= '5';
  // The dropped digits read exactly "5": exact digits, or a true tie, round up.
  if (d.exact || IsTie(d.value, d.exponent - keep)) return true;
  d = ExactDecimal(d.value);
  return keep < static_cast<int>(d.digits.size()) && d.digits[keep] >= '5';
}

// Keeps the first `keep` significant digits; a 5 or more in the first dropped one rounds the
// magnitude up. keep 0 rounds at the place just before the first digit, fewer leaves zero.
void RoundToDigits(Decimal& d, int keep) {
  if (d.IsZero() || keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = RoundsUp(d, keep);
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      // All nines (or nothing kept): the value becomes the next power of ten.
      d.digits = "1";
      ++d.exponent;
    }
  }
  DropTrailingZeros(d);
}

const char* NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

int ClampPrecision(int precision) {
  return std::clamp(precision, 2, 18);
}

// The integer part (at least "0") and exactly `decimals` decimals after ".", no sign.
std::string PlainDigits(const Decimal& d, int decimals, const std::string& thousandsSeparator) {
  std::string integer;
  if (d.IsZero() || d.exponent <= 0) {
    integer = "0";
  } else {
    for (int i = 0; i < d.exponent; ++i) {
      if (i > 0 && (d.exponent - i) % 3 == 0) integer += thousandsSeparator;
      integer.push_back(d.DigitAt(i));
    }
  }
  if (decimals <= 0) return integer;
  integer.push_back('.');
  for (int i = 0; i < decimals; ++i) integer.push_back(d.DigitAt(d.exponent + i));
  return integer;
}

// Lays out an amount by a currency pattern: "¤" is the symbol, "1" the amount.
std::string ApplyCurrencyPattern(std::string_view pattern, const std::string& symbol,
                                 const std::string& amount) {
  constexpr std::string_view kSymbol = "¤";
  std::string out;
  while (!pattern.empty()) {
    if (pattern.substr(0, kSymbol.size()) == kSymbol) {
      out += symbol;
      pattern.remove_prefix(kSymbol.size());
    } else {
      if (pattern.front() == '1')
        out += amount;
      else
        out.push_back(pattern.front());
      pattern.remove_prefix(1);
    }
  }
  return out;
}

[[noreturn]] void FailFloat(std::string_view text) {
  throw NumberConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void FailInt(std::string_view text) {
  throw NumberConversionError("'" + std::string(text) + "' is not a valid integer value");
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

using DecimalSource = Decimal (*)(double);

// Lays out digits that need no more rounding by the rules of G(P, D).
std::string GeneralLayout(const Decimal& d, int precision, int digits) {
  if (d.IsZero()) return "0";
  std::string text = d.negative ? "-" : "";
  const int x = d.exponent;
  if (x > precision || x < -3) {
    text.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
      text.push_back('.');
      text.append(d.digits, 1, std::string::npos);
    }
    text.push_back('E');
    const int shown = x - 1;
    if (shown < 0) text.push_back('-');
    const std::string exponent = std::to_string(shown < 0 ? -shown : shown);
    if (static_cast<int>(exponent.size()) < digits) text.append(digits - exponent.size(), '0');
    text += exponent;
  } else if (x <= 0) {
    text += "0.";
    text.append(-x, '0');
    text += d.digits;
  } else {
    for (int i = 0; i < x; ++i) text.push_back(d.DigitAt(i));
    if (static_cast<int>(d.digits.size()) > x) {
      text.push_back('.');
      text.append(d.digits, x, std::string::npos);
    }
  }
  return text;
}

std::string GeneralFrom(DecimalSource source, double value, int precision, int digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = ClampPrecision(precision);
  if (digits < 0 || digits > 4) digits = 0;

  Decimal d = source(value);
  RoundToDigits(d, precision);
  return GeneralLayout(d, precision, digits);
}

std::string FixedFrom(DecimalSource source, double value, int precision, int digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = ClampPrecision(precision);
  digits = std::clamp(digits, 0, 18);

  Decimal d = source(value);
  Decimal significant = d;
  RoundToDigits(significant, precision);
  if (!significant.IsZero() && significant.exponent > precision)
    return GeneralFrom(source, value, precision, digits);

  // One rounding, at whichever place drops more digits.
  RoundToDigits(d, std::min(precision, d.exponent + digits));
  // A value that rounds to zero is written without a sign.
  return (d.negative && !d.IsZero() ? "-" : "") + PlainDigits(d, digits, "");
}

std::string CurrencyFrom(DecimalSource source, double value, int precision,
                         const CurrencyFormat& format) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = ClampPrecision(precision);

  Decimal d = source(value);
  RoundToDigits(d, std::min(precision, d.exponent + 2));
  if (!d.IsZero() && d.exponent > precision) return GeneralFrom(source, value, precision, 2);

  static const char* const kPositive[] = {"¤1", "1¤", "¤ 1", "1 ¤"};
  static const char* const kNegative[] = {"(¤1)", "-¤1",  "¤-1",   "¤1-",  "(1¤)", "-1¤",
                                          "1-¤",  "1¤-",  "-1 ¤",  "-¤ 1", "1 ¤-", "¤ 1-",
                                          "¤ -1", "1- ¤", "(¤ 1)", "(1 ¤)"};
  // A format outside the known ones gets the default layout of CurrencyFormat.
  const CurrencyFormat defaults;
  const std::string amount = PlainDigits(d, 2, format.thousandsSeparator);
  if (d.negative && !d.IsZero()) {
    const int n = format.negativeFormat >= 0 && format.negativeFormat < 16
                      ? format.negativeFormat
                      : defaults.negativeFormat;
    return ApplyCurrencyPattern(kNegative[n], format.symbol, amount);
  }
  const int p = format.positiveFormat >= 0 && format.positiveFormat < 4 ? format.positiveFormat
                                                                        : defaults.positiveFormat;
  return ApplyCurrencyPattern(kPositive[p], format.symbol, amount);
}

}  // namespace

std::string GeneralText(double value, int precision, int digits) {
  return GeneralFrom(ShortDecimal, value, precision, digits);
}

std::string FixedText(double value, int precision, int digits) {
  return FixedFrom(ShortDecimal, value, precision, digits);
}

std::string CurrencyText(double value, int precision, const CurrencyFormat& format) {
  return CurrencyFrom(ShortDecimal, value, precision, format);
}

namespace numtext_reference {

std::string GeneralText(double value, int precision, int digits) {
  return GeneralFrom(ExactDecimal, value, precision, digits);
}

std::string FixedText(double value, int precision, int digits) {
  return FixedFrom(ExactDecimal, value, precision, digits);
}

std::string CurrencyText(double value, int precision, const CurrencyFormat& format) {
  return CurrencyFrom(ExactDecimal, value, precision, format);
}

}  // namespace numtext_reference

float ReadFloat(std::string_view text) {
  // [+-] digits [. digits] [(E|e) [+-] digits], at least one digit in the mantissa.
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  if (p != end && (*p == '+' || *p == '-')) ++p;
  // std::from_chars takes "-" but no "+".
  const char* const numberStart = p != begin && *begin == '+' ? p : begin;

  // The decimal exponent of the first significant digit tells overflow from underflow when
  // the float cannot hold the value.
  long long integerDigits = 0;
  long long leadingZeros = 0;  // zeros before the first significant digit, across the point
  bool seenSignificant = false;
  int mantissaDigits = 0;
  for (; p != end && IsDigit(*p); ++p, ++integerDigits, ++mantissaDigits) {
    if (*p != '0') seenSignificant = true;
    if (!seenSignificant) ++leadingZeros;
  }
  if (p != end && *p == '.') {
    ++p;
    for (; p != end && IsDigit(*p); ++p, ++mantissaDigits) {
      if (*p != '0') seenSignificant = true;
      if (!seenSignificant) ++leadingZeros;
    }
  }
  if (mantissaDigits == 0) FailFloat(text);
  // Saturated far beyond any text length, so the sum below still has the right sign.
  long long exponent = 0;
  if (p != end && (*p == 'E' || *p == 'e')) {
    ++p;
    bool negativeExponent = false;
    if (p != end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
    if (p == end || !IsDigit(*p)) FailFloat(text);
    for (; p != end && IsDigit(*p); ++p)
      exponent = std::min(exponent * 10 + (*p - '0'), 1000000000000000LL);
    if (negativeExponent) exponent = -exponent;
  }
  if (p != end) FailFloat(text);

  float value = 0;
  const auto result = std::from_chars(numberStart, end, value, std::chars_format::general);
  if (result.ec == std::errc() && result.ptr == end) return value;
  if (result.ec == std::errc::result_out_of_range && seenSignificant) {
    // Out of range is either above FLT_MAX (refused) or below the smallest float, where the
    // nearest float is zero.
    const long long magnitude = integerDigits - leadingZeros + exponent;
    if (magnitude <= 0) return *begin == '-' ? -0.0f : 0.0f;
  }
  FailFloat(text);
}

int32_t ReadInt(std::string_view text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  if (p != end && (*p == '+' || *p == '-')) ++p;
  const char* const digitsStart = p;
  while (p != end && IsDigit(*p)) ++p;
  if (p == digitsStart || p != end) FailInt(text);

  int32_t value = 0;
  const char* const numberStart = *begin == '+' ? digitsStart : begin;  // from_chars takes no "+"
  const auto result = std::from_chars(numberStart, end, value, 10);
  if (result.ec != std::errc() || result.ptr != end) FailInt(text);
  return value;
}

bool ReadsAsFloat(std::string_view text) {
  try {
    ReadFloat(text);
    return true;
  } catch (const NumberConversionError&) {
    return false;
  }
}

bool ReadPlainNumber(std::string_view text, double& value) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  const char* const integerStart = p;
  while (p != end && IsDigit(*p)) ++p;
  const auto integerDigits = p - integerStart;
  if (integerDigits == 0 || (integerDigits > 1 && *integerStart == '0')) return false;
  if (p != end && *p == '.') {
    const char* const fractionStart = ++p;
    while (p != end && IsDigit(*p)) ++p;
    if (p == fractionStart) return false;
  }
  if (p != end) return false;
  // Significant digits: from the first that is not zero to the end, the point left out.
  int significant = 0;
  bool seenSignificant = false;
  for (const char* q = integerStart; q != end; ++q) {
    if (*q == '.') continue;
    seenSignificant = seenSignificant || *q != '0';
    if (seenSignificant) ++significant;
  }
  if (significant > 15 || (negative && !seenSignificant)) return false;
  const auto result = std::from_chars(begin, end, value, std::chars_format::fixed);
  return result.ec == std::errc() && result.ptr == end;
}

std::string StoredFloatText(float value, int precision) {
  // Nine significant digits tell every float apart.
  for (int digits = precision; digits <= 9; ++digits) {
    std::string text = GeneralText(value, digits, 2);
    try {
      if (ReadFloat(text) == value) return text;
    } catch (const NumberConversionError&) {
      break;  // no number at all (not finite): no width helps
    }
  }
  return GeneralText(value, precision, 2);
}

std::string ShortestText(float value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  // std::to_chars of a float without a precision writes the fewest digits that read back as
  // the same float, and the nearest such decimal to it.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific);
  return GeneralLayout(ParseScientific(value, buffer, result.ptr), 15, 0);
}
