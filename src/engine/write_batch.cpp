#include "engine/write_batch.h"

#include <array>
#include <optional>
#include <string>

#include "platform/text_to_number.h"

namespace netcheck {
namespace {

// The text a row's write stores, or nullopt when there is nothing sound to write: a backup
// entry that is missing or holds no number is not replaced by an invented 0.
std::optional<std::string> FormValue(const RegistrySetting& setting, const WriteRule& write, const SettingsState& state,
                                     IniStore* ini) {
  switch (write.source) {
    case ValueSource::Constant:
      return std::string(write.constant);
    case ValueSource::ChangeTarget:
      return NumberToText(state.changeTarget.at(setting.row - 1));
    case ValueSource::Backup:
      if (ini == nullptr || setting.iniKey == nullptr) return std::nullopt;
      if (auto number = ParseNumber(ini->ReadEntry(kBackupFile, kBackupSection, setting.iniKey, ""))) {
        return NumberToText(*number);
      }
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

void RunWriteBatch(SettingsState& state, RegistryStore& registry, IniStore* ini, EngineWindow& window,
                   WriteRule RegistrySetting::*rule, const char* successText) {
  window.HideField(kHeadingField);
  SnapshotSettings(state, registry);
  std::array<std::optional<std::string>, kSettingCount> values;
  for (const RegistrySetting& setting : SettingsCatalogue) {
    values[setting.row - 1] = FormValue(setting, setting.*rule, state, ini);
  }
  for (const RegistrySetting& setting : SettingsCatalogue) {
    const WriteRule& write = setting.*rule;
    const std::optional<std::string>& value = values[setting.row - 1];
    const bool written = value && registry.WriteValue(setting.keyPath, setting.writeValueName, *value, write.type) == 0;
    state.rows[setting.row - 1].resultText = written ? successText : write.failureText;
  }
  if (DetectChanges(state, registry, window)) window.ShowMessage(kChangesMadeMessage);
}

}  // namespace netcheck
