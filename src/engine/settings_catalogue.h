#pragma once
#include <array>

#include "platform/registry_store.h"

namespace netcheck {

// Where a write takes its value from.
enum class ValueSource {
  Constant,      // the row's constant text
  ChangeTarget,  // the row's changeTarget number in SettingsState
  Backup,        // the number recorded under the row's iniKey in the backup file
};

struct WriteRule {
  RegType type;
  ValueSource source;
  const char* constant;  // for ValueSource::Constant
  const char* failureText;
};

// One registry setting: where it is read, how it is judged and shown, and what the Change and
// the roll back write.
struct RegistrySetting {
  int row;
  const char* valueName;
  const char* keyPath;
  const char* label;
  int labelField;  // window fields of the row's label, status and result texts
  int statusField;
  int resultField;
  bool safeWhenNonzero;
  const char* iniKey;  // key in the backup file, or nullptr when the row is not recorded
  const char* writeValueName;
  WriteRule apply;
  WriteRule rollBack;
};

inline constexpr std::size_t kSettingCount = 9;

extern const std::array<RegistrySetting, kSettingCount> SettingsCatalogue;

// Status texts, chosen by safeWhenNonzero and whether the value's low 8 bits are zero.
const char* StatusText(const RegistrySetting& setting, bool nonzero);

inline constexpr const char* kChangeSuccessful = "Change Successful";
inline constexpr const char* kRollBackSuccessful = "RollBack Successful";
inline constexpr const char* kChangesMadeMessage = "Changes Made, You should re boot computer";

}  // namespace netcheck
