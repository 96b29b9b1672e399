// Writes that the registry refuses. Wine always runs as an administrator, so these cases use the
// in-memory registry, which refuses what HKEY_LOCAL_MACHINE refuses a standard user.
#include <gtest/gtest.h>

#include "engine/operations.h"
#include "engine_world.h"
#include "platform/memory_registry.h"
#include "platform/value_decoding.h"
#include "support/harness.h"
#include "support/temp_dir.h"

namespace netcheck::testing {
namespace {

struct FailingWorld {
  ScopedTempDir dir;
  MemoryRegistry registry;
  std::unique_ptr<IniStore> ini = MakeIniStore();
  SettingsState state;
  RecordingWindow window{state};

  std::string Result(int row) const { return std::string(state.rows[row - 1].resultText.View()); }
  std::string Status(int row) const { return std::string(state.rows[row - 1].statusText.View()); }
};

TEST(WriteFailures, EveryChangeWriteFailingShowsNineFailureTextsAndNoMessage) {
  FailingWorld world;
  world.registry.SetRaw(SettingsCatalogue[0].keyPath, "EnableOplocks", RegType::Dword, DwordBytes(1));
  world.registry.FailWritesUnder("SYSTEM", kErrorAccessDenied);
  CheckSettings(world.state, world.registry);
  const SettingsState before = world.state;

  ApplyRecommendedSettings(world.state, world.registry, world.window);
  const char* expected[] = {
      "Failed to update Registry for EnableOplocks",
      "Failed to update EnableOpLockForceClose",
      "Failed to update CachedOpenLimit",
      "Failed to update Registry for Smb2",
      "Failed to update Registry for Use OpLocks",
      "Failed to update Registry for Utilize NT Cach",
      "Failed to update Registry for Use Write Behin",
      "Failed to update Registry for Discard Cache o",
      "Failed to update Registry for Oplocks Disable",
  };
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(world.Result(row), Field(expected[row - 1], kResultWidth)) << row;
    EXPECT_EQ(world.Status(row), std::string(before.rows[row - 1].statusText.View())) << row;
  }
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw"}));
  EXPECT_FALSE(world.registry.KeyExists("SYSTEM\\CurrentControlSet\\Services\\MRXSmb"));
}

TEST(WriteFailures, OneFailingWriteAffectsOnlyItsRow) {
  FailingWorld world;
  world.registry.FailWritesUnder("SYSTEM\\CurrentControlSet\\Services\\Rdr", kErrorAccessDenied);
  ApplyRecommendedSettings(world.state, world.registry, world.window);
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(world.Result(row),
              Field(row == 7 ? "Failed to update Registry for Use Write Behin" : "Change Successful", kResultWidth))
        << row;
  }
  EXPECT_EQ(world.window.events.back(), "message Changes Made, You should re boot computer");
}

TEST(WriteFailures, RollBackFailuresShowTheRollBackTexts) {
  FailingWorld world;
  WriteFileBytes("vantrix.ini", "[Registry]\r\nOrigSettings=12/02/24\r\nEnableOplocks=1\r\nSmb2=1\r\n");
  world.registry.FailWritesUnder("SYSTEM", kErrorAccessDenied);
  RollBackSettings(world.state, world.registry, *world.ini, world.window);
  EXPECT_EQ(world.Result(1), Field("Failed to update Registry for EnableOplocks", kResultWidth));
  EXPECT_EQ(world.Result(4), Field("Failed to update Smb2", kResultWidth));
  EXPECT_EQ(world.Result(9), Field("Failed to update Oplocks Disabled", kResultWidth));
  EXPECT_EQ(world.window.events, (std::vector<std::string>{"hide 3", "redraw"}));
}

TEST(WriteFailures, ABackupThatCannotBeWrittenIsTriedAgainNextTime) {
  FailingWorld world;
  std::filesystem::create_directory("vantrix.ini");  // a folder where the file would go
  FixedClock clock;
  BackupOriginalSettings(world.state, *world.ini, clock);
  EXPECT_TRUE(std::filesystem::is_directory("vantrix.ini"));
  std::filesystem::remove("vantrix.ini");
  BackupOriginalSettings(world.state, *world.ini, clock);
  EXPECT_EQ(world.ini->ReadEntry(kBackupFile, "Registry", "OrigSettings", ""), "12/02/24");
}

}  // namespace
}  // namespace netcheck::testing
