#include "ui/main_procedure.h"

#include "engine/settings_state.h"
#include "ui/main_window.h"
#include "ui/main_window_controller.h"

namespace netcheck {

void MainProcedure(HINSTANCE instance, ProcedureServices& services) {
  SettingsState state;
  MainWindow window(state);
  if (!window.Prepare(instance)) {
    services.errors.Report("the window could not be created");
    return;
  }
  {
    MainWindowController controller(window, state, services);
    controller.Run();
  }
  window.Close();
}

}  // namespace netcheck
