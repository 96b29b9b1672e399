#pragma once
#include <string>
#include <vector>

#include "engine/operations.h"
#include "support/field_text.h"
#include "support/harness.h"
#include "support/temp_dir.h"

namespace netcheck::testing {

// The window as the engine sees it, recording what the user would see and in which order.
class RecordingWindow final : public EngineWindow {
 public:
  explicit RecordingWindow(const SettingsState& state) : state_(state) {}
  void HideField(int field) override { events.push_back("hide " + std::to_string(field)); }
  void Redraw() override {
    events.push_back("redraw");
    screens.push_back(state_);
  }
  void ShowMessage(std::string_view text) override { events.push_back("message " + std::string(text)); }

  std::vector<std::string> events;
  std::vector<SettingsState> screens;  // the state as each redraw showed it

 private:
  const SettingsState& state_;
};

class FixedClock final : public Clock {
 public:
  LocalDate Today() override { return date; }
  LocalDate date{2024, 12, 2};
};

// Everything the engine works on, in a new current directory.
struct EngineWorld {
  ScopedTempDir dir;
  std::unique_ptr<RegistryHarness> harness = MakeRegistryHarness();
  RegistryStore& registry = harness->Store();
  std::unique_ptr<IniStore> ini = MakeIniStore();
  SettingsState state;
  RecordingWindow window{state};
  FixedClock clock;

  static const RegistrySetting& Row(int row) { return SettingsCatalogue.at(row - 1); }
  void Seed(int row, RegType type, std::vector<std::uint8_t> data) {
    harness->SetRaw(Row(row).keyPath, Row(row).valueName, type, std::move(data));
  }
  void SeedDword(int row, std::uint32_t value) { Seed(row, RegType::Dword, DwordBytes(value)); }
  std::optional<RawValue> Stored(int row) { return harness->GetRaw(Row(row).keyPath, Row(row).valueName); }
  // Every row at its safe value, as REG_DWORD numbers.
  void SeedAllSafe() {
    for (const RegistrySetting& s : SettingsCatalogue) SeedDword(s.row, s.safeWhenNonzero ? 1 : 0);
  }
  std::string Status(int row) const { return std::string(state.rows[row - 1].statusText.View()); }
  std::string Result(int row) const { return std::string(state.rows[row - 1].resultText.View()); }
};

}  // namespace netcheck::testing
