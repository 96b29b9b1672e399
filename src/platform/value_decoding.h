#pragma once
#include <cstdint>
#include <vector>

#include "platform/registry_store.h"

namespace netcheck {

// Windows error codes that the registry layer uses.
inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorMoreData = 234;

// Reads one value through `query`, which behaves like RegQueryValueExA: called with a null
// buffer it reports type and size; called with a buffer it fills at most *size bytes, or
// returns kErrorMoreData with the new size when the value grew in between. The data is read
// into a zero-filled buffer one byte longer than reported, so a string without a NUL ends safely.
// A value that keeps growing is given up after a few rounds and reads as 0.
template <typename Query>
std::int32_t ReadNumberThrough(Query&& query);

// The number a value's bytes stand for: a 4-byte REG_DWORD as signed, a REG_SZ or REG_EXPAND_SZ
// up to its first NUL through TextToNumber, and 0 for everything else (other sizes and types).
std::int32_t DecodeNumber(RegType type, const std::uint8_t* data, std::size_t size);

// The bytes that WriteValue stores: a Dword's decimal text as 4 bytes, least significant first;
// a String's bytes and one NUL.
std::vector<std::uint8_t> EncodeValue(const std::string& value, RegType type);

template <typename Query>
std::int32_t ReadNumberThrough(Query&& query) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (query(&type, nullptr, &size) != kErrorSuccess) return 0;
  for (int attempt = 0; attempt < 8; ++attempt) {
    if (size == 0) return 0;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size) + 1, 0);
    std::uint32_t got = size;
    const std::uint32_t status = query(&type, data.data(), &got);
    if (status == kErrorMoreData) {
      size = got > size ? got : size + 1;
      continue;
    }
    if (status != kErrorSuccess) return 0;
    if (got > size) got = size;
    return DecodeNumber(static_cast<RegType>(type), data.data(), got);
  }
  return 0;
}

}  // namespace netcheck
