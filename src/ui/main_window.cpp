#include "ui/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/resources.h"
#include "engine/settings_catalogue.h"
#include "ui/dialog_template.h"
#include "ui/layout.h"

namespace netcheck {
namespace {

constexpr COLORREF kMaroon = RGB(128, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr int kCloseIconSize = 16;

const LayoutItem* LayoutItemOf(int field) {
  if (field < 1 || field > static_cast<int>(MainLayout.size())) return nullptr;
  return &MainLayout[static_cast<std::size_t>(field - 1)];
}

}  // namespace

bool MainWindow::Prepare(HINSTANCE instance) {
  const std::vector<WORD> dialogTemplate = BuildMainDialogTemplate();
  HWND dialog = CreateDialogIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), nullptr,
                                           &MainWindow::DialogProc, reinterpret_cast<LPARAM>(this));
  if (dialog == nullptr) return false;
  dialog_ = UniqueHwnd(dialog);
  InitialiseControls(instance);
  return true;
}

void MainWindow::InitialiseControls(HINSTANCE instance) {
  HWND dialog = dialog_.Get();
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));

  // The sheet: one tab whose caption alone is bold; the page fills its display area.
  HWND sheet = GetDlgItem(dialog, kSheetField);
  LOGFONTA bold{};
  if (font != nullptr && GetObjectA(font, sizeof bold, &bold) != 0) {
    bold.lfWeight = FW_BOLD;
    boldFont_ = UniqueHFont(CreateFontIndirectA(&bold));
    if (boldFont_) SendMessageA(sheet, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()), FALSE);
  }
  TCITEMA tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<char*>(LayoutItemOf(kTabField)->text);
  SendMessageA(sheet, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tab));
  RECT page{};
  GetWindowRect(sheet, &page);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&page), 2);
  SendMessageA(sheet, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  HWND pageWindow = GetDlgItem(dialog, kTabField);
  SetWindowPos(pageWindow, HWND_BOTTOM, page.left, page.top, page.right - page.left, page.bottom - page.top,
               SWP_NOACTIVATE);
  // Sheet and page lie under everything on them, so they never paint over the texts.
  SetWindowPos(sheet, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SampleSheetColour();

  // Texts sized to fit take the size of their text in the window's font.
  for (const LayoutItem& item : MainLayout) {
    if (item.w != kFit || item.text == nullptr) continue;
    HWND control = GetDlgItem(dialog, item.field);
    SIZE size{};
    {
      const WindowDC dc(control);
      const SelectedObject selected(dc.Get(), font);
      GetTextExtentPoint32A(dc.Get(), item.text, static_cast<int>(std::string_view(item.text).size()), &size);
    }
    SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // "Close" shows its icon at the left of its caption.
  closeIcon_ = UniqueHIcon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_CLOSE_BUTTON), IMAGE_ICON,
                                                         kCloseIconSize, kCloseIconSize, LR_DEFAULTCOLOR)));
  if (closeIcon_) {
    SendDlgItemMessageA(dialog, kCloseField, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(closeIcon_.Get()));
  }

  // The one tooltip, on "Roll Back Settings".
  tooltip_ =
      UniqueHwnd(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, instance, nullptr));
  if (tooltip_) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, kRollBackField));
    tool.lpszText = const_cast<char*>(kRollBackTooltip);
    SendMessageA(tooltip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

// The texts on the sheet take the sheet's own background, whatever the visual style paints it
// with: one pixel of the sheet's display area tells.
void MainWindow::SampleSheetColour() {
  HWND sheet = GetDlgItem(dialog_.Get(), kSheetField);
  sheetColour_ = GetSysColor(COLOR_BTNFACE);
  RECT display{};
  GetClientRect(sheet, &display);
  SendMessageA(sheet, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  // The sheet paints into a one-pixel bitmap placed at the middle of its display area.
  const WindowDC screen(sheet);
  const UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
  const UniqueHBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 1, 1));
  if (memory && bitmap) {
    const SelectedObject selected(memory.Get(), bitmap.Get());
    SetViewportOrgEx(memory.Get(), -(display.left + display.right) / 2, -(display.top + display.bottom) / 2, nullptr);
    SendMessageA(sheet, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    const COLORREF sample = GetPixel(memory.Get(), 0, 0);
    if (sample != CLR_INVALID) sheetColour_ = sample;
  }
  sheetBrush_ = UniqueHBrush(CreateSolidBrush(sheetColour_));
}

HBRUSH MainWindow::ColourStatic(HDC dc, HWND control) {
  const LayoutItem* item = LayoutItemOf(GetDlgCtrlID(control));
  if (item == nullptr) return nullptr;
  SetTextColor(dc, item->colour == TextColour::Maroon  ? kMaroon
                   : item->colour == TextColour::Green ? kGreen
                                                       : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, sheetColour_);
  return sheetBrush_.Get();
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return FALSE;  // the controller sets the focus when the window opens
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
  return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == IDCANCEL) {
        // Esc, whichever control has the focus. Field 2 shares this ID but, as a plain static,
        // sends no commands of its own.
        RequestClose();
      } else if (HIWORD(wParam) == BN_CLICKED && id >= kChangeField && id <= kCloseField) {
        events_.push_back(ControllerEvent::Accepted(id));
      }
      // IDOK (Enter without a focused button) does nothing.
      return TRUE;
    }
    case WM_CLOSE:
      RequestClose();
      return TRUE;
    case WM_ACTIVATE:
      events_.push_back(
          ControllerEvent::Window(LOWORD(wParam) == WA_INACTIVE ? WindowEvent::Deactivated : WindowEvent::Activated));
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != kTabField) return FALSE;
      FillRect(item->hDC, &item->rcItem, sheetBrush_.Get());
      return TRUE;
    }
    default:
      return FALSE;
  }
}

bool MainWindow::Open() {
  if (!dialog_) return false;
  ShowWindow(dialog_.Get(), SW_SHOW);
  UpdateWindow(dialog_.Get());
  events_.push_back(ControllerEvent::Window(WindowEvent::Opened));
  return true;
}

void MainWindow::Redraw() {
  // Only texts that differ from what a control shows are set, so unchanged ones are not repainted.
  const auto show = [this](int field, std::string_view text) {
    char shown[kResultWidth + 2] = {};
    const int length = GetDlgItemTextA(dialog_.Get(), field, shown, sizeof shown);
    if (std::string_view(shown, static_cast<std::size_t>(length)) != text) {
      SetDlgItemTextA(dialog_.Get(), field, std::string(text).c_str());
    }
  };
  for (const RegistrySetting& setting : SettingsCatalogue) {
    const SettingsState::Row& row = state_.rows[setting.row - 1];
    show(setting.statusField, row.statusText.View());
    show(setting.resultField, row.resultText.View());
  }
  UpdateWindow(dialog_.Get());
}

void MainWindow::FocusFirstFrom(int field) {
  for (int f = field; f <= static_cast<int>(MainLayout.size()); ++f) {
    HWND control = GetDlgItem(dialog_.Get(), f);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
      SendMessageA(dialog_.Get(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
      return;
    }
  }
}

void MainWindow::RequestClose() { events_.push_back(ControllerEvent::Window(WindowEvent::CloseRequested)); }

bool MainWindow::NextEvent(ControllerEvent& event) {
  while (events_.empty()) {
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave WM_QUIT for the caller's loop
      return false;
    }
    if (got == -1) return false;
    if (!dialog_ || !IsDialogMessageA(dialog_.Get(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  event = events_.front();
  events_.pop_front();
  return true;
}

void MainWindow::HideField(int field) { ShowWindow(GetDlgItem(dialog_.Get(), field), SW_HIDE); }

void MainWindow::ShowMessage(std::string_view text) {
  MessageBoxA(dialog_.Get(), std::string(text).c_str(), "", MB_OK);
}

bool MainWindow::IsMaximized() { return IsZoomed(dialog_.Get()) != FALSE; }
bool MainWindow::IsMinimized() { return IsIconic(dialog_.Get()) != FALSE; }
void MainWindow::RestoreFromMaximized() { ShowWindow(dialog_.Get(), SW_RESTORE); }
void MainWindow::Maximize() { ShowWindow(dialog_.Get(), SW_MAXIMIZE); }
void MainWindow::Minimize() { ShowWindow(dialog_.Get(), SW_MINIMIZE); }
bool MainWindow::IsResizable() { return (GetWindowLongA(dialog_.Get(), GWL_STYLE) & WS_THICKFRAME) != 0; }

RECT MainWindow::WindowRect() const {
  RECT rect{};
  GetWindowRect(dialog_.Get(), &rect);
  return rect;
}

// Asked each time, since the dialog's font, and so its units, follow the monitor's DPI.
RECT MainWindow::BaseUnits() const {
  RECT units{0, 0, 4, 8};
  MapDialogRect(dialog_.Get(), &units);
  return units;
}

int MainWindow::ToUnitsX(int pixels) const { return MulDiv(pixels, 4, BaseUnits().right); }
int MainWindow::ToUnitsY(int pixels) const { return MulDiv(pixels, 8, BaseUnits().bottom); }
int MainWindow::ToPixelsX(int units) const { return MulDiv(units, BaseUnits().right, 4); }
int MainWindow::ToPixelsY(int units) const { return MulDiv(units, BaseUnits().bottom, 8); }

int MainWindow::X() { return ToUnitsX(WindowRect().left); }
int MainWindow::Y() { return ToUnitsY(WindowRect().top); }
int MainWindow::Width() {
  const RECT r = WindowRect();
  return ToUnitsX(r.right - r.left);
}
int MainWindow::Height() {
  const RECT r = WindowRect();
  return ToUnitsY(r.bottom - r.top);
}

void MainWindow::MoveTo(int left, int top) {
  SetWindowPos(dialog_.Get(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetX(int x) { MoveTo(ToPixelsX(x), WindowRect().top); }
void MainWindow::SetY(int y) { MoveTo(WindowRect().left, ToPixelsY(y)); }

void MainWindow::SetWidth(int width) {
  const RECT r = WindowRect();
  SetWindowPos(dialog_.Get(), nullptr, 0, 0, ToPixelsX(width), r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetHeight(int height) {
  const RECT r = WindowRect();
  SetWindowPos(dialog_.Get(), nullptr, 0, 0, r.right - r.left, ToPixelsY(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::KeepOnScreen() {
  const RECT r = WindowRect();
  if (MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int left = std::clamp(static_cast<int>(r.left), static_cast<int>(work.left),
                              std::max(static_cast<int>(work.left), static_cast<int>(work.right) - width));
  const int top = std::clamp(static_cast<int>(r.top), static_cast<int>(work.top),
                             std::max(static_cast<int>(work.top), static_cast<int>(work.bottom) - height));
  MoveTo(left, top);
}

}  // namespace netcheck
