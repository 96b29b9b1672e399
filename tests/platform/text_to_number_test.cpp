#include <gtest/gtest.h>

#include <string>

#include "platform/text_to_number.h"

namespace netcheck {
namespace {

struct Case {
  std::string text;
  std::int32_t expected;
};

TEST(TextToNumber, ReadsTextsByTheOneRule) {
  const Case cases[] = {
      {"1", 1},
      {" 7", 7},
      {"\t\r\n\v\f 9", 9},
      {"-2", -2},
      {"1e2", 100},
      {"1E2", 100},
      {"12345e-2", 123},
      {"-2.9", -2},
      {"2,9", 2},
      {"0.5e1", 5},
      {"1e", 1},
      {"1e+", 1},
      {"5e+1", 50},
      {"", 0},
      {"Yes", 0},
      {".5", 0},
      {"+1", 0},
      {"-", 0},
      {"- 1", 0},
      {"12abc", 12},
      {"4294967295", -1},
      {"4294967296", 0},
      {"4294967297", 1},
      {"2147483648", -2147483647 - 1},
      {"-2147483648", -2147483647 - 1},
      {"-4294967297", -1},
      {"1e999999999999", 0},
      {"1e999999999999999999999999999999", 0},
      {"3e31", -2147483647 - 1},  // 3 * 10^31 = (3 * 5^31) * 2^31, an odd multiple of 2^31
      {"1e9", 1000000000},
      {"1e10", 1410065408},  // 10^10 mod 2^32
      {"123456789e-999999999999", 0},
      {"1.999999999999999999999999", 1},
      // A 40-digit number: its exact remainder modulo 2^32.
      {"1234567890123456789012345678901234567890", static_cast<std::int32_t>(3460238034u)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(TextToNumber, TellsATextWithoutANumber) {
  for (const char* text : {"", "abc", "+1", "-", ".", "e5", " "}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
  }
  for (const char* text : {"0", "-1", "0.", ".0", "1x"}) {
    EXPECT_TRUE(ParseNumber(text).has_value()) << text;
  }
}

TEST(TextToNumber, NumberToTextRoundTrips) {
  for (std::int32_t n : {0, 1, -1, 44, 300, 2147483647, -2147483647 - 1}) {
    EXPECT_EQ(TextToNumber(NumberToText(n)), n);
  }
  EXPECT_EQ(NumberToText(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(NumberToText(300), "300");
}

}  // namespace
}  // namespace netcheck
