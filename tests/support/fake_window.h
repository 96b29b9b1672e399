#pragma once
#include <deque>
#include <string>
#include <vector>

#include "ui/main_window_port.h"

namespace netcheck::testing {

// A window that records every call in order and replays scripted events. Positions are kept in
// dialog units as the real window reports them.
class FakeWindow final : public MainWindowPort {
 public:
  std::vector<std::string> calls;
  std::deque<ControllerEvent> script;  // events the user will cause, after the queued ones
  int x = 10, y = 20, width = 303, height = 330;
  bool maximized = false, minimized = false, resizable = false, openSucceeds = true;

  bool Open() override {
    calls.push_back("open");
    if (openSucceeds) queued_.push_back(ControllerEvent::Window(WindowEvent::Opened));
    return openSucceeds;
  }
  void Redraw() override { calls.push_back("redraw"); }
  void FocusFirstFrom(int field) override { calls.push_back("focus from " + std::to_string(field)); }
  void RequestClose() override { queued_.push_back(ControllerEvent::Window(WindowEvent::CloseRequested)); }
  bool NextEvent(ControllerEvent& event) override {
    std::deque<ControllerEvent>& from = queued_.empty() ? script : queued_;
    if (from.empty()) return false;
    event = from.front();
    from.pop_front();
    return true;
  }

  void HideField(int field) override { calls.push_back("hide " + std::to_string(field)); }
  void ShowMessage(std::string_view text) override { calls.push_back("message " + std::string(text)); }

  bool IsMaximized() override { return maximized; }
  bool IsMinimized() override { return minimized; }
  void RestoreFromMaximized() override {
    calls.push_back("restore");
    maximized = false;
  }
  void Maximize() override {
    calls.push_back("maximize");
    maximized = true;
  }
  void Minimize() override {
    calls.push_back("minimize");
    minimized = true;
  }
  bool IsResizable() override { return resizable; }
  int X() override { return x; }
  int Y() override { return y; }
  int Width() override { return width; }
  int Height() override { return height; }
  void SetX(int value) override {
    calls.push_back("x " + std::to_string(value));
    x = value;
  }
  void SetY(int value) override {
    calls.push_back("y " + std::to_string(value));
    y = value;
  }
  void SetWidth(int value) override {
    calls.push_back("width " + std::to_string(value));
    width = value;
  }
  void SetHeight(int value) override {
    calls.push_back("height " + std::to_string(value));
    height = value;
  }
  void KeepOnScreen() override { calls.push_back("keep on screen"); }

 private:
  std::deque<ControllerEvent> queued_;  // events the window itself raised
};

inline ControllerEvent Pressed(int field) { return ControllerEvent::Accepted(field); }
inline ControllerEvent Event(WindowEvent event) { return ControllerEvent::Window(event); }

}  // namespace netcheck::testing
