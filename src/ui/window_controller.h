#pragma once
#include <utility>
#include <vector>

namespace netcheck {

enum class WindowEvent { Opened, CloseRequested, Activated, Deactivated };

// One event for the controller: a window event, or a control accepted (a button pressed).
struct ControllerEvent {
  bool accepted = false;
  int field = 0;                            // the accepted control
  WindowEvent event = WindowEvent::Opened;  // the window event, when no control was accepted

  static ControllerEvent Accepted(int field) { return {true, field, WindowEvent::Opened}; }
  static ControllerEvent Window(WindowEvent event) { return {false, 0, event}; }
};

// What the generic controller needs of the window it runs.
class ControlledWindow {
 public:
  virtual ~ControlledWindow() = default;
  // Puts the window on the screen and queues the Opened event.
  virtual bool Open() = 0;
  virtual void Redraw() = 0;
  // Focuses the first control from `field` on, in field order, that can take the focus.
  virtual void FocusFirstFrom(int field) = 0;
  // Queues a CloseRequested event.
  virtual void RequestClose() = 0;
  // Waits for the next event; false when the message queue has ended.
  virtual bool NextEvent(ControllerEvent& event) = 0;
};

// The generic runner of one window: set-up, event loop, tear-down. A derived controller replaces
// the four steps and calls these versions, the controller's own handling, where it needs them.
class WindowController {
 public:
  explicit WindowController(ControlledWindow& window) : window_(window) {}
  virtual ~WindowController() = default;
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  // Set-up; if it succeeds, the event loop until a close request is accepted; tear-down.
  // Returns the response.
  int Run();

 protected:
  virtual bool SetUpWindow();
  // Returns false when the controller had been torn down before.
  virtual bool TearDownWindow();
  virtual bool HandleAccepted(int field);
  virtual bool HandleWindowEvent(WindowEvent event);

  void SetFirstField(int field) { firstField_ = field; }
  void AddClosingButton(int field, int response) { closingButtons_.emplace_back(field, response); }
  bool OpenWindow();
  bool Opened() const { return opened_; }

 private:
  ControlledWindow& window_;
  int firstField_ = 1;
  std::vector<std::pair<int, int>> closingButtons_;
  int response_ = 0;
  bool opened_ = false;
  bool tornDown_ = false;
  bool closeAccepted_ = false;
};

}  // namespace netcheck
