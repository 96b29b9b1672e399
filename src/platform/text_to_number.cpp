#include "platform/text_to_number.h"

namespace netcheck {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Horner's rule modulo 2^32 over the digits of `a` followed by those of `b`, stopping after
// `count` digits in all.
std::uint32_t DigitsModulo(std::string_view a, std::string_view b, std::size_t count) {
  std::uint32_t result = 0;
  for (std::string_view part : {a, b}) {
    for (char c : part) {
      if (count == 0) return result;
      result = result * 10u + static_cast<std::uint32_t>(c - '0');
      --count;
    }
  }
  return result;
}

std::uint32_t PowerOfTenModulo(std::int64_t exponent) {
  // 10^k = 2^k * 5^k, so it is 0 modulo 2^32 for every k from 32 on.
  if (exponent >= 32) return 0;
  std::uint32_t result = 1;
  for (std::int64_t i = 0; i < exponent; ++i) result *= 10u;
  return result;
}

}  // namespace

std::optional<std::int32_t> ParseNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  const std::size_t intStart = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  const std::string_view intDigits = text.substr(intStart, pos - intStart);
  std::string_view fracDigits;
  if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
    const std::size_t fracStart = ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    fracDigits = text.substr(fracStart, pos - fracStart);
  }
  if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

  // The exponent saturates far beyond any digit count a text can hold.
  constexpr std::int64_t kExponentLimit = std::int64_t{1} << 52;
  std::int64_t exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t p = pos + 1;
    bool expNegative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
      expNegative = text[p] == '-';
      ++p;
    }
    if (p < text.size() && IsDigit(text[p])) {
      for (; p < text.size() && IsDigit(text[p]); ++p) {
        if (exponent < kExponentLimit) exponent = exponent * 10 + (text[p] - '0');
      }
      if (exponent > kExponentLimit) exponent = kExponentLimit;
      if (expNegative) exponent = -exponent;
    }
  }

  // The number is the digit string D = intDigits fracDigits times 10^shift.
  const std::size_t total = intDigits.size() + fracDigits.size();
  const std::int64_t shift = exponent - static_cast<std::int64_t>(fracDigits.size());
  std::uint32_t magnitude = 0;
  if (shift >= 0) {
    magnitude = DigitsModulo(intDigits, fracDigits, total) * PowerOfTenModulo(shift);
  } else {
    const auto dropped = static_cast<std::uint64_t>(-shift);
    if (dropped < total) {
      magnitude = DigitsModulo(intDigits, fracDigits, total - static_cast<std::size_t>(dropped));
    }
  }
  if (negative) magnitude = 0u - magnitude;
  return static_cast<std::int32_t>(magnitude);
}

std::int32_t TextToNumber(std::string_view text) { return ParseNumber(text).value_or(0); }

std::string NumberToText(std::int32_t value) { return std::to_string(value); }

}  // namespace netcheck
