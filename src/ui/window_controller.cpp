#include "ui/window_controller.h"

namespace netcheck {

int WindowController::Run() {
  if (SetUpWindow()) {
    ControllerEvent event;
    while (!closeAccepted_ && window_.NextEvent(event)) {
      if (event.accepted) {
        HandleAccepted(event.field);
      } else {
        HandleWindowEvent(event.event);
      }
    }
  }
  TearDownWindow();
  return response_;
}

bool WindowController::SetUpWindow() {
  closingButtons_.clear();
  firstField_ = 1;
  response_ = 0;
  closeAccepted_ = false;
  return true;
}

bool WindowController::TearDownWindow() {
  if (tornDown_) return false;
  closingButtons_.clear();
  tornDown_ = true;
  return true;
}

bool WindowController::OpenWindow() {
  opened_ = window_.Open();
  return opened_;
}

bool WindowController::HandleAccepted(int field) {
  for (const auto& [button, response] : closingButtons_) {
    if (button == field) {
      response_ = response;
      window_.RequestClose();
      return true;
    }
  }
  return false;
}

bool WindowController::HandleWindowEvent(WindowEvent event) {
  switch (event) {
    case WindowEvent::Opened:
      window_.Redraw();
      window_.FocusFirstFrom(firstField_);
      return true;
    case WindowEvent::CloseRequested:
      // The window holds no data of its own to save: the request is always accepted.
      closeAccepted_ = true;
      return true;
    default:
      return false;
  }
}

}  // namespace netcheck
