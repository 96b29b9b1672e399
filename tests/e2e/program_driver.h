#pragma once
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/win32/unique_handle.h"

namespace netcheck::testing {

// Starts isam-netcheck.exe in a directory and drives it as a user would: finds its window, reads
// its controls by field number, presses keys and reads its message box. Every wait is bounded.
class ProgramDriver {
 public:
  static constexpr auto kTimeout = std::chrono::seconds(20);

  ~ProgramDriver();

  // Starts the program with `directory` as its current directory and waits until the window is
  // ready: the nine statuses are on screen. False when that did not happen in time.
  bool Start(const std::filesystem::path& directory);
  HWND Window() const { return window_; }

  std::string Text(int field) const;
  bool IsVisible(int field) const;
  HWND Control(int field) const { return GetDlgItem(window_, field); }
  // The control with the keyboard focus in the program's window.
  HWND Focus() const;
  // Presses and releases a key in the program's window.
  void Press(WORD virtualKey) const;
  // Waits until the program has handled everything sent to it so far.
  void Settle() const;

  // The message box the program shows, if one is open now or opens within `wait`.
  std::optional<HWND> MessageBoxWithin(std::chrono::milliseconds wait) const;
  static std::string MessageText(HWND box);
  static void CloseMessageBox(HWND box);

  // Ends the program from outside, as a task manager would.
  void Kill() const {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 10000);
  }
  bool IsRunning() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
  // Waits for the program to end; its exit code, or nullopt when it did not end in time.
  std::optional<DWORD> WaitForExit();

  // Waits until `condition` holds, at most kTimeout.
  static bool WaitUntil(
      const std::function<bool()>& condition,
      std::chrono::milliseconds limit = std::chrono::duration_cast<std::chrono::milliseconds>(kTimeout));

 private:
  UniqueHandleObject process_;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

// The folder of the running test program, where isam-netcheck.exe is built too.
std::filesystem::path ProgramFolder();

}  // namespace netcheck::testing
