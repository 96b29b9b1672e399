#pragma once
#include "app/placement_window.h"
#include "engine/engine_window.h"
#include "ui/window_controller.h"

namespace netcheck {

// Everything the main window's controller uses of its window: the controller's events, the
// engine's view and the window-state store's placement.
class MainWindowPort : public ControlledWindow, public EngineWindow, public PlacementWindow {
 public:
  // One redraw serves the controller and the engine alike.
  void Redraw() override = 0;
};

}  // namespace netcheck
