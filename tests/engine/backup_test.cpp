#include <gtest/gtest.h>

#include "engine_world.h"

namespace netcheck::testing {
namespace {

const std::string kMessage = "message Changes Made, You should re boot computer";

std::string BackupBytes() { return ReadFileBytes("vantrix.ini").value_or("<missing>"); }

TEST(FormatBackupDate, RightAlignsTheMonthAndPadsDayAndYear) {
  EXPECT_EQ(FormatBackupDate({2011, 4, 21}), " 4/21/11");
  EXPECT_EQ(FormatBackupDate({2024, 12, 2}), "12/02/24");
  EXPECT_EQ(FormatBackupDate({2005, 1, 1}), " 1/01/05");
  EXPECT_EQ(FormatBackupDate({2000, 10, 31}), "10/31/00");
}

TEST(BackupOriginalSettings, FirstStartWritesTheKeysInOrderAndASecondStartLeavesThem) {
  EngineWorld world;
  world.SeedAllSafe();
  world.SeedDword(1, 300);
  world.SeedDword(4, 0xFFFFFFFFu);
  CheckSettings(world.state, world.registry);
  BackupOriginalSettings(world.state, *world.ini, world.clock);
  const std::string expected =
      "[Registry]\r\nOrigSettings=12/02/24\r\nEnableOplocks=300\r\nEnableOpLockForceClose=1\r\n"
      "CachedOpenLimit=0\r\nSmb2=-1\r\nUseOplocks=0\r\nNTCache=0\r\nWriteBehind=0\r\nDiskCacheOpen=1\r\n";
  EXPECT_EQ(BackupBytes(), expected);

  // A later start, with other values and another date, leaves the file byte for byte.
  world.SeedDword(1, 0);
  world.clock.date = {2025, 1, 5};
  CheckSettings(world.state, world.registry);
  BackupOriginalSettings(world.state, *world.ini, world.clock);
  EXPECT_EQ(BackupBytes(), expected);
}

TEST(BackupOriginalSettings, ABackupCutShortIsTakenAgain) {
  EngineWorld world;
  // What a backup stopped after its third key leaves behind.
  WriteFileBytes("vantrix.ini", "[Registry]\r\nOrigSettings=\r\nEnableOplocks=9\r\n");
  world.SeedDword(1, 1);
  CheckSettings(world.state, world.registry);
  BackupOriginalSettings(world.state, *world.ini, world.clock);
  EXPECT_EQ(world.ini->ReadEntry(kBackupFile, "Registry", "OrigSettings", ""), "12/02/24");
  EXPECT_EQ(world.ini->ReadEntry(kBackupFile, "Registry", "EnableOplocks", ""), "1");
  EXPECT_EQ(world.ini->ReadEntry(kBackupFile, "Registry", "DiskCacheOpen", ""), "0");
}

TEST(BackupOriginalSettings, TheDateIsWrittenOnlyAfterTheValues) {
  // A store that records the order of writes.
  struct OrderIni final : IniStore {
    std::vector<std::string> writes;
    std::string ReadEntry(const std::string&, const std::string&, const std::string&, const std::string& d) override {
      return d;
    }
    void WriteEntry(const std::string&, const std::string&, const std::string& key, const std::string& v) override {
      writes.push_back(key + "=" + v);
    }
    void DeleteEntry(const std::string&, const std::string&, const std::string&) override {}
  } ini;
  SettingsState state;
  FixedClock clock;
  BackupOriginalSettings(state, ini, clock);
  ASSERT_EQ(ini.writes.size(), 10u);
  EXPECT_EQ(ini.writes.front(), "OrigSettings=");
  EXPECT_EQ(ini.writes.back(), "OrigSettings=12/02/24");
}

TEST(RollBackSettings, RestoresTheFirstRunValuesAndTheirTypesAfterAChange) {
  EngineWorld world;
  const std::uint32_t original[] = {300, 1, 5, 1, 1, 1, 1, 0};
  for (int row = 1; row <= 8; ++row) world.SeedDword(row, original[row - 1]);
  CheckSettings(world.state, world.registry);
  BackupOriginalSettings(world.state, *world.ini, world.clock);
  ApplyRecommendedSettings(world.state, world.registry, world.window);
  world.window.events.clear();

  RollBackSettings(world.state, world.registry, *world.ini, world.window);
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw", kMessage}));
  for (int row = 1; row <= 8; ++row) {
    const auto stored = world.Stored(row);
    EXPECT_EQ(stored->type, RegType::Dword) << row;
    EXPECT_EQ(stored->data, DwordBytes(original[row - 1])) << row;
  }
  EXPECT_EQ(world.Stored(9)->type, RegType::Dword);
  EXPECT_EQ(world.Stored(9)->data, DwordBytes(1));
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(world.Result(row), Field("RollBack Successful", kResultWidth));

  // A second roll back finds nothing to change.
  world.window.events.clear();
  RollBackSettings(world.state, world.registry, *world.ini, world.window);
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw"}));
}

TEST(RollBackSettings, OnlyRecordedNumbersAreWritten) {
  struct Case {
    const char* what;
    const char* fileBytes;  // nullptr: no backup file
    std::uint32_t expectedRow1;
    bool row1Written;
  } cases[] = {
      {"no backup file", nullptr, 7, false},
      {"entry missing", "[Registry]\r\nOrigSettings=12/02/24\r\n", 7, false},
      {"entry -1", "[Registry]\r\nEnableOplocks=-1\r\n", 0xFFFFFFFFu, true},
      {"entry abc", "[Registry]\r\nEnableOplocks=abc\r\n", 7, false},
      {"entry 44", "[Registry]\r\nEnableOplocks=44\r\n", 44, true},
  };
  for (const Case& c : cases) {
    EngineWorld world;
    for (int row = 1; row <= 8; ++row) world.SeedDword(row, 7);
    world.SeedDword(9, 0);
    if (c.fileBytes) WriteFileBytes("vantrix.ini", c.fileBytes);
    RollBackSettings(world.state, world.registry, *world.ini, world.window);
    EXPECT_EQ(world.Stored(1)->data, DwordBytes(c.expectedRow1)) << c.what;
    EXPECT_EQ(
        world.Result(1),
        Field(c.row1Written ? "RollBack Successful" : "Failed to update Registry for EnableOplocks", kResultWidth))
        << c.what;
    // Rows without an entry are left alone and say so; row 9 takes its constant regardless.
    EXPECT_EQ(world.Stored(5)->data, DwordBytes(7)) << c.what;
    EXPECT_EQ(world.Result(5), Field("Failed to update UseOpportunisticLocking", kResultWidth)) << c.what;
    EXPECT_EQ(world.Stored(9)->data, DwordBytes(1)) << c.what;
    EXPECT_EQ(world.Result(9), Field("RollBack Successful", kResultWidth)) << c.what;
    EXPECT_EQ(world.window.events.back(), kMessage) << c.what;  // row 9 went from 0 to 1
    EXPECT_EQ(world.window.events.front(), "hide 3") << c.what;
  }
}

TEST(RollBackSettings, BackupFilesWithEightBitValuesReadAsBefore) {
  EngineWorld world;
  WriteFileBytes("vantrix.ini",
                 "[Registry]\r\nOrigSettings= 4/21/11\r\nEnableOplocks=1\r\nEnableOpLockForceClose=0\r\n"
                 "CachedOpenLimit=255\r\nSmb2=1\r\nUseOplocks=1\r\nNTCache=1\r\nWriteBehind=1\r\nDiskCacheOpen=0\r\n");
  RollBackSettings(world.state, world.registry, *world.ini, world.window);
  EXPECT_EQ(world.Stored(3)->data, DwordBytes(255));
  EXPECT_EQ(world.Stored(2)->data, DwordBytes(0));
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(world.Result(row), Field("RollBack Successful", kResultWidth));
}

}  // namespace
}  // namespace netcheck::testing
