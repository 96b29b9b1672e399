#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netcheck {

// Reads a text as a signed 32-bit number: leading white space, an optional "-", decimal digits,
// an optional "." or "," with fraction digits, an optional exponent. The integer part (toward zero)
// is taken modulo 2^32 with exact arithmetic. Returns nullopt when the text holds no number.
std::optional<std::int32_t> ParseNumber(std::string_view text);

// The same rule, with 0 for a text that holds no number.
std::int32_t TextToNumber(std::string_view text);

// The decimal text of a signed 32-bit number: "-" when negative, no blanks, no leading zeros.
std::string NumberToText(std::int32_t value);

}  // namespace netcheck
