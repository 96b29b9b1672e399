#include <gtest/gtest.h>

#include "engine_world.h"

namespace netcheck::testing {
namespace {

TEST(CheckSettings, JudgesEveryRowByTheLowEightBits) {
  struct Case {
    const char* what;
    bool seeded;
    RegType type;
    std::vector<std::uint8_t> data;
    std::uint8_t low;
  } cases[] = {
      {"missing", false, RegType::None, {}, 0},
      {"0", true, RegType::Dword, DwordBytes(0), 0},
      {"1", true, RegType::Dword, DwordBytes(1), 1},
      {"256", true, RegType::Dword, DwordBytes(256), 0},
      {"257", true, RegType::Dword, DwordBytes(257), 1},
      {"4294967295", true, RegType::Dword, DwordBytes(0xFFFFFFFFu), 255},
      {"sz 1", true, RegType::String, StringBytes("1"), 1},
      {"sz blank 1", true, RegType::String, StringBytes(" 1"), 1},
      {"sz +1", true, RegType::String, StringBytes("+1"), 0},
      {"sz Yes", true, RegType::String, StringBytes("Yes"), 0},
  };
  for (const Case& c : cases) {
    EngineWorld world;
    if (c.seeded) {
      for (const RegistrySetting& s : SettingsCatalogue) world.Seed(s.row, c.type, c.data);
    }
    CheckSettings(world.state, world.registry);
    for (const RegistrySetting& s : SettingsCatalogue) {
      EXPECT_EQ(world.state.rows[s.row - 1].currentValue, c.low) << c.what << ", row " << s.row;
      EXPECT_EQ(world.Status(s.row), Field(StatusText(s, c.low != 0), kStatusWidth)) << c.what << ", row " << s.row;
    }
    EXPECT_TRUE(world.window.events.empty()) << "CheckSettings does not redraw";
  }
}

TEST(CheckSettings, MissingValuesAreSafeExceptInRowsTwoEightAndNine) {
  EngineWorld world;
  CheckSettings(world.state, world.registry);
  for (int row = 1; row <= 9; ++row) {
    const bool shouldChange = row == 2 || row == 8 || row == 9;
    EXPECT_EQ(
        world.Status(row),
        Field(shouldChange ? "(0) Disabled - Should be Changed" : "(0) Disabled - Ok, Will Not Change", kStatusWidth))
        << row;
  }
  EXPECT_FALSE(world.harness->KeyExists("SYSTEM")) << "reads create nothing";
}

TEST(DetectChanges, ComparesTheLowEightBitsWithTheSnapshotAfterOneRedraw) {
  struct Case {
    const char* what;
    RegType beforeType;
    std::vector<std::uint8_t> before;
    RegType afterType;
    std::vector<std::uint8_t> after;
    bool changed;
  } cases[] = {
      {"dword 0 to sz 0", RegType::Dword, DwordBytes(0), RegType::String, StringBytes("0"), false},
      {"1 to 257", RegType::Dword, DwordBytes(1), RegType::Dword, DwordBytes(257), false},
      {"256 to 0", RegType::Dword, DwordBytes(256), RegType::Dword, DwordBytes(0), false},
      {"0 to 1", RegType::Dword, DwordBytes(0), RegType::Dword, DwordBytes(1), true},
      {"sz 1 to sz Yes", RegType::String, StringBytes("1"), RegType::String, StringBytes("Yes"), true},
  };
  for (int row : {1, 9}) {
    for (const Case& c : cases) {
      EngineWorld world;
      world.SeedAllSafe();
      world.Seed(row, c.beforeType, c.before);
      SnapshotSettings(world.state, world.registry);
      world.Seed(row, c.afterType, c.after);
      EXPECT_EQ(DetectChanges(world.state, world.registry, world.window), c.changed) << c.what << ", row " << row;
      EXPECT_EQ(world.state.changesMade, c.changed);
      EXPECT_EQ(world.window.events, std::vector<std::string>{"redraw"});
    }
  }
}

}  // namespace
}  // namespace netcheck::testing
