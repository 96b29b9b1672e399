#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/settings_catalogue.h"

namespace netcheck {
namespace {

TEST(MainLayout, FieldsAreNumberedInDefinitionOrder) {
  for (std::size_t i = 0; i < MainLayout.size(); ++i) EXPECT_EQ(MainLayout[i].field, int(i + 1));
  EXPECT_STREQ(MainLayout[2].label, "?STRING8");
  EXPECT_STREQ(MainLayout[33].label, "?BUTTON2");
  EXPECT_STREQ(MainLayout[34].label, "?BUTTON3");
  EXPECT_STREQ(MainLayout[35].label, "?CLOSE");
}

TEST(MainLayout, BoundTextsAreExactlyTheCataloguesStatusAndResultFields) {
  std::set<int> catalogueFields;
  for (const RegistrySetting& s : SettingsCatalogue) {
    catalogueFields.insert(s.statusField);
    catalogueFields.insert(s.resultField);
    // Each row's label stands at its left, on the status text's line.
    const LayoutItem& label = MainLayout.at(s.labelField - 1);
    const LayoutItem& status = MainLayout.at(s.statusField - 1);
    const LayoutItem& result = MainLayout.at(s.resultField - 1);
    EXPECT_STREQ(label.text, s.label);
    EXPECT_EQ(label.y, status.y) << s.row;
    EXPECT_EQ(result.y, status.y + 12) << s.row;
    EXPECT_EQ(status.colour, TextColour::Maroon) << s.row;
    EXPECT_EQ(result.colour, TextColour::Window) << s.row;
  }
  std::set<int> boundFields;
  for (const LayoutItem& item : MainLayout) {
    if (item.kind == ControlKind::BoundText) {
      boundFields.insert(item.field);
      EXPECT_EQ(item.text, nullptr);
    }
  }
  EXPECT_EQ(boundFields, catalogueFields);
  EXPECT_EQ(boundFields.size(), 18u);
}

TEST(MainLayout, RowsAppearTopToBottomInRowOrder) {
  int previous = 0;
  for (const RegistrySetting& s : SettingsCatalogue) {
    const int y = MainLayout.at(s.statusField - 1).y;
    EXPECT_GT(y, previous) << s.row;
    previous = y;
  }
}

TEST(MainLayout, TextsAreTheWindowsOwn) {
  EXPECT_STREQ(MainLayout[3 - 1].text, "Test Registry for proper Network setup, ISAM files");
  EXPECT_STREQ(MainLayout[23 - 1].text, "You will need to be Logged In as Adminstrator to make these changes.");
  EXPECT_STREQ(MainLayout[24 - 1].text, "Changing Setting Will Require You To Reboot  Your Computer When Done");
  EXPECT_EQ(MainLayout[23 - 1].colour, TextColour::Green);
  EXPECT_EQ(MainLayout[24 - 1].colour, TextColour::Green);
  EXPECT_STREQ(kRollBackTooltip, "Reverts to Original Setting when Vantoric was first run.");
}

}  // namespace
}  // namespace netcheck
