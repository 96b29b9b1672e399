#pragma once
#include <string_view>

namespace netcheck {

// What the engine needs of the window: it shows the SettingsState it was opened with.
class EngineWindow {
 public:
  virtual ~EngineWindow() = default;
  virtual void HideField(int field) = 0;
  // Redraws every bound text from the SettingsState.
  virtual void Redraw() = 0;
  // A modal message box: empty title, no icon, one default "OK" button.
  virtual void ShowMessage(std::string_view text) = 0;
};

// The heading "Test Registry for proper Network setup, ISAM files".
inline constexpr int kHeadingField = 3;

}  // namespace netcheck
