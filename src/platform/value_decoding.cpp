#include "platform/value_decoding.h"

#include <cstring>
#include <string_view>

#include "platform/text_to_number.h"

namespace netcheck {

std::int32_t DecodeNumber(RegType type, const std::uint8_t* data, std::size_t size) {
  switch (type) {
    case RegType::Dword: {
      if (size != 4) return 0;
      const std::uint32_t bits = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 | std::uint32_t{data[2]} << 16 |
                                 std::uint32_t{data[3]} << 24;
      return static_cast<std::int32_t>(bits);
    }
    case RegType::String:
    case RegType::ExpandString: {
      const auto* text = reinterpret_cast<const char*>(data);
      const void* nul = std::memchr(text, '\0', size);
      const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : size;
      return TextToNumber(std::string_view(text, length));
    }
    default:
      return 0;
  }
}

std::vector<std::uint8_t> EncodeValue(const std::string& value, RegType type) {
  if (type == RegType::Dword) {
    const auto bits = static_cast<std::uint32_t>(TextToNumber(value));
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  }
  std::vector<std::uint8_t> bytes(value.begin(), value.end());
  bytes.push_back(0);
  return bytes;
}

}  // namespace netcheck
