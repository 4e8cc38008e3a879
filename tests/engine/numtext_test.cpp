// Number texts: the written forms, exact rounding of the stored value, the strict readers and
// round trips. The executable runs a second time under LC_ALL=pl_PL.UTF-8, so every
// expectation here also proves that "," never sneaks in.
#include "engine/numtext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/numtext_reference.h"
#include "float_sweep.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A float widened unchanged, as the design state hands it over.
constexpr double F32(float value) {
  return static_cast<double>(value);
}

// Any finite double, every bit pattern alike.
double RandomFiniteDouble(std::mt19937_64& random) {
  double value;
  do {
    const uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
  } while (!std::isfinite(value));
  return value;
}

struct TextCase {
  const char* name;
  double value;
  int precision;
  int digits;
  const char* expected;
};

TEST(NumTextGeneral, WritesEveryForm) {
  const TextCase cases[] = {
      // general 15
      {"g15 integer", 45, 15, 0, "45"},
      {"g15 half", 1.5, 15, 0, "1.5"},
      {"g15 float 2.3", F32(2.3f), 15, 0, "2.29999995231628"},
      {"g15 float 7.3", F32(7.3f), 15, 0, "7.30000019073486"},
      {"g15 float 50.06", F32(50.06f), 15, 0, "50.060001373291"},
      {"g15 float -30", F32(-30.0f), 15, 0, "-30"},
      {"g15 double 0.1", 0.1, 15, 0, "0.1"},
      {"g15 large", 1e20, 15, 0, "1E20"},
      {"g15 18 digits", 123456789012345678.0, 15, 0, "1.23456789012346E17"},
      {"g15 float max", F32(std::numeric_limits<float>::max()), 15, 0, "3.40282346638529E38"},
      {"g15 smallest double", std::numeric_limits<double>::denorm_min(), 15, 0,
       "4.94065645841247E-324"},
      {"g15 largest double", std::numeric_limits<double>::max(), 15, 0, "1.79769313486232E308"},
      // general 4 and the thresholds of the scientific form
      {"g4 five digits", 12346, 4, 2, "1.235E04"},
      {"g4 rounds to four digits", 1234.6, 4, 2, "1235"},
      {"g4 0.00001", 0.00001, 4, 2, "1E-05"},
      {"g4 0.0005", 0.0005, 4, 2, "0.0005"},
      {"g4 0.0001", 0.0001, 4, 2, "0.0001"},
      {"g4 0.00009", 0.00009, 4, 2, "9E-05"},
      {"g4 10000", 10000, 4, 2, "1E04"},
      {"g5 10000", 10000, 5, 2, "10000"},
      {"g4 four digits", 1234, 4, 2, "1234"},
      {"g4 negative scientific", -0.00001, 4, 2, "-1E-05"},
      {"g4 negative small", -0.0005, 4, 2, "-0.0005"},
      {"g4 carry to next power", 9999.6, 4, 2, "1E04"},
      {"g4 carry below one", 0.99996, 4, 2, "1"},
      {"g4 carry into scientific threshold", 0.000099996, 4, 2, "0.0001"},
      {"g2 carry 99.5", 99.5, 2, 0, "1E2"},
      {"g4 float 1.1", F32(1.1f), 4, 2, "1.1"},
      {"g4 exponent wider than D", 1.5e123, 4, 2, "1.5E123"},
      {"g4 exponent of tiny", 2.5e-123, 4, 2, "2.5E-123"},
      // D: above 4 (and below 0) counts as 0; the exponent gets at least D digits
      {"D 10 counts as 0", 12345, 4, 10, "1.235E4"},
      {"D -1 counts as 0", 12345, 4, -1, "1.235E4"},
      {"D 3", 1234, 3, 3, "1.23E003"},
      {"D 4", 0.00001, 4, 4, "1E-0005"},
      // P: below 2 counts as 2, above 18 counts as 18
      {"P 1 counts as 2", 0.0123, 1, 3, "0.012"},
      {"P 2", 0.0123, 2, 3, "0.012"},
      {"P 1 counts as 2, 0.035", 0.035, 1, 4, "0.035"},
      {"P 0 counts as 2", 1234, 0, 0, "1.2E3"},
      {"P 18 shows the stored 0.1", 0.1, 18, 0, "0.100000000000000006"},
      {"P 25 counts as 18", 0.1, 25, 0, "0.100000000000000006"},
      // zero, negative zero and values that are no numbers
      {"zero", 0.0, 4, 2, "0"},
      {"negative zero", -0.0, 4, 2, "0"},
      {"NaN", kNaN, 4, 2, "NAN"},
      {"infinity", kInf, 4, 2, "INF"},
      {"negative infinity", -kInf, 4, 2, "-INF"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GeneralText(c.value, c.precision, c.digits), c.expected);
  }
}

// Exact binary halves are true ties and round away from zero; values that only look like
// ties in decimal are rounded as what they hold.
TEST(NumTextGeneral, RoundsTiesAwayFromZeroAndNearTiesByTheStoredValue) {
  const TextCase cases[] = {
      {"1234.5 at 4", 1234.5, 4, 2, "1235"},
      {"-1234.5 at 4", -1234.5, 4, 2, "-1235"},
      {"1233.5 at 4 (even below)", 1233.5, 4, 2, "1234"},
      {"0.125 at 2", 0.125, 2, 0, "0.13"},
      {"-0.125 at 2", -0.125, 2, 0, "-0.13"},
      {"-2.25 at 1 (counts as 2)", -2.25, 1, 0, "-2.3"},
      {"2.5 at 1 keeps 2 digits", -2.5, 1, 0, "-2.5"},
      {"0.0625 at 3", 0.0625, 3, 0, "0.0625"},
      {"0.0625 at 2", 0.0625, 2, 0, "0.063"},
      {"float 1234.5 at 4", F32(1234.5f), 4, 2, "1235"},
      {"12345 at 4 scientific", 12345, 4, 2, "1.235E04"},
      {"-12345 at 4 scientific", -12345, 4, 2, "-1.235E04"},
      // 2.675 is stored as 2.67499999999999982236431605997495353221893310546875
      {"2.675 stored below the tie", 2.675, 3, 0, "2.67"},
      // 1.0000005 is stored just above the tie
      {"1.0000005 stored above the tie", 1.0000005, 7, 0, "1.000001"},
      // float 0.3 holds 0.300000011920928955078125
      {"float 0.3 at 9", F32(0.3f), 9, 0, "0.300000012"},
      {"float 0.3 at 8", F32(0.3f), 8, 0, "0.30000001"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GeneralText(c.value, c.precision, c.digits), c.expected);
  }
}

// The standard library gives the correctly rounded scientific text (ties to even); away from
// exact ties GeneralText must name the same number, for any magnitude and precision.
TEST(NumTextGeneral, AgreesWithCorrectRoundingAwayFromTies) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 20000; ++i) {
    const double value = RandomFiniteDouble(random);
    const int precision = 2 + static_cast<int>(random() % 17);  // 2..18
    char reference[64];
    const auto end = std::to_chars(reference, reference + sizeof reference, value,
                                   std::chars_format::scientific, precision - 1)
                         .ptr;
    double expected = 0;
    std::from_chars(reference, end, expected);
    const std::string text = GeneralText(value, precision, 0);
    double written = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), written);
    ASSERT_EQ(parsed.ec, std::errc()) << text;
    ASSERT_EQ(parsed.ptr, text.data() + text.size()) << text;
    ASSERT_EQ(written, expected) << "value " << std::string(reference, end) << " precision "
                                 << precision << " gave " << text;
  }
}

TEST(NumTextFixed, WritesExactDecimals) {
  const TextCase cases[] = {
      {"8.4", 8.4, 4, 2, "8.40"},
      {"123.456 rounded to 4 digits", 123.456, 4, 2, "123.50"},
      {"-8.4", -8.4, 4, 2, "-8.40"},
      {"12345 falls back to G(4, 2)", 12345, 4, 2, "1.235E04"},
      {"9999.6 rounds to five digits, falls back", 9999.6, 4, 2, "1E04"},
      {"9999.4 stays fixed", 9999.4, 4, 2, "9999.00"},
      {"123.456 at 2 falls back to G(2, 4)", 123.456, 2, 4, "1.2E0002"},
      {"1234.5678 at 6", 1234.5678, 6, 2, "1234.57"},
      {"below one", 0.5, 4, 2, "0.50"},
      {"decimals win", 0.004, 4, 2, "0.00"},
      {"0.0005 rounds up at the first place", 0.0005, 4, 3, "0.001"},
      {"0.00012345 drops to zero", 0.00012345, 4, 3, "0.000"},
      {"0.6 at no decimals", 0.6, 4, 0, "1"},
      {"float 2.3 at 2 decimals", F32(2.3f), 15, 2, "2.30"},
      {"float 2.3 at 8 decimals", F32(2.3f), 15, 8, "2.29999995"},
      {"zero", 0.0, 4, 2, "0.00"},
      {"zero, no decimals", 0.0, 4, 0, "0"},
      {"negative zero", -0.0, 4, 2, "0.00"},
      {"negative rounds to zero, no sign", -0.001, 4, 2, "0.00"},
      {"negative rounds away from zero", -0.006, 4, 2, "-0.01"},
      {"negative D counts as 0", 2.4, 4, -3, "2"},
      {"NaN", kNaN, 4, 2, "NAN"},
      {"negative infinity", -kInf, 4, 2, "-INF"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FixedText(c.value, c.precision, c.digits), c.expected);
  }
}

TEST(NumTextFixed, RoundsTiesAwayFromZeroAndNearTiesByTheStoredValue) {
  const TextCase cases[] = {
      {"2.5 at no decimals", 2.5, 4, 0, "3"},
      {"-2.5 at no decimals", -2.5, 4, 0, "-3"},
      {"-2.5 at P 1", -2.5, 1, 0, "-3"},
      {"0.125 at 2 decimals", 0.125, 4, 2, "0.13"},
      {"-0.125 at 2 decimals", -0.125, 4, 2, "-0.13"},
      {"1234.5 at 4 digits", 1234.5, 4, 2, "1235.00"},
      // 0.15 is stored as 0.1499999999999999944..., 0.35 as 0.3499999999999999777...
      {"0.15 stored below the tie", 0.15, 4, 1, "0.1"},
      {"0.35 stored below the tie", 0.35, 4, 1, "0.3"},
      // 1.005 is stored as 1.00499999999999989...; 0.005 as 0.005000000000000000104...
      {"1.005 stored below the tie", 1.005, 4, 2, "1.00"},
      {"0.005 stored above the tie", 0.005, 4, 2, "0.01"},
      {"0.995 stored below the tie", 0.995, 4, 2, "0.99"},
      {"9.995 stored below the tie", 9.995, 4, 2, "9.99"},
      {"9.9951 carries to 10", 9.9951, 4, 2, "10.00"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FixedText(c.value, c.precision, c.digits), c.expected);
  }
}

const CurrencyFormat kPolish{"zł", " ", 3, 8};

struct CurrencyCase {
  const char* name;
  double value;
  int precision;
  const char* expected;
};

TEST(NumTextCurrency, RoundsGroupsAndFallsBack) {
  const CurrencyCase cases[] = {
      {"1234567 at 6 falls back to G(6, 2)", 1234567, 6, "1.23457E06"},
      {"-1234567 at 6 falls back", -1234567, 6, "-1.23457E06"},
      {"1234.5 at 6", 1234.5, 6, "1 234.50 zł"},
      {"-1234.5 at 6", -1234.5, 6, "-1 234.50 zł"},
      {"1234567.891 at 10", 1234567.891, 10, "1 234 567.89 zł"},
      {"123456 at 6", 123456, 6, "123 456.00 zł"},
      {"100000 at 6", 100000, 6, "100 000.00 zł"},
      {"999 has no separator", 999, 6, "999.00 zł"},
      {"digits win over decimals", 1234.56, 4, "1 235.00 zł"},
      {"cents rounded, tie away", 0.125, 6, "0.13 zł"},
      // 1.115 is stored as 1.11499999..., 999.995 as 999.99500000000000454...
      {"stored below the tie", 1.115, 6, "1.11 zł"},
      {"stored above the tie, carries into thousands", 999.995, 6, "1 000.00 zł"},
      {"zero", 0.0, 6, "0.00 zł"},
      {"negative zero", -0.0, 6, "0.00 zł"},
      {"negative rounds to zero", -0.001, 6, "0.00 zł"},
      {"float price", F32(1999.99f), 6, "1 999.99 zł"},
  };
  for (const CurrencyCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CurrencyText(c.value, c.precision, kPolish), c.expected);
  }
}

TEST(NumTextCurrency, PlacesSymbolAndSignAsTheFormatSays) {
  CurrencyFormat format{"$", ",", 0, 0};
  const char* const positive[] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE("positive format " + std::to_string(i));
    format.positiveFormat = i;
    EXPECT_EQ(CurrencyText(1234.5, 6, format), positive[i]);
  }
  const char* const negative[] = {"($1,234.50)", "-$1,234.50",  "$-1,234.50",   "$1,234.50-",
                                  "(1,234.50$)", "-1,234.50$",  "1,234.50-$",   "1,234.50$-",
                                  "-1,234.50 $", "-$ 1,234.50", "1,234.50 $-",  "$ 1,234.50-",
                                  "$ -1,234.50", "1,234.50- $", "($ 1,234.50)", "(1,234.50 $)"};
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE("negative format " + std::to_string(i));
    format.negativeFormat = i;
    EXPECT_EQ(CurrencyText(-1234.5, 6, format), negative[i]);
  }
}

TEST(NumTextCurrency, SeparatorAndSymbolAreTakenAsGiven) {
  // A multi-byte no-break space, as Polish regional settings give it, and no separator at all.
  EXPECT_EQ(CurrencyText(1234567.5, 10, CurrencyFormat{"zł", "\u00a0", 3, 8}),
            "1\u00a0234\u00a0567.50 zł");
  EXPECT_EQ(CurrencyText(1234567.5, 10, CurrencyFormat{"€", "", 0, 1}), "€1234567.50");
  EXPECT_EQ(CurrencyText(-1234567.5, 10, CurrencyFormat{"€", "", 0, 1}), "-€1234567.50");
}

struct FloatReadCase {
  const char* name;
  const char* text;
  float expected;
};

// The writers take 25 correctly rounded digits and the exact expansion only where those cannot
// decide; the reference always takes the exact expansion. They must agree on every value: random
// ones, exact binary ties at every place, the doubles next to them, and the doubles next to
// every power of ten (where 25 digits may round up into the next decade).
TEST(NumTextExactness, AgreesWithTheWholeExactExpansion) {
  std::vector<double> values;
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 3000; ++i) {
    values.push_back(RandomFiniteDouble(random));
    // Magnitudes a design holds, as doubles and as widened floats.
    const double ordinary = std::ldexp(static_cast<double>(random() >> 11), -53) *
                            std::pow(10.0, static_cast<int>(random() % 17) - 8);
    values.push_back(ordinary);
    values.push_back(F32(static_cast<float>(-ordinary)));
  }
  // Exact ties: odd multiples of a power of two end in 5 in decimal, and odd multiples of 5
  // times a power of ten (1250, 3.5E20).
  for (int i = 0; i < 400; ++i) {
    const double odd = static_cast<double>((random() % (1u << 20)) | 1u);
    values.push_back(std::ldexp(odd, -1 - static_cast<int>(random() % 40)));
    const uint64_t five = 10 * (random() % 100000) + 5;
    const int place = static_cast<int>(random() % 12);
    values.push_back(static_cast<double>(five) * std::pow(10.0, place));
  }
  for (size_t i = 0, count = values.size(); i < count; i += 3) {
    values.push_back(std::nextafter(values[i], kInf));
    values.push_back(std::nextafter(values[i], -kInf));
  }
  for (int exponent = -324; exponent <= 308; ++exponent) {
    double power = 0;
    const std::string text = "1e" + std::to_string(exponent);
    std::from_chars(text.data(), text.data() + text.size(), power);
    for (double near : {power, std::nextafter(power, 0.0), std::nextafter(power, kInf)})
      values.push_back(near);
  }
  const CurrencyFormat currency;
  const int decimals[] = {0, 1, 2, 3, 6, 18};
  for (const double value : values) {
    for (int precision = 2; precision <= 18; precision += 1 + static_cast<int>(random() % 4)) {
      const int digits = decimals[random() % std::size(decimals)];
      SCOPED_TRACE(testing::Message()
                   << "value " << std::hexfloat << value << " P " << precision << " D " << digits);
      ASSERT_EQ(GeneralText(value, precision, digits % 5),
                numtext_reference::GeneralText(value, precision, digits % 5));
      ASSERT_EQ(FixedText(value, precision, digits),
                numtext_reference::FixedText(value, precision, digits));
      ASSERT_EQ(CurrencyText(value, precision, currency),
                numtext_reference::CurrencyText(value, precision, currency));
    }
  }
}

TEST(NumTextReadFloat, AcceptsDecimalNumbers) {
  const FloatReadCase cases[] = {
      {"integer", "45", 45.0f},
      {"decimal", "1.5", 1.5f},
      {"negative", "-30", -30.0f},
      {"plus sign", "+2.5", 2.5f},
      {"scientific", "1.235E04", 12350.0f},
      {"small e", "1e-3", 0.001f},
      {"exponent with plus", "1E+2", 100.0f},
      {"exponent with leading zeros", "9E-05", 0.00009f},
      {"nothing after the point", "5.", 5.0f},
      {"nothing before the point", ".5", 0.5f},
      {"negative, nothing before the point", "-.5", -0.5f},
      {"leading zeros", "007", 7.0f},
      {"zero", "0", 0.0f},
      {"general 15 of 2.3f", "2.29999995231628", 2.3f},
      {"many digits", "0.1000000000000000000000000000001", 0.1f},
      {"float max as written", "3.40282346638529E38", std::numeric_limits<float>::max()},
      {"smallest normal", "1.17549435E-38", std::numeric_limits<float>::min()},
      {"smallest subnormal", "1.4E-45", std::numeric_limits<float>::denorm_min()},
      {"underflow gives zero", "1e-50", 0.0f},
      {"far underflow gives zero", "1e-99999999999999999999", 0.0f},
      {"zero with huge exponent", "0e99999999999", 0.0f},
  };
  for (const FloatReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadFloat(c.text), c.expected) << c.text;
  }
}

TEST(NumTextReadFloat, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(ReadFloat("-0")));
  EXPECT_TRUE(std::signbit(ReadFloat("-1e-50")));
  EXPECT_FALSE(std::signbit(ReadFloat("1e-50")));
}

TEST(NumTextReadFloat, RefusesEverythingElse) {
  const char* const refused[] = {"",       "1,5",
                                 " 1",     "1 ",
                                 "\t1",    "1\n",
                                 "nan",    "NaN",
                                 "inf",    "-inf",
                                 "INF",    "infinity",
                                 "0x10",   "1e",
                                 "1e+",    "e5",
                                 ".",      "-",
                                 "+",      "+-1",
                                 "--1",    "1.2.3",
                                 "1e5.0",  "1E 5",
                                 "1_000",  "1 000",
                                 "12a",    "1.5f",
                                 "1d5",    "\xef\xbc\x91",
                                 "3.5e38", "-3.5e38",
                                 "1e39",   "1e99999999999999"};
  for (const char* text : refused) {
    SCOPED_TRACE(std::string("text '") + text + "'");
    EXPECT_THROW(ReadFloat(text), NumberConversionError);
  }
  // A text with a zero byte inside is no number either.
  EXPECT_THROW(ReadFloat(std::string_view("1\0"
                                          "5",
                                          3)),
               NumberConversionError);
}

// Above FLT_MAX is refused only where the float would be infinite: the general 15 text of
// FLT_MAX itself stands above it and must read back.
TEST(NumTextReadFloat, OverflowStartsWhereRoundingGivesInfinity) {
  EXPECT_EQ(ReadFloat("3.4028235677973366e38"), std::numeric_limits<float>::max());
  EXPECT_THROW(ReadFloat("3.4028235677973367e38"), NumberConversionError);
}

TEST(NumTextReadFloat, ErrorTextIsTheMessageOfTheErrorBox) {
  const std::pair<const char*, const char*> cases[] = {
      {"1,5", "'1,5' is not a valid floating point value"},
      {"", "'' is not a valid floating point value"},
      {"1e39", "'1e39' is not a valid floating point value"},
      {" 1", "' 1' is not a valid floating point value"},
  };
  for (const auto& [text, message] : cases) {
    SCOPED_TRACE(text);
    try {
      ReadFloat(text);
      ADD_FAILURE() << "no error";
    } catch (const NumberConversionError& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
}

// A plain number is what a spreadsheet takes as a number without changing what the text says: the
// value to the last digit, and no leading zero, sign, exponent or blank that it would drop.
TEST(NumTextReadPlainNumber, TakesOnlyPlainDecimalsOfAtMost15Digits) {
  const struct {
    const char* text;
    double value;
  } numbers[] = {
      {"0", 0},
      {"5390", 5390},
      {"500.00", 500},
      {"-30", -30},
      {"0.015", 0.015},
      {"12345.678", 12345.678},
      {"-0.5", -0.5},
      {"0.000123", 0.000123},
      {"123456789012345", 123456789012345.0},
      {"1.00000000000001", 1.00000000000001},
  };
  for (const auto& c : numbers) {
    SCOPED_TRACE(c.text);
    double value = -1;
    EXPECT_TRUE(ReadPlainNumber(c.text, value));
    EXPECT_EQ(value, c.value);
  }
  const char* const texts[] = {"",
                               "0123",
                               "00",
                               "00.5",
                               "+5",
                               " 5",
                               "5 ",
                               "5.",
                               ".5",
                               "-.5",
                               "-",
                               "1e5",
                               "1E5",
                               "inf",
                               "nan",
                               "-inf",
                               "1,5",
                               "1.2.3",
                               "0x10",
                               "-0",
                               "-0.00",
                               "12a",
                               "1 000",
                               "1234567890123456",
                               "0.1234567890123456"};
  for (const char* text : texts) {
    SCOPED_TRACE(std::string("text '") + text + "'");
    double value = 0;
    EXPECT_FALSE(ReadPlainNumber(text, value));
  }
}

TEST(NumTextReadInt, AcceptsSignedDecimalIntegers) {
  const std::pair<const char*, int32_t> cases[] = {
      {"0", 0},
      {"-0", 0},
      {"42", 42},
      {"+42", 42},
      {"-17", -17},
      {"007", 7},
      {"2147483647", std::numeric_limits<int32_t>::max()},
      {"-2147483648", std::numeric_limits<int32_t>::min()},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadInt(text), expected);
  }
}

TEST(NumTextReadInt, RefusesEverythingElse) {
  const char* const refused[] = {
      "",      "4.0", "4.",   ".4", "1e3", "2147483648", "-2147483649", "99999999999999999999",
      " 1",    "1 ",  "0x10", "+",  "-",   "+-1",        "--1",         "1,5",
      "1_000", "12a", "nan"};
  for (const char* text : refused) {
    SCOPED_TRACE(std::string("text '") + text + "'");
    EXPECT_THROW(ReadInt(text), NumberConversionError);
  }
}

TEST(NumTextReadInt, ErrorTextIsTheMessageOfTheErrorBox) {
  const std::pair<const char*, const char*> cases[] = {
      {"4.0", "'4.0' is not a valid integer value"},
      {"", "'' is not a valid integer value"},
      {"2147483648", "'2147483648' is not a valid integer value"},
  };
  for (const auto& [text, message] : cases) {
    SCOPED_TRACE(text);
    try {
      ReadInt(text);
      ADD_FAILURE() << "no error";
    } catch (const NumberConversionError& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
}

bool SameFloat(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// What a project file or an edit holds must come back as the very same float.
TEST(NumTextRoundTrip, General15GivesBackTheExactFloat) {
  const float chosen[] = {2.3f,
                          7.3f,
                          50.06f,
                          -0.1f,
                          1e-10f,
                          123456.789f,
                          16777216.0f,
                          std::numeric_limits<float>::max(),
                          -std::numeric_limits<float>::max(),
                          std::numeric_limits<float>::min(),
                          std::numeric_limits<float>::denorm_min(),
                          0.0f};
  for (float f : chosen) {
    const std::string text = General15(f);
    SCOPED_TRACE(text);
    EXPECT_TRUE(SameFloat(ReadFloat(text), f));
  }
  // A sweep over the whole range of finite floats, both signs.
  ForSampledFloats(104729, 0xFF000000u, [](float f, uint32_t b) {
    const std::string text = General15(f);
    ASSERT_TRUE(SameFloat(ReadFloat(text), f)) << "bits " << b << " text " << text;
  });
}

TEST(NumTextRoundTrip, General4GivesBackTheValueRoundedToFourDigits) {
  const std::pair<float, float> cases[] = {
      {2.3f, 2.3f},          {1234.5f, 1235.0f},
      {12345.6f, 12350.0f},  {0.000123456f, 0.0001235f},
      {-98.76543f, -98.77f}, {0.00001234f, 0.00001234f},
      {9999.6f, 10000.0f},   {7.3f, 7.3f},
      {50.06f, 50.06f},
  };
  for (const auto& [value, expected] : cases) {
    const std::string text = General4(value);
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadFloat(text), expected);
  }
}

// The refill text of an edit: as short as the given digits allow, and always the same float.
TEST(NumTextRoundTrip, StoredFloatTextKeepsTheFloatAndPrefersTheShortForm) {
  const std::pair<float, const char*> cases[] = {
      {12.345f, "12.345"}, {1234.56f, "1234.56"}, {2.3f, "2.3"},
      {81.234f, "81.234"}, {1235.0f, "1235"},     {0.0f, "0"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(StoredFloatText(value, 4), expected);
  }
  EXPECT_EQ(StoredFloatText(7.456f, 3), "7.456");
  EXPECT_EQ(StoredFloatText(7.5f, 3), "7.5");
  ForSampledFloats(1000003, 0xFF000000u, [](float f, uint32_t b) {
    const std::string text = StoredFloatText(f, 4);
    ASSERT_TRUE(SameFloat(ReadFloat(text), f)) << "bits " << b << " text " << text;
  });
}

// Significant digits of a text: its mantissa without sign, point and outer zeros.
int SignificantDigits(const std::string& text) {
  std::string digits;
  for (char c : text.substr(0, text.find('E')))
    if (c >= '0' && c <= '9') digits.push_back(c);
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

// An amount typed into an edit reads the same when it is shown again.
TEST(NumTextRoundTrip, ShortestTextIsTheTypedAmount) {
  const std::pair<float, const char*> cases[] = {
      {6123.45f, "6123.45"},
      {1234.56f, "1234.56"},
      {14633.01f, "14633.01"},
      {14350.7f, "14350.7"},
      {12345.67f, "12345.67"},
      {0.1f, "0.1"},
      {0.0001f, "0.0001"},
      {1e-5f, "1E-5"},
      {-30.0f, "-30"},
      {4990.0f, "4990"},
      {1234567.0f, "1234567"},
      {16777216.0f, "16777216"},
      {1e10f, "10000000000"},
      {1e14f, "100000000000000"},
      {1e15f, "1E15"},
      {std::numeric_limits<float>::max(), "3.4028235E38"},
      {std::numeric_limits<float>::denorm_min(), "1E-45"},
      {0.0f, "0"},
      {-0.0f, "0"},
      {std::numeric_limits<float>::infinity(), "INF"},
      {std::numeric_limits<float>::quiet_NaN(), "NAN"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(ShortestText(value), expected);
  }
  // Over the whole range: the same float back, and one digit fewer would not give it.
  ForSampledFloats(104729, 0xFF000000u, [](float f, uint32_t b) {
    const std::string text = ShortestText(f);
    ASSERT_TRUE(SameFloat(ReadFloat(text), f)) << "bits " << b << " text " << text;
    const int digits = SignificantDigits(text);
    if (digits > 2) {
      const std::string shorter = GeneralText(f, digits - 1, 0);
      ASSERT_FALSE(ReadsAsFloat(shorter) && SameFloat(ReadFloat(shorter), f))
          << "bits " << b << " text " << text;
    }
  });
}

// The second run of this executable is only worth something when the Polish locale really
// took effect in the C library.
TEST(NumTextLocale, PolishRunUsesCommaAsDecimalPoint) {
  const char* all = std::getenv("LC_ALL");
  if (!all || std::string(all) != "pl_PL.UTF-8") GTEST_SKIP() << "not the Polish run";
  const std::lconv* conventions = std::localeconv();
  ASSERT_NE(conventions, nullptr);
  EXPECT_STREQ(conventions->decimal_point, ",");
  EXPECT_EQ(GeneralText(1.5, 15, 0), "1.5");
  EXPECT_EQ(ReadFloat("1.5"), 1.5f);
}

}  // namespace
