#include "ui/main_window_controller.h"

#include <gtest/gtest.h>

#include "engine/engine_world.h"
#include "engine/operations.h"
#include "support/fake_window.h"
#include "ui/layout.h"

namespace netcheck::testing {
namespace {

const std::string kMessage = "message Changes Made, You should re boot computer";

// A program run around one procedure: the controller with its window, state and services.
struct ControllerWorld {
  EngineWorld engine;
  FakeWindow window;
  IniManager iniManager;
  ErrorReporter errors;
  ProcedureServices services{engine.registry, *engine.ini, engine.clock, iniManager, errors};

  int Run() {
    errors.BindThread();
    iniManager.Bind(*engine.ini, ".\\morvex.INI");
    MainWindowController controller(window, engine.state, services);
    const int response = controller.Run();
    iniManager.Release();
    return response;
  }
};

TEST(MainWindowController, OpensChecksBacksUpAndClosesWithClose) {
  ControllerWorld world;
  world.engine.SeedAllSafe();
  world.engine.SeedDword(1, 1);
  world.window.script = {Event(WindowEvent::Activated), Pressed(kCloseField)};
  EXPECT_EQ(world.Run(), 1);

  // Opened, its own handling (redraw, focus from the heading on), then the statuses appear.
  EXPECT_EQ(world.window.calls, (std::vector<std::string>{"open", "redraw", "focus from 3", "redraw"}));
  EXPECT_EQ(world.engine.Status(1), Field("(1) Enabled - Should be Changed", kStatusWidth));
  EXPECT_EQ(world.engine.ini->ReadEntry(kBackupFile, "Registry", "EnableOplocks", ""), "1");
  EXPECT_FALSE(world.engine.state.changesMade);
  EXPECT_EQ(ReadFileBytes("morvex.INI"),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");
  EXPECT_EQ(world.errors.Procedure(), "") << "the procedure name is taken back at tear-down";
}

TEST(MainWindowController, TheButtonsRunTheirOperationsAndEscLeavesTheResponseUnset) {
  ControllerWorld world;
  world.engine.SeedAllSafe();
  world.engine.SeedDword(1, 1);
  world.window.script = {Pressed(kChangeField), Pressed(kRollBackField), Event(WindowEvent::CloseRequested)};
  EXPECT_EQ(world.Run(), 0);
  const std::vector<std::string> expected = {
      "open",   "redraw", "focus from 3", "redraw",  // opened
      "hide 3", "redraw", kMessage,                  // the Change: row 1 goes to 0
      "hide 3", "redraw", kMessage,                  // the roll back: row 1 back to 1
  };
  EXPECT_EQ(world.window.calls, expected);
  EXPECT_EQ(world.engine.Result(1), Field("RollBack Successful", kResultWidth));
  EXPECT_EQ(world.engine.Stored(1)->data, DwordBytes(1));
}

TEST(MainWindowController, RestoresThePositionRightAfterOpening) {
  ControllerWorld world;
  WriteFileBytes("morvex.INI", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=55\r\nYPos=66\r\n");
  world.window.script = {Pressed(kCloseField)};
  world.Run();
  const std::vector<std::string> head(world.window.calls.begin(), world.window.calls.begin() + 4);
  EXPECT_EQ(head, (std::vector<std::string>{"open", "x 55", "y 66", "keep on screen"}));
  EXPECT_EQ(world.engine.ini->ReadEntry(".\\morvex.INI", "Main", "XPos", ""), "55");
}

TEST(MainWindowController, AWindowThatCannotOpenSavesNothingAndReports) {
  ControllerWorld world;
  world.window.openSucceeds = false;
  world.Run();
  EXPECT_EQ(world.window.calls, std::vector<std::string>{"open"});
  EXPECT_EQ(world.errors.LastError(), "Main: the window could not be opened");
  EXPECT_EQ(world.engine.ini->ReadEntry(".\\morvex.INI", "Main", "Maximize", "none"), "none");
  EXPECT_FALSE(std::filesystem::exists("vantrix.ini"));
}

TEST(MainWindowController, OtherButtonsAndWindowEventsDoNothingVisible) {
  ControllerWorld world;
  world.window.script = {Event(WindowEvent::Deactivated), Pressed(kCloseField)};
  world.Run();
  EXPECT_EQ(world.window.calls, (std::vector<std::string>{"open", "redraw", "focus from 3", "redraw"}));
}

}  // namespace
}  // namespace netcheck::testing
