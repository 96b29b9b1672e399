#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/value_decoding.h"
#include "support/harness.h"

namespace netcheck {
namespace {

using testing::DwordBytes;

// A value as RegQueryValueExA reports it; `grow` replaces the data after the size query, as
// another writer could.
struct FakeValue {
  RegType type;
  std::vector<std::uint8_t> data;
  int growths = 0;  // how many reads find a longer value than the size query said
  int queries = 0;

  std::uint32_t operator()(std::uint32_t* type, std::uint8_t* buffer, std::uint32_t* size) {
    ++queries;
    if (buffer != nullptr && growths > 0) {
      --growths;
      data.insert(data.end(), 8, '7');
    }
    *type = static_cast<std::uint32_t>(this->type);
    const auto stored = static_cast<std::uint32_t>(data.size());
    if (buffer == nullptr) {
      *size = stored;
      return kErrorSuccess;
    }
    if (*size < stored) {
      *size = stored;
      std::memset(buffer, 0xCC, *size > 0 ? 1 : 0);  // contents are undefined on this path
      return kErrorMoreData;
    }
    std::memcpy(buffer, data.data(), stored);
    *size = stored;
    return kErrorSuccess;
  }
};

TEST(ReadNumberThrough, ReadsEveryTypeSafely) {
  struct Case {
    const char* what;
    RegType type;
    std::vector<std::uint8_t> data;
    std::int32_t expected;
  } cases[] = {
      {"dword", RegType::Dword, DwordBytes(300), 300},
      {"dword -1", RegType::Dword, DwordBytes(0xFFFFFFFFu), -1},
      {"dword of 2 bytes", RegType::Dword, {1, 0}, 0},
      {"dword of 8 bytes", RegType::Dword, {1, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"dword of 0 bytes", RegType::Dword, {}, 0},
      {"string", RegType::String, {'4', '2', 0}, 42},
      {"string without NUL", RegType::String, {'1', '2'}, 12},
      {"string with embedded NUL", RegType::String, {'1', 0, '9', 0}, 1},
      {"empty string", RegType::String, {}, 0},
      {"expand string, not expanded", RegType::ExpandString, {'7', '%', 'X', '%', 0}, 7},
      {"binary", RegType::Binary, DwordBytes(5), 0},
      {"multi string", RegType::MultiString, {'5', 0, '6', 0, 0}, 0},
      {"qword", RegType::Qword, {5, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"none", RegType::None, {'1', 0}, 0},
  };
  for (auto& c : cases) {
    FakeValue value{c.type, c.data};
    EXPECT_EQ(ReadNumberThrough(value), c.expected) << c.what;
  }
}

TEST(ReadNumberThrough, RereadsAValueThatGrew) {
  FakeValue value{RegType::String, {'1', 0}};
  value.growths = 2;
  // After two growths the text is "1" followed by a NUL and sixteen '7's: still 1.
  EXPECT_EQ(ReadNumberThrough(value), 1);
  EXPECT_EQ(value.queries, 4);
}

TEST(ReadNumberThrough, GivesUpOnAValueThatKeepsGrowing) {
  FakeValue value{RegType::String, {'1'}};
  value.growths = 1000;
  EXPECT_EQ(ReadNumberThrough(value), 0);
  EXPECT_LE(value.queries, 10);
}

TEST(EncodeValue, StoresDwordsLittleEndianAndStringsWithOneNul) {
  EXPECT_EQ(EncodeValue("-1", RegType::Dword), DwordBytes(0xFFFFFFFFu));
  EXPECT_EQ(EncodeValue("300", RegType::Dword), DwordBytes(300));
  EXPECT_EQ(EncodeValue("0", RegType::String), (std::vector<std::uint8_t>{'0', 0}));
}

}  // namespace
}  // namespace netcheck
