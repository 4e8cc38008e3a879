// Number texts. Rounding works on the exact decimal expansion of the stored binary value, so a
// float is rounded as what it holds (2.3f is 2.2999999523...), and a 5 in the first dropped
// place rounds away from zero. std::to_chars/std::from_chars are locale-free; nothing here
// may go through printf, strtod or iostreams, which follow the process locale.
#include "engine/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// A finite value as sign, significant digits without trailing zeros and a decimal exponent:
// value = 0.d1d2d3... x 10^exponent. No digits means zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // A digit counted from the first significant one (index 0); outside the digits it is 0.
  char DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
  }
};

// Any double's exact decimal expansion has fewer than 770 significant digits, so 800 digits
// after the first one are exact and std::to_chars never has to round.
constexpr int kExactDigits = 800;

Decimal ExactDecimal(double value) {
  Decimal d;
  d.negative = std::signbit(value);
  if (value == 0) return d;
  char buffer[kExactDigits + 32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, kExactDigits);
  // The text is "d.ddd...e+XX" or "d.ddd...e-XXX".
  const char* const end = result.ptr;
  const char* const first = buffer;
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

void DropTrailingZeros(Decimal& d) {
  const auto last = d.digits.find_last_not_of('0');
  d.digits.erase(last == std::string::npos ? 0 : last + 1);
}

// Keeps the first `keep` significant digits; a 5 or more in the first dropped one rounds the
// magnitude up. keep 0 rounds at the place just before the first digit, fewer leaves zero.
void RoundToDigits(Decimal& d, int keep) {
  if (d.IsZero() || keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[keep] >= '5';
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

}  // namespace

std::string GeneralText(double value, int precision, int digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = ClampPrecision(precision);
  if (digits < 0 || digits > 4) digits = 0;

  Decimal d = ExactDecimal(value);
  if (d.IsZero()) return "0";
  RoundToDigits(d, precision);

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

std::string FixedText(double value, int precision, int digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = ClampPrecision(precision);
  digits = std::clamp(digits, 0, 18);

  Decimal d = ExactDecimal(value);
  Decimal significant = d;
  RoundToDigits(significant, precision);
  if (!significant.IsZero() && significant.exponent > precision)
    return GeneralText(value, precision, digits);

  // One rounding, at whichever place drops more digits.
  RoundToDigits(d, std::min(precision, d.exponent + digits));
  // A value that rounds to zero is written without a sign.
  return (d.negative && !d.IsZero() ? "-" : "") + PlainDigits(d, digits, "");
}

std::string CurrencyText(double value, int precision, const CurrencyFormat& format) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = ClampPrecision(precision);

  Decimal d = ExactDecimal(value);
  RoundToDigits(d, std::min(precision, d.exponent + 2));
  if (!d.IsZero() && d.exponent > precision) return GeneralText(value, precision, 2);

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
