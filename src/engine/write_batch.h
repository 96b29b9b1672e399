#pragma once
#include "engine/operations.h"

namespace netcheck {

// The steps that the Change and the roll back share: hide the heading, snapshot, form every
// row's value from its `rule` (all before the first write), write each row, set each result
// text, then detect changes and say so. `ini` serves rules whose values come from the backup.
void RunWriteBatch(SettingsState& state, RegistryStore& registry, IniStore* ini, EngineWindow& window,
                   WriteRule RegistrySetting::*rule, const char* successText);

}  // namespace netcheck
