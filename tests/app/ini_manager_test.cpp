#include "app/ini_manager.h"

#include <gtest/gtest.h>

#include "support/fake_window.h"
#include "support/harness.h"
#include "support/temp_dir.h"

namespace netcheck::testing {
namespace {

const std::string kFile = ".\\morvex.INI";

class IniManagerTest : public ::testing::Test {
 protected:
  std::string Bytes() { return ReadFileBytes("morvex.INI").value_or("<missing>"); }
  // A run: bind, restore, save, release, as the program does.
  void Run() {
    manager.Bind(*ini, kFile);
    manager.RestoreWindowState("Main", window);
    manager.SaveWindowState("Main", window);
    manager.Release();
  }

  ScopedTempDir dir;
  std::unique_ptr<IniStore> ini = MakeIniStore();
  IniManager manager;
  FakeWindow window;
};

TEST_F(IniManagerTest, AFirstRunLeavesTheLayoutPositionAndWritesBothSections) {
  Run();
  EXPECT_EQ(window.calls, std::vector<std::string>{});
  EXPECT_EQ(Bytes(),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\n"
            "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(IniManagerTest, RestoresWhatWasSaved) {
  WriteFileBytes("morvex.INI", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=-40\r\nYPos=77\r\n");
  manager.Bind(*ini, kFile);
  manager.RestoreWindowState("Main", window);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"x -40", "y 77", "keep on screen"}));
}

TEST_F(IniManagerTest, RestoreFollowsTheSavedKeys) {
  struct Case {
    const char* what;
    const char* section;
    bool resizable;
    std::vector<std::string> calls;
  } cases[] = {
      {"Maximize in lower case", "Maximize=yes\r\nXPos=1\r\nYPos=2\r\n", false, {}},
      {"no Maximize", "Minimize=No\r\nXPos=1\r\nYPos=2\r\n", false, {}},
      {"Maximize neither Yes nor No", "Maximize=Perhaps\r\nXPos=1\r\n", false, {}},
      {"XPos without YPos", "Maximize=No\r\nXPos=5\r\n", false, {"x 5", "keep on screen"}},
      {"saved minimized", "Maximize=No\r\nMinimize=Yes\r\n", false, {"keep on screen", "minimize"}},
      {"not a number", "Maximize=No\r\nXPos=left\r\nYPos=7\r\n", false, {"x 0", "y 7", "keep on screen"}},
      {"size ignored on a fixed frame",
       "Maximize=No\r\nXPos=1\r\nYPos=2\r\nWidth=50\r\nHeight=60\r\n",
       false,
       {"x 1", "y 2", "keep on screen"}},
      {"size applied on a resizable frame",
       "Maximize=No\r\nWidth=50\r\nHeight=60\r\n",
       true,
       {"width 50", "height 60", "keep on screen"}},
      {"saved maximized", "Maximize=Yes\r\nMinimize=No\r\n", false, {"keep on screen", "maximize"}},
  };
  for (const Case& c : cases) {
    WriteFileBytes("morvex.INI", std::string("[Main]\r\n") + c.section);
    FakeWindow fresh;
    fresh.resizable = c.resizable;
    IniManager m;
    m.Bind(*ini, kFile);
    m.RestoreWindowState("Main", fresh);
    EXPECT_EQ(fresh.calls, c.calls) << c.what;
  }
}

TEST_F(IniManagerTest, AMaximizedWindowIsRestoredWhenTheSavedStateIsNot) {
  WriteFileBytes("morvex.INI", "[Main]\r\nMaximize=No\r\nXPos=3\r\n");
  window.maximized = true;
  manager.Bind(*ini, kFile);
  manager.RestoreWindowState("Main", window);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"restore", "x 3", "keep on screen"}));
}

TEST_F(IniManagerTest, SaveRemovesWhatDoesNotApply) {
  WriteFileBytes("morvex.INI", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=1\r\nYPos=2\r\nWidth=50\r\nHeight=60\r\n");
  manager.Bind(*ini, kFile);
  manager.SaveWindowState("Main", window);
  EXPECT_EQ(Bytes(), "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\n");
  window.minimized = true;
  manager.SaveWindowState("Main", window);
  EXPECT_EQ(Bytes(), "[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n");
}

TEST_F(IniManagerTest, TheSectionListIsWrittenBackAsFound) {
  WriteFileBytes("morvex.INI",
                 "[__Dont_Touch_Me__]\r\nSectors=3\r\nSectors_1=Fam,Item,Type\r\nSectors_3=single\r\n"
                 "Sectors_4=beyond the count\r\n");
  manager.Bind(*ini, kFile);
  ASSERT_EQ(manager.Entries().size(), 3u);
  manager.Release();
  EXPECT_EQ(Bytes(),
            "[__Dont_Touch_Me__]\r\nSectors=3\r\nSectors_1=Fam,Item,Type\r\nSectors_3=single,single,single\r\n"
            "Sectors_4=beyond the count\r\nSectors_2=---Unknown---,---Unknown---,---Unknown---\r\n");
}

TEST_F(IniManagerTest, ACountThatCannotBeRealLeavesTheSectionAlone) {
  for (const char* count : {"99999999999", "2147483647", "-5", "1001"}) {
    const std::string bytes = std::string("[__Dont_Touch_Me__]\r\nSectors=") + count + "\r\nSectors_1=a,b,c\r\n";
    WriteFileBytes("morvex.INI", bytes);
    IniManager m;
    m.Bind(*ini, kFile);
    EXPECT_TRUE(m.Entries().empty()) << count;
    m.Release();
    EXPECT_EQ(Bytes(), bytes) << count;
  }
}

TEST(ListField, SplitsByCommasAndWrapsToTheStart) {
  struct Case {
    const char* line;
    const char* fields[3];
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}}, {"abc", {"abc", "abc", "abc"}}, {"a,b", {"a", "b", "a"}}, {"a,,c,d", {"a", "", "c"}},
      {",", {"", "", ""}},
  };
  for (const Case& c : cases) {
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(ListField(c.line, k), c.fields[k - 1]) << c.line << " field " << k;
  }
}

}  // namespace
}  // namespace netcheck::testing
