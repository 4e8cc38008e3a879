// Number texts: every number the program shows or writes becomes text here, and every number it
// reads from an edit, a catalogue or an XML file is read here. "." is always the decimal
// separator, whatever the process locale says; nothing here may call printf, strtod or iostreams.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised when a text is not a number; what() is the exact text of the application's error box.
class NumberConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system's currency format, taken from the locale once at start; tests pin it.
// positiveFormat: 0 "¤1", 1 "1¤", 2 "¤ 1", 3 "1 ¤".
// negativeFormat: 0 "(¤1)", 1 "-¤1", 2 "¤-1", 3 "¤1-", 4 "(1¤)", 5 "-1¤", 6 "1-¤", 7 "1¤-",
//   8 "-1 ¤", 9 "-¤ 1", 10 "1 ¤-", 11 "¤ 1-", 12 "¤ -1", 13 "1- ¤", 14 "(¤ 1)", 15 "(1 ¤)".
struct CurrencyFormat {
  std::string symbol = "zł";
  std::string thousandsSeparator = " ";
  int positiveFormat = 3;
  int negativeFormat = 8;
};

// G(P, D): shortest text with up to P significant digits, scientific with at least D exponent
// digits when the decimal exponent is above P or below -3. "general 15" is G(15, 0),
// "general 4" is G(4, 2).
std::string GeneralText(double value, int precision, int digits);

// F(P, D): rounded to D decimals or P significant digits (whichever drops more), exactly D
// decimals written; falls back to G(P, D) when more than P digits stand before the point.
std::string FixedText(double value, int precision, int digits);

// Currency P: rounded to P significant digits or 2 decimals, grouped by thousands, with the
// currency symbol placed as the format says; falls back to G(P, 2) for large values.
std::string CurrencyText(double value, int precision, const CurrencyFormat& format);

// Shorthands used throughout.
inline std::string General15(double value) {
  return GeneralText(value, 15, 0);
}
inline std::string General4(double value) {
  return GeneralText(value, 4, 2);
}

// G(P, 2), widened digit by digit until the text reads back as the same float: what a window
// writes into an edit whose change handler or compute command stores the text again, so that
// showing the window never rounds a stored value (1234.56 stays "1234.56", not "1235").
std::string StoredFloatText(float value, int precision);

// The fewest significant digits that read back as the same float, laid out as general 15: what
// a typed amount reads as when it is shown again (6123.45, not the 6123.4501953125 that general
// 15 makes of the float that holds it).
std::string ShortestText(float value);

// Strict readers: an optional sign, digits, "." and an optional exponent (floats), nothing else;
// no blanks, no ",", no "nan" or "inf". Throw NumberConversionError with the exact messages
// "'%s' is not a valid floating point value" / "'%s' is not a valid integer value".
float ReadFloat(std::string_view text);
int32_t ReadInt(std::string_view text);

// Whether ReadFloat takes the text (the writers check that a text they write reads back).
bool ReadsAsFloat(std::string_view text);

// Whether the whole text is a number written plainly: an optional "-", digits without a leading
// zero (but a lone "0" before the point), then optionally "." and digits; at most 15 significant
// digits, all of which a spreadsheet keeps, and no negative zero. Its value, the double nearest
// the text, goes to value. "0123", "+5", " 5", "5.", ".5", "1e5", "inf", "nan" and "" are none.
bool ReadPlainNumber(std::string_view text, double& value);
