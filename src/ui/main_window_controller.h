#pragma once
#include "engine/settings_state.h"
#include "ui/main_window_port.h"
#include "ui/procedure_services.h"
#include "ui/window_controller.h"

namespace netcheck {

// Ties the window to the settings engine: the check and first-run backup when the window opens,
// the two operation buttons, and the window's saved position.
class MainWindowController final : public WindowController {
 public:
  MainWindowController(MainWindowPort& window, SettingsState& state, ProcedureServices& services)
      : WindowController(window), window_(window), state_(state), services_(services) {}

 protected:
  bool SetUpWindow() override;
  bool TearDownWindow() override;
  bool HandleAccepted(int field) override;
  bool HandleWindowEvent(WindowEvent event) override;

 private:
  MainWindowPort& window_;
  SettingsState& state_;
  ProcedureServices& services_;
};

}  // namespace netcheck
