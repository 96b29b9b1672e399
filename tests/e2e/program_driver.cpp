#include "e2e/program_driver.h"

#include <thread>
#include <vector>

#include "engine/settings_catalogue.h"

namespace netcheck::testing {
namespace {

struct FindContext {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* context = reinterpret_cast<FindContext*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (pid == context->processId && IsWindowVisible(window) && std::string(caption) == "Registry Values") {
    context->found = window;
    return FALSE;
  }
  return TRUE;
}

struct BoxContext {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
  auto* context = reinterpret_cast<BoxContext*>(param);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (GetWindow(window, GW_OWNER) == context->owner && std::string(className) == "#32770" && IsWindowVisible(window)) {
    context->found = window;
    return FALSE;
  }
  return TRUE;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
  return std::string(text);
}

}  // namespace

std::filesystem::path ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

bool ProgramDriver::WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

ProgramDriver::~ProgramDriver() {
  if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 5000);
  }
}

bool ProgramDriver::Start(const std::filesystem::path& directory) {
  const std::string exe = (ProgramFolder() / "isam-netcheck.exe").string();
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.string().c_str(),
                      &startup, &info)) {
    return false;
  }
  process_ = UniqueHandleObject(info.hProcess);
  CloseHandle(info.hThread);
  processId_ = info.dwProcessId;
  if (!WaitUntil([&] {
        FindContext context{processId_, nullptr};
        EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&context));
        window_ = context.found;
        return window_ != nullptr;
      })) {
    return false;
  }
  threadId_ = GetWindowThreadProcessId(window_, nullptr);
  // Ready when the last row's status is on screen and the opening has been handled in full.
  const int lastStatus = SettingsCatalogue.back().statusField;
  if (!WaitUntil([&] { return Text(lastStatus).find_first_not_of(' ') != std::string::npos; })) return false;
  Settle();
  return true;
}

std::string ProgramDriver::Text(int field) const { return WindowText(Control(field)); }

bool ProgramDriver::IsVisible(int field) const { return (GetWindowLongA(Control(field), GWL_STYLE) & WS_VISIBLE) != 0; }

HWND ProgramDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId_, &info)) return nullptr;
  return info.hwndFocus;
}

void ProgramDriver::Press(WORD virtualKey) const {
  SetForegroundWindow(window_);
  WaitUntil([&] { return GetForegroundWindow() == window_ || GetForegroundWindow() == GetLastActivePopup(window_); },
            std::chrono::milliseconds(2000));
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtualKey;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

void ProgramDriver::Settle() const {
  // A sent message is handled only when the program's thread waits for messages again, so this
  // returns once the work in hand is done (or a modal message box waits for the user).
  for (int i = 0; i < 3; ++i) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
}

std::optional<HWND> ProgramDriver::MessageBoxWithin(std::chrono::milliseconds wait) const {
  BoxContext context{window_, nullptr};
  WaitUntil(
      [&] {
        EnumWindows(&FindMessageBox, reinterpret_cast<LPARAM>(&context));
        return context.found != nullptr;
      },
      wait);
  if (context.found == nullptr) return std::nullopt;
  return context.found;
}

std::string ProgramDriver::MessageText(HWND box) {
  // The message box's text is its static control with ID 0xFFFF.
  return WindowText(GetDlgItem(box, 0xFFFF));
}

void ProgramDriver::CloseMessageBox(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

std::optional<DWORD> ProgramDriver::WaitForExit() {
  if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(kTimeout.count() * 1000)) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

}  // namespace netcheck::testing
