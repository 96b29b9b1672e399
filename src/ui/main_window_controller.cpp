#include "ui/main_window_controller.h"

#include "engine/operations.h"
#include "ui/layout.h"

namespace netcheck {
namespace {

constexpr const char* kProcedureName = "Main";

}  // namespace

bool MainWindowController::SetUpWindow() {
  services_.errors.SetProcedure(kProcedureName);
  WindowController::SetUpWindow();
  SetFirstField(kHeadingField);
  AddClosingButton(kCloseField, 1);
  if (!OpenWindow()) {
    services_.errors.Report("the window could not be opened");
    return false;
  }
  services_.iniManager.RestoreWindowState(kProcedureName, window_);
  return true;
}

bool MainWindowController::HandleWindowEvent(WindowEvent event) {
  const bool handled = WindowController::HandleWindowEvent(event);
  if (event != WindowEvent::Opened) return handled;
  CheckSettings(state_, services_.registry);
  window_.Redraw();
  BackupOriginalSettings(state_, services_.ini, services_.clock);
  state_.changesMade = false;
  return handled;
}

bool MainWindowController::HandleAccepted(int field) {
  if (field == kChangeField) ApplyRecommendedSettings(state_, services_.registry, window_);
  const bool handled = WindowController::HandleAccepted(field);
  if (field == kRollBackField) RollBackSettings(state_, services_.registry, services_.ini, window_);
  return handled;
}

bool MainWindowController::TearDownWindow() {
  if (!WindowController::TearDownWindow()) return true;
  if (Opened()) services_.iniManager.SaveWindowState(kProcedureName, window_);
  services_.errors.ClearProcedure();
  return true;
}

}  // namespace netcheck
