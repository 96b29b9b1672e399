#include <gtest/gtest.h>

#include "engine_world.h"

namespace netcheck::testing {
namespace {

const std::string kMessage = "message Changes Made, You should re boot computer";

TEST(ApplyRecommendedSettings, WritesEveryRowAndReportsAChange) {
  EngineWorld world;
  world.SeedAllSafe();
  world.SeedDword(1, 1);
  CheckSettings(world.state, world.registry);
  EXPECT_EQ(world.Status(1), Field("(1) Enabled - Should be Changed", kStatusWidth));

  ApplyRecommendedSettings(world.state, world.registry, world.window);

  // The heading goes first; results and statuses reach the screen together in one redraw, and
  // the message follows it.
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw", kMessage}));
  const SettingsState& shown = world.window.screens.at(0);
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(shown.rows[row - 1].resultText.View(), Field("Change Successful", kResultWidth)) << row;
  }
  EXPECT_EQ(shown.rows[0].statusText.View(), Field("(0) Disabled - Ok, Will Not Change", kStatusWidth));

  // What the registry holds now: numbers where the services read numbers, text for row 8.
  const std::pair<RegType, std::vector<std::uint8_t>> expected[] = {
      {RegType::Dword, DwordBytes(0)}, {RegType::Dword, DwordBytes(1)},     {RegType::Dword, DwordBytes(0)},
      {RegType::Dword, DwordBytes(0)}, {RegType::Dword, DwordBytes(0)},     {RegType::Dword, DwordBytes(0)},
      {RegType::Dword, DwordBytes(0)}, {RegType::String, StringBytes("1")}, {RegType::Dword, DwordBytes(1)},
  };
  for (int row = 1; row <= 9; ++row) {
    const auto stored = world.Stored(row);
    ASSERT_TRUE(stored.has_value()) << row;
    EXPECT_EQ(stored->type, expected[row - 1].first) << row;
    EXPECT_EQ(stored->data, expected[row - 1].second) << row;
  }
}

TEST(ApplyRecommendedSettings, AllRowsAlreadySafeShowNoMessage) {
  EngineWorld world;
  world.SeedAllSafe();
  CheckSettings(world.state, world.registry);
  ApplyRecommendedSettings(world.state, world.registry, world.window);
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw"}));
  EXPECT_FALSE(world.state.changesMade);
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(world.Result(row), Field("Change Successful", kResultWidth));
}

TEST(ApplyRecommendedSettings, ASecondChangeShowsNoMessage) {
  EngineWorld world;  // nothing exists: rows 2, 8 and 9 change from missing to 1
  CheckSettings(world.state, world.registry);
  ApplyRecommendedSettings(world.state, world.registry, world.window);
  EXPECT_EQ(world.window.events.back(), kMessage);
  world.window.events.clear();
  ApplyRecommendedSettings(world.state, world.registry, world.window);
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw"}));
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(world.Result(row), Field("Change Successful", kResultWidth));
}

TEST(ApplyRecommendedSettings, CreatesAMissingCachedOpenLimitInTheWriteCase) {
  EngineWorld world;
  ApplyRecommendedSettings(world.state, world.registry, world.window);
  EXPECT_EQ(world.Stored(3)->name, "CachedOPenLimit");
  EXPECT_EQ(world.Status(3), Field("(0) Disabled - Ok, Will Not Change", kStatusWidth));
}

// Another program writes between the snapshot and the check.
class InterferingRegistry final : public RegistryStore {
 public:
  InterferingRegistry(EngineWorld& world) : world_(world) {}
  std::int32_t ReadNumber(const std::string& keyPath, const std::string& valueName) override {
    return world_.registry.ReadNumber(keyPath, valueName);
  }
  std::uint32_t WriteValue(const std::string& keyPath, const std::string& valueName, const std::string& value,
                           RegType type) override {
    const std::uint32_t result = world_.registry.WriteValue(keyPath, valueName, value, type);
    if (++writes == 9) world_.SeedDword(1, 1);
    return result;
  }
  int writes = 0;

 private:
  EngineWorld& world_;
};

TEST(ApplyRecommendedSettings, AChangeByAnotherWriterDuringTheBatchCounts) {
  EngineWorld world;
  world.SeedAllSafe();
  InterferingRegistry interfering(world);
  ApplyRecommendedSettings(world.state, interfering, world.window);
  EXPECT_EQ(interfering.writes, 9);
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw", kMessage}));
  EXPECT_EQ(world.Status(1), Field("(1) Enabled - Should be Changed", kStatusWidth));
}

}  // namespace
}  // namespace netcheck::testing
