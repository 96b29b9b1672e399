#include <cstdio>

#include "engine/operations.h"
#include "engine/write_batch.h"
#include "platform/text_to_number.h"

namespace netcheck {

std::string FormatBackupDate(const LocalDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d/%02d/%02d", date.month % 100, date.day % 100, date.year % 100);
  return text;
}

void BackupOriginalSettings(const SettingsState& state, IniStore& ini, Clock& clock) {
  const std::string existing = ini.ReadEntry(kBackupFile, kBackupSection, kBackupDateKey, "");
  if (existing.find_last_not_of(' ') != std::string::npos) return;
  // The date goes in last: a backup cut short leaves "OrigSettings" blank and is taken again at
  // the next start. Writing it blank first keeps it the file's first key.
  ini.WriteEntry(kBackupFile, kBackupSection, kBackupDateKey, "");
  for (const RegistrySetting& setting : SettingsCatalogue) {
    if (setting.iniKey == nullptr) continue;
    // The whole number is kept, so that a roll back restores the value itself.
    ini.WriteEntry(kBackupFile, kBackupSection, setting.iniKey, NumberToText(state.rows[setting.row - 1].readValue));
  }
  ini.WriteEntry(kBackupFile, kBackupSection, kBackupDateKey, FormatBackupDate(clock.Today()));
}

void RollBackSettings(SettingsState& state, RegistryStore& registry, IniStore& ini, EngineWindow& window) {
  RunWriteBatch(state, registry, &ini, window, &RegistrySetting::rollBack, kRollBackSuccessful);
}

}  // namespace netcheck
