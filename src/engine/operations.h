#pragma once
#include <string>

#include "engine/engine_window.h"
#include "engine/settings_state.h"
#include "platform/clock.h"
#include "platform/ini_store.h"
#include "platform/registry_store.h"

namespace netcheck {

// The backup of the values found at the first start in a directory.
inline constexpr const char* kBackupFile = ".\\vantrix.ini";
inline constexpr const char* kBackupSection = "Registry";
inline constexpr const char* kBackupDateKey = "OrigSettings";

// Reads the nine values and sets each row's current value and status text. Does not redraw.
void CheckSettings(SettingsState& state, RegistryStore& registry);

// Records the low 8 bits of the nine values before a batch of writes.
void SnapshotSettings(SettingsState& state, RegistryStore& registry);

// Checks again, redraws the window and tells whether any row differs from the snapshot.
bool DetectChanges(SettingsState& state, RegistryStore& registry, EngineWindow& window);

// The Change: writes every row's safe value and reports per row.
void ApplyRecommendedSettings(SettingsState& state, RegistryStore& registry, EngineWindow& window);

// Records the values of the latest check in the backup file, unless it holds a backup already.
void BackupOriginalSettings(const SettingsState& state, IniStore& ini, Clock& clock);

// Writes the recorded values back and reports per row.
void RollBackSettings(SettingsState& state, RegistryStore& registry, IniStore& ini, EngineWindow& window);

// The backup's date: month right-aligned in two characters, "/", two-digit day, "/",
// two-digit year, so 21 April 2011 is " 4/21/11".
std::string FormatBackupDate(const LocalDate& date);

}  // namespace netcheck
