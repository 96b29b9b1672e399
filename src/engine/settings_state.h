#pragma once
#include <array>
#include <cstdint>

#include "engine/fixed_text.h"
#include "engine/settings_catalogue.h"

namespace netcheck {

inline constexpr std::size_t kStatusWidth = 35;
inline constexpr std::size_t kResultWidth = 45;

// The engine's working state: one entry per catalogue row, in row order.
struct SettingsState {
  struct Row {
    FixedText<kStatusWidth> statusText;
    FixedText<kResultWidth> resultText;
    std::uint8_t currentValue = 0;   // low 8 bits of the latest read
    std::uint8_t snapshotValue = 0;  // low 8 bits before the latest batch of writes
    std::int32_t readValue = 0;      // the whole number of the latest read, for the backup
  };
  std::array<Row, kSettingCount> rows{};
  std::array<std::uint8_t, 3> changeTarget{0, 1, 0};  // written to rows 1 to 3 by the Change
  bool changesMade = false;
};

}  // namespace netcheck
