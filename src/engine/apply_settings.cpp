#include "engine/operations.h"
#include "engine/write_batch.h"

namespace netcheck {

void ApplyRecommendedSettings(SettingsState& state, RegistryStore& registry, EngineWindow& window) {
  RunWriteBatch(state, registry, nullptr, window, &RegistrySetting::apply, kChangeSuccessful);
}

}  // namespace netcheck
