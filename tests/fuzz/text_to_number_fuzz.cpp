// Any text, of any length or content, reads as a number without undefined behaviour, and the
// result agrees with the rule's simple consequences.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/text_to_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = netcheck::ParseNumber(text);
  const std::int32_t number = netcheck::TextToNumber(text);
  if (number != parsed.value_or(0)) std::abort();
  // A number's own decimal text reads back as itself.
  if (netcheck::TextToNumber(netcheck::NumberToText(number)) != number) std::abort();
  // A minus sign in front negates the result modulo 2^32, when the text starts with a digit.
  if (size > 0 && data[0] >= '0' && data[0] <= '9') {
    const std::string negated = "-" + std::string(text);
    const auto expected = static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(number));
    if (netcheck::TextToNumber(negated) != expected) std::abort();
  }
  return 0;
}
