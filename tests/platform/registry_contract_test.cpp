// One contract for RegistryStore: natively against the in-memory registry, under Wine against
// advapi32.
#include <gtest/gtest.h>

#include "platform/value_decoding.h"
#include "support/harness.h"

namespace netcheck::testing {
namespace {

const std::string kKey = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";

class RegistryContract : public ::testing::Test {
 protected:
  std::unique_ptr<RegistryHarness> harness = MakeRegistryHarness();
  RegistryStore& store = harness->Store();
};

TEST_F(RegistryContract, ReadOfAMissingKeyOrValueIsZeroAndCreatesNothing) {
  EXPECT_EQ(store.ReadNumber(kKey, "EnableOplocks"), 0);
  EXPECT_FALSE(harness->KeyExists("SYSTEM\\CurrentControlSet"));
  harness->SetRaw(kKey, "Other", RegType::Dword, DwordBytes(7));
  EXPECT_EQ(store.ReadNumber(kKey, "EnableOplocks"), 0);
  EXPECT_FALSE(harness->GetRaw(kKey, "EnableOplocks").has_value());
}

TEST_F(RegistryContract, WriteCreatesTheKeyPathAndTheValue) {
  ASSERT_EQ(store.WriteValue(kKey, "CachedOPenLimit", "0", RegType::Dword), 0u);
  EXPECT_TRUE(harness->KeyExists(kKey));
  const auto raw = harness->GetRaw(kKey, "cachedopenlimit");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->name, "CachedOPenLimit");
  EXPECT_EQ(raw->type, RegType::Dword);
  EXPECT_EQ(store.ReadNumber(kKey, "CachedOpenLimit"), 0);
}

TEST_F(RegistryContract, NamesMatchWithoutCaseAndKeepTheirFirstCase) {
  ASSERT_EQ(store.WriteValue("SYSTEM\\Foo\\Bar", "Smb2", "1", RegType::Dword), 0u);
  ASSERT_EQ(store.WriteValue("system\\FOO\\bar", "SMB2", "2", RegType::Dword), 0u);
  EXPECT_EQ(harness->StoredKeyName("SYSTEM\\foo"), "Foo");
  EXPECT_EQ(harness->StoredKeyName("SYSTEM\\foo\\BAR"), "Bar");
  const auto raw = harness->GetRaw("SYSTEM\\Foo\\Bar", "smb2");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->name, "Smb2");
  EXPECT_EQ(store.ReadNumber("system\\foo\\bar", "smb2"), 2);
}

TEST_F(RegistryContract, WritesStoreTheBytesOfTheirType) {
  ASSERT_EQ(store.WriteValue(kKey, "A", "-1", RegType::Dword), 0u);
  EXPECT_EQ(harness->GetRaw(kKey, "A")->data, DwordBytes(0xFFFFFFFFu));
  EXPECT_EQ(store.ReadNumber(kKey, "A"), -1);

  ASSERT_EQ(store.WriteValue(kKey, "B", "0", RegType::String), 0u);
  const auto raw = harness->GetRaw(kKey, "B");
  EXPECT_EQ(raw->type, RegType::String);
  EXPECT_EQ(raw->data, StringBytes("0"));

  // A write replaces the type as well as the data.
  ASSERT_EQ(store.WriteValue(kKey, "A", "1", RegType::String), 0u);
  EXPECT_EQ(harness->GetRaw(kKey, "A")->type, RegType::String);
  EXPECT_EQ(store.ReadNumber(kKey, "A"), 1);
}

TEST_F(RegistryContract, WriteUnderABadPathFailsAndWritesNothing) {
  EXPECT_NE(store.WriteValue("\\SYSTEM\\Bad", "A", "1", RegType::Dword), 0u);
  EXPECT_FALSE(harness->KeyExists("SYSTEM\\Bad"));
}

TEST_F(RegistryContract, ReadsStoredValuesOfEveryShapeSafely) {
  struct Case {
    const char* name;
    RegType type;
    std::vector<std::uint8_t> data;
    std::int32_t expected;
  } cases[] = {
      {"dword 256", RegType::Dword, DwordBytes(256), 256},
      {"dword max", RegType::Dword, DwordBytes(0xFFFFFFFFu), -1},
      {"sz 1", RegType::String, StringBytes("1"), 1},
      {"sz blank 1", RegType::String, StringBytes(" 1"), 1},
      {"sz plus 1", RegType::String, StringBytes("+1"), 0},
      {"sz Yes", RegType::String, StringBytes("Yes"), 0},
      {"sz without NUL", RegType::String, {'1', '2'}, 12},
      {"sz empty", RegType::String, {}, 0},
      {"expand sz", RegType::ExpandString, StringBytes("5%PATH%"), 5},
      {"dword 2 bytes", RegType::Dword, {7, 0}, 0},
      {"dword 8 bytes", RegType::Dword, {7, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"dword 0 bytes", RegType::Dword, {}, 0},
      // Other types are not numbers this program knows how to judge: they read as 0.
      {"binary", RegType::Binary, DwordBytes(7), 0},
      {"multi sz", RegType::MultiString, {'7', 0, '8', 0, 0}, 0},
      {"qword", RegType::Qword, {7, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"none", RegType::None, {'7', 0}, 0},
  };
  for (auto& c : cases) harness->SetRaw(kKey, c.name, c.type, c.data);
  for (auto& c : cases) EXPECT_EQ(store.ReadNumber(kKey, c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace netcheck::testing
