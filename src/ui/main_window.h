#pragma once
#include <windows.h>

#include <deque>

#include "engine/settings_state.h"
#include "platform/win32/unique_handle.h"
#include "ui/main_window_port.h"

namespace netcheck {

// The "Registry Values" window: a modeless dialog built from the layout table, whose bound texts
// show a SettingsState as it stood at the last redraw.
class MainWindow final : public MainWindowPort {
 public:
  explicit MainWindow(const SettingsState& state) : state_(state) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls, not yet on the screen. False when that failed.
  bool Prepare(HINSTANCE instance);
  HWND Handle() const { return dialog_.Get(); }
  void Close() {
    tooltip_.Reset();
    dialog_.Reset();
  }

  // ControlledWindow
  bool Open() override;
  void Redraw() override;
  void FocusFirstFrom(int field) override;
  void RequestClose() override;
  bool NextEvent(ControllerEvent& event) override;

  // EngineWindow
  void HideField(int field) override;
  void ShowMessage(std::string_view text) override;

  // PlacementWindow, in dialog units
  bool IsMaximized() override;
  bool IsMinimized() override;
  void RestoreFromMaximized() override;
  void Maximize() override;
  void Minimize() override;
  bool IsResizable() override;
  int X() override;
  int Y() override;
  int Width() override;
  int Height() override;
  void SetX(int x) override;
  void SetY(int y) override;
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void KeepOnScreen() override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void InitialiseControls(HINSTANCE instance);
  void SampleSheetColour();
  HBRUSH ColourStatic(HDC dc, HWND control);
  RECT BaseUnits() const;  // pixels per 4 horizontal and 8 vertical dialog units
  int ToUnitsX(int pixels) const;
  int ToUnitsY(int pixels) const;
  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  RECT WindowRect() const;
  void MoveTo(int left, int top);

  const SettingsState& state_;
  std::deque<ControllerEvent> events_;
  COLORREF sheetColour_ = 0;
  UniqueHBrush sheetBrush_;
  UniqueHFont boldFont_;
  UniqueHIcon closeIcon_;
  // Declared last, so the windows go before the font, brush and icon they use.
  UniqueHwnd dialog_;
  UniqueHwnd tooltip_;
};

}  // namespace netcheck
