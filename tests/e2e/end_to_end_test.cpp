// Drives the real isam-netcheck.exe under Wine as a user would. The registry is the prefix's own
// HKEY_LOCAL_MACHINE; every case resets the nine values first and runs in a new directory.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <regex>

#include "e2e/program_driver.h"
#include "engine/operations.h"
#include "support/field_text.h"
#include "support/harness.h"
#include "support/temp_dir.h"
#include "ui/layout.h"

namespace netcheck::testing {
namespace {

constexpr const char* kMessage = "Changes Made, You should re boot computer";
constexpr auto kNoMessageWait = std::chrono::milliseconds(1500);

const RegistrySetting& Row(int row) { return SettingsCatalogue.at(row - 1); }

void ResetRegistry() {
  for (const RegistrySetting& s : SettingsCatalogue) RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, s.keyPath, s.valueName);
}

void SeedDword(int row, DWORD value) {
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, Row(row).keyPath, Row(row).valueName, REG_DWORD, &value, sizeof value);
}

void SeedAllSafe() {
  for (const RegistrySetting& s : SettingsCatalogue) SeedDword(s.row, s.safeWhenNonzero ? 1 : 0);
}

struct Stored {
  DWORD type = 0;
  DWORD number = 0;
  std::string text;
};

std::optional<Stored> Read(int row) {
  BYTE data[64] = {};
  DWORD size = sizeof data;
  Stored stored;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, Row(row).keyPath, Row(row).valueName, RRF_RT_ANY | RRF_NOEXPAND, &stored.type,
                   data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (stored.type == REG_DWORD) memcpy(&stored.number, data, sizeof stored.number);
  if (stored.type == REG_SZ) stored.text = reinterpret_cast<const char*>(data);
  return stored;
}

std::optional<std::string> DragFullWindows() {
  char value[16] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows", RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

void SetDragFullWindows(const char* value) {
  if (value == nullptr) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows");
    return;
  }
  RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows", REG_SZ, value,
                  static_cast<DWORD>(strlen(value) + 1));
}

RECT ClientRectOf(HWND control, HWND window) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// How many pixels of `colour` the screen shows inside a control.
int PixelsOfColour(HWND control, COLORREF colour) {
  RECT r{};
  GetWindowRect(control, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  int count = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) count += GetPixel(memory, x, y) == colour ? 1 : 0;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return count;
}

struct TooltipSearch {
  HWND owner;
  int tooltips;
  LRESULT tools;
};

BOOL CALLBACK CountTooltips(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TooltipSearch*>(param);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (GetWindow(window, GW_OWNER) == search->owner && std::string(className) == TOOLTIPS_CLASSA) {
    ++search->tooltips;
    search->tools += SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0);
  }
  return TRUE;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    SetDragFullWindows("0");
  }
  // Starts the program; fails the test when its window is not ready in time.
  void Start() { ASSERT_TRUE(program.Start(dir.Path())) << "the window did not become ready"; }
  void CloseWithEsc() {
    program.Press(VK_ESCAPE);
    const auto code = program.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end after Esc";
    EXPECT_EQ(*code, 0u);
  }
  std::string StateFile() { return ReadFileBytes(dir.Path() / "morvex.INI").value_or("<missing>"); }
  std::string BackupFile() { return ReadFileBytes(dir.Path() / "vantrix.ini").value_or("<missing>"); }

  ScopedTempDir dir;
  ProgramDriver program;
};

TEST_F(EndToEnd, FirstStartShowsTheStatusesTakesTheBackupAndFocusesTheChange) {
  SeedDword(1, 300);
  Start();
  for (const RegistrySetting& s : SettingsCatalogue) {
    const bool nonzero = s.row == 1;  // 300 has low 8 bits 44
    EXPECT_EQ(program.Text(s.statusField), Field(StatusText(s, nonzero), kStatusWidth)) << s.row;
    EXPECT_EQ(program.Text(s.resultField), std::string(kResultWidth, ' ')) << s.row;
  }
  EXPECT_TRUE(program.IsVisible(kHeadingField));
  EXPECT_EQ(program.Focus(), program.Control(kChangeField));

  // The backup was written before any button could be pressed: the date first, then the values.
  const std::string backup = BackupFile();
  const std::regex layout(
      "\\[Registry\\]\r\nOrigSettings= ?[ 1]?[0-9]/[0-3][0-9]/[0-9][0-9]\r\nEnableOplocks=300\r\n"
      "EnableOpLockForceClose=0\r\nCachedOpenLimit=0\r\nSmb2=0\r\nUseOplocks=0\r\nNTCache=0\r\nWriteBehind=0\r\n"
      "DiskCacheOpen=0\r\n");
  EXPECT_TRUE(std::regex_match(backup, layout)) << backup;

  CloseWithEsc();
  const std::regex state(
      "\\[Main\\]\r\nMaximize=No\r\nMinimize=No\r\nXPos=-?[0-9]+\r\nYPos=-?[0-9]+\r\n"
      "\\[__Dont_Touch_Me__\\]\r\nSectors=0\r\n");
  EXPECT_TRUE(std::regex_match(StateFile(), state)) << StateFile();
}

TEST_F(EndToEnd, ASecondStartLeavesTheBackupAsItWas) {
  const std::string backup =
      "[Registry]\r\nOrigSettings=12/02/24\r\nEnableOplocks=1\r\nEnableOpLockForceClose=1\r\nCachedOpenLimit=1\r\n"
      "Smb2=1\r\nUseOplocks=1\r\nNTCache=1\r\nWriteBehind=1\r\nDiskCacheOpen=1\r\n";
  WriteFileBytes(dir.Path() / "vantrix.ini", backup);
  Start();
  CloseWithEsc();
  EXPECT_EQ(BackupFile(), backup);
}

TEST_F(EndToEnd, SpaceRightAfterOpeningRunsTheChange) {
  SeedAllSafe();
  SeedDword(1, 1);
  Start();
  EXPECT_EQ(program.Text(Row(1).statusField), Field("(1) Enabled - Should be Changed", kStatusWidth));
  program.Press(VK_SPACE);
  const auto box = program.MessageBoxWithin(ProgramDriver::kTimeout);
  ASSERT_TRUE(box.has_value()) << "no message after a Change that changed a value";
  EXPECT_EQ(ProgramDriver::MessageText(*box), kMessage);
  char title[32] = {};
  GetWindowTextA(*box, title, sizeof title);
  EXPECT_STREQ(title, "");
  // Results and statuses were redrawn before the message.
  for (const RegistrySetting& s : SettingsCatalogue) {
    EXPECT_EQ(program.Text(s.resultField), Field("Change Successful", kResultWidth)) << s.row;
  }
  EXPECT_EQ(program.Text(Row(1).statusField), Field("(0) Disabled - Ok, Will Not Change", kStatusWidth));
  EXPECT_FALSE(program.IsVisible(kHeadingField));
  ProgramDriver::CloseMessageBox(*box);
  ASSERT_TRUE(ProgramDriver::WaitUntil([&] { return !program.MessageBoxWithin(std::chrono::milliseconds(0)); }));
  EXPECT_EQ(Read(8)->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Read(9)->type, static_cast<DWORD>(REG_DWORD));

  // A second Change writes everything again (it re-creates a value removed meanwhile, which reads
  // as 0 before and after) and finds nothing changed: no message.
  RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, Row(3).keyPath, Row(3).valueName);
  program.Press(VK_SPACE);
  ASSERT_TRUE(ProgramDriver::WaitUntil([] { return Read(3).has_value(); }));
  program.Settle();
  EXPECT_FALSE(program.MessageBoxWithin(kNoMessageWait).has_value());
  CloseWithEsc();
}

TEST_F(EndToEnd, RollBackRestoresTheFirstRunValues) {
  SeedAllSafe();
  SeedDword(1, 1);
  SeedDword(4, 1);
  Start();
  program.Press(VK_SPACE);
  auto box = program.MessageBoxWithin(ProgramDriver::kTimeout);
  ASSERT_TRUE(box.has_value());
  ProgramDriver::CloseMessageBox(*box);
  ASSERT_TRUE(ProgramDriver::WaitUntil([&] { return !program.MessageBoxWithin(std::chrono::milliseconds(0)); }));
  ASSERT_EQ(Read(1)->number, 0u);

  program.Press(VK_TAB);
  ASSERT_TRUE(ProgramDriver::WaitUntil([&] { return program.Focus() == program.Control(kRollBackField); }));
  program.Press(VK_SPACE);
  box = program.MessageBoxWithin(ProgramDriver::kTimeout);
  ASSERT_TRUE(box.has_value()) << "no message after a roll back that changed values";
  EXPECT_EQ(ProgramDriver::MessageText(*box), kMessage);
  ProgramDriver::CloseMessageBox(*box);
  for (const RegistrySetting& s : SettingsCatalogue) {
    EXPECT_EQ(program.Text(s.resultField), Field("RollBack Successful", kResultWidth)) << s.row;
  }
  EXPECT_EQ(program.Text(Row(1).statusField), Field("(1) Enabled - Should be Changed", kStatusWidth));
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(Read(row)->type, static_cast<DWORD>(REG_DWORD)) << row;
  EXPECT_EQ(Read(1)->number, 1u);
  EXPECT_EQ(Read(4)->number, 1u);
  EXPECT_FALSE(program.IsVisible(kHeadingField));
  CloseWithEsc();
}

TEST_F(EndToEnd, TabMovesAmongTheButtonsAndEnterPressesTheFocusedOne) {
  SeedAllSafe();
  Start();
  const int order[] = {kRollBackField, kCloseField, kChangeField, kRollBackField};
  for (int field : order) {
    program.Press(VK_TAB);
    ASSERT_TRUE(ProgramDriver::WaitUntil([&] { return program.Focus() == program.Control(field); }))
        << "focus did not reach field " << field;
  }
  program.Press(VK_RETURN);
  ASSERT_TRUE(ProgramDriver::WaitUntil(
      [&] { return program.Text(Row(9).resultField) == Field("RollBack Successful", kResultWidth); }));
  program.Settle();
  EXPECT_FALSE(program.MessageBoxWithin(kNoMessageWait).has_value());
  EXPECT_TRUE(program.IsRunning()) << "Enter closed the window";
  CloseWithEsc();
}

TEST_F(EndToEnd, CloseSavesThePositionAndTheNextStartOpensThere) {
  WriteFileBytes(dir.Path() / "morvex.INI", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=100\r\nYPos=50\r\n");
  Start();
  // The window's position in pixels follows from the dialog units of the sheet's own size.
  const RECT sheet = ClientRectOf(program.Control(kSheetField), program.Window());
  RECT window{};
  GetWindowRect(program.Window(), &window);
  EXPECT_NEAR(window.left, 100.0 * (sheet.right - sheet.left) / 297, 2.0);
  EXPECT_NEAR(window.top, 50.0 * (sheet.bottom - sheet.top) / 291, 2.0);

  // "Close" by keyboard: Tab twice, then Space.
  program.Press(VK_TAB);
  program.Press(VK_TAB);
  ASSERT_TRUE(ProgramDriver::WaitUntil([&] { return program.Focus() == program.Control(kCloseField); }));
  program.Press(VK_SPACE);
  const auto code = program.WaitForExit();
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(StateFile(),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=100\r\nYPos=50\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(EndToEnd, AMaximizeValueOtherThanYesOrNoRestoresNothing) {
  WriteFileBytes(dir.Path() / "morvex.INI", "[Main]\r\nMaximize=yes\r\nMinimize=No\r\nXPos=100\r\nYPos=50\r\n");
  Start();
  RECT window{};
  GetWindowRect(program.Window(), &window);
  CloseWithEsc();
  // Saved again from where the system put the window, not from the file's position.
  EXPECT_EQ(StateFile().find("XPos=100\r\n"), std::string::npos) << StateFile();
  EXPECT_NE(StateFile().find("Maximize=No\r\n"), std::string::npos);
  EXPECT_LT(window.left, 100);
}

TEST_F(EndToEnd, APositionOffEveryMonitorIsBroughtOnScreen) {
  WriteFileBytes(dir.Path() / "morvex.INI", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=100000\r\nYPos=-90000\r\n");
  Start();
  RECT window{};
  GetWindowRect(program.Window(), &window);
  EXPECT_NE(MonitorFromRect(&window, MONITOR_DEFAULTTONULL), nullptr)
      << window.left << "," << window.top << " lies off every monitor";
  CloseWithEsc();
}

TEST_F(EndToEnd, FullWindowDraggingIsOffWhileTheWindowRunsAndOnAgainAfter) {
  SetDragFullWindows("1");
  Start();
  EXPECT_EQ(DragFullWindows(), "0");
  SetDragFullWindows("0");  // another program switches it off meanwhile: it is on after the run
  CloseWithEsc();
  EXPECT_EQ(DragFullWindows(), "1");
}

TEST_F(EndToEnd, FullWindowDraggingStaysOffWhenTheProgramIsKilled) {
  SetDragFullWindows("1");
  Start();
  program.Kill();
  EXPECT_EQ(DragFullWindows(), "0");
}

TEST_F(EndToEnd, FullWindowDraggingOffAtStartIsNeverWritten) {
  SetDragFullWindows(nullptr);
  Start();
  CloseWithEsc();
  EXPECT_EQ(DragFullWindows(), std::nullopt);
}

TEST_F(EndToEnd, TheWindowAndItsControlsAreWhatTheLayoutSays) {
  Start();
  HWND window = program.Window();
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "#32770");
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_SYSMENU) << "no system menu, so no close box and no icon";
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  RECT client{};
  GetClientRect(window, &client);

  const RECT sheet = ClientRectOf(program.Control(kSheetField), window);
  const double perX = (sheet.right - sheet.left) / 297.0;
  const double perY = (sheet.bottom - sheet.top) / 291.0;
  EXPECT_NEAR(client.right, 303 * perX, 2.0);
  EXPECT_NEAR(client.bottom, 312 * perY, 2.0);

  // Every control is a direct child with its field number as ID, created in field order.
  for (const LayoutItem& item : MainLayout) {
    HWND control = program.Control(item.field);
    ASSERT_NE(control, nullptr) << item.field;
    EXPECT_EQ(GetParent(control), window) << item.field;
    EXPECT_TRUE(IsWindowVisible(control)) << item.field;
    GetClassNameA(control, className, sizeof className);
    const char* expectedClass = item.kind == ControlKind::Sheet    ? "SysTabControl32"
                                : item.kind == ControlKind::Button ? "Button"
                                                                   : "Static";
    EXPECT_STREQ(className, expectedClass) << item.field;
    if (item.text != nullptr && item.kind != ControlKind::Sheet) {
      EXPECT_EQ(program.Text(item.field), item.text) << item.field;
    }
    if (item.kind == ControlKind::Button) {
      EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) << item.field;
      // The dialog manager marks the focused push button as the one Enter presses.
      const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
      EXPECT_EQ(type, control == program.Focus() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) << item.field;
    }
    if (item.kind == ControlKind::Text || item.kind == ControlKind::BoundText || item.kind == ControlKind::Button ||
        item.kind == ControlKind::Sheet) {
      const RECT r = ClientRectOf(control, window);
      EXPECT_NEAR(r.left, item.x * perX, 2.0) << item.field;
      EXPECT_NEAR(r.top, item.y * perY, 2.0) << item.field;
      if (item.w != kFit) {
        EXPECT_NEAR(r.right - r.left, item.w * perX, 2.0) << item.field;
        EXPECT_NEAR(r.bottom - r.top, item.h * perY, 2.0) << item.field;
      } else {
        EXPECT_GT(r.right - r.left, 0) << item.field;
        EXPECT_LT(r.bottom - r.top, 12 * perY) << item.field << ": a one-line text";
      }
    }
  }
  // Maroon statuses, green notes, plain labels.
  EXPECT_GT(PixelsOfColour(program.Control(Row(1).statusField), RGB(128, 0, 0)), 20);
  EXPECT_GT(PixelsOfColour(program.Control(23), RGB(0, 128, 0)), 20);
  EXPECT_GT(PixelsOfColour(program.Control(24), RGB(0, 128, 0)), 20);
  EXPECT_EQ(PixelsOfColour(program.Control(Row(1).labelField), RGB(128, 0, 0)), 0);
  // One tooltip, with one tool: "Roll Back Settings".
  TooltipSearch tooltips{window, 0, 0};
  EnumWindows(&CountTooltips, reinterpret_cast<LPARAM>(&tooltips));
  EXPECT_EQ(tooltips.tooltips, 1);
  EXPECT_EQ(tooltips.tools, 1);
  // The tab's caption, and "Close" with its icon.
  char tabText[64] = {};
  EXPECT_EQ(SendMessageA(program.Control(kSheetField), TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_STREQ((GetWindowTextA(program.Control(kTabField), tabText, sizeof tabText), tabText), "Registry Settings");
  EXPECT_NE(SendMessageA(program.Control(kCloseField), BM_GETIMAGE, IMAGE_ICON, 0), 0);
  CloseWithEsc();
}

}  // namespace
}  // namespace netcheck::testing
