#include <algorithm>

#include "engine/operations.h"

namespace netcheck {
namespace {

std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

void CheckSettings(SettingsState& state, RegistryStore& registry) {
  for (const RegistrySetting& setting : SettingsCatalogue) {
    SettingsState::Row& row = state.rows[setting.row - 1];
    row.readValue = registry.ReadNumber(setting.keyPath, setting.valueName);
    row.currentValue = LowByte(row.readValue);
    row.statusText = StatusText(setting, row.currentValue != 0);
  }
}

void SnapshotSettings(SettingsState& state, RegistryStore& registry) {
  for (const RegistrySetting& setting : SettingsCatalogue) {
    state.rows[setting.row - 1].snapshotValue = LowByte(registry.ReadNumber(setting.keyPath, setting.valueName));
  }
}

bool DetectChanges(SettingsState& state, RegistryStore& registry, EngineWindow& window) {
  CheckSettings(state, registry);
  window.Redraw();
  state.changesMade = std::any_of(state.rows.begin(), state.rows.end(),
                                  [](const SettingsState::Row& row) { return row.currentValue != row.snapshotValue; });
  return state.changesMade;
}

}  // namespace netcheck
