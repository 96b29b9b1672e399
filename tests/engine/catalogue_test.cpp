#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/settings_catalogue.h"

namespace netcheck {
namespace {

TEST(SettingsCatalogue, RowsAreOneToNineInOrder) {
  for (std::size_t i = 0; i < SettingsCatalogue.size(); ++i) EXPECT_EQ(SettingsCatalogue[i].row, int(i + 1));
}

TEST(SettingsCatalogue, BackupKeysExistExactlyForRowsOneToEightAndAreUnique) {
  std::set<std::string> keys;
  for (const RegistrySetting& s : SettingsCatalogue) {
    EXPECT_EQ(s.iniKey != nullptr, s.row <= 8) << s.row;
    if (s.iniKey) {
      EXPECT_TRUE(keys.insert(s.iniKey).second) << s.iniKey;
    }
    // A row without a backup key cannot be rolled back from the backup.
    if (!s.iniKey) {
      EXPECT_NE(s.rollBack.source, ValueSource::Backup) << s.row;
    }
  }
}

TEST(SettingsCatalogue, WritesGoToTheReadNameExceptRowThree) {
  for (const RegistrySetting& s : SettingsCatalogue) {
    const std::string expected = s.row == 3 ? "CachedOPenLimit" : s.valueName;
    EXPECT_EQ(s.writeValueName, expected) << s.row;
  }
}

TEST(SettingsCatalogue, EveryFieldIsWhereTheWindowAndTheUserExpectIt) {
  struct Expected {
    const char* valueName;
    const char* label;
    int statusField;
    bool safeWhenNonzero;
    const char* iniKey;
    RegType applyType;
    const char* applyFailure;
    const char* rollBackFailure;
  } rows[] = {
      {"EnableOplocks", "EnableOpLocks is", 6, false, "EnableOplocks", RegType::Dword,
       "Failed to update Registry for EnableOplocks", "Failed to update Registry for EnableOplocks"},
      {"EnableOpLockForceClose", "EnableOpLockForceClose is", 9, true, "EnableOpLockForceClose", RegType::Dword,
       "Failed to update EnableOpLockForceClose", "Failed to update EnableOpLockForceClose"},
      {"CachedOpenLimit", "CachedOpenLimit is", 12, false, "CachedOpenLimit", RegType::Dword,
       "Failed to update CachedOpenLimit", "Failed to update CachedOpenLimit"},
      {"Smb2", "SMB2 is", 15, false, "Smb2", RegType::Dword, "Failed to update Registry for Smb2",
       "Failed to update Smb2"},
      {"UseOpportunisticLocking", "Use OppLocks is", 18, false, "UseOplocks", RegType::Dword,
       "Failed to update Registry for Use OpLocks", "Failed to update UseOpportunisticLocking"},
      {"UtilizeNTCaching", "Utilize NT Caching is", 26, false, "NTCache", RegType::Dword,
       "Failed to update Registry for Utilize NT Caching", "Failed to update UtilizeNTCaching"},
      {"UseWriteBehind", "Use Write Behind is", 29, false, "WriteBehind", RegType::Dword,
       "Failed to update Registry for Use Write Behind", "Failed to update UseWriteBehind"},
      {"DiscardCacheOnOpen", "Discard Cache On Open is", 32, true, "DiskCacheOpen", RegType::String,
       "Failed to update Registry for Discard Cache on Open", "Failed to update DiscardCacheOnOpen"},
      {"OplocksDisabled", "OpLocks Disabled is", 21, true, nullptr, RegType::Dword,
       "Failed to update Registry for Oplocks Disabled", "Failed to update Oplocks Disabled"},
  };
  const std::string server = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
  for (const RegistrySetting& s : SettingsCatalogue) {
    const Expected& e = rows[s.row - 1];
    EXPECT_STREQ(s.valueName, e.valueName);
    EXPECT_STREQ(s.label, e.label);
    EXPECT_EQ(s.statusField, e.statusField);
    EXPECT_EQ(s.labelField, e.statusField - 1);
    EXPECT_EQ(s.resultField, e.statusField + 1);
    EXPECT_EQ(s.safeWhenNonzero, e.safeWhenNonzero);
    EXPECT_EQ(s.iniKey == nullptr ? std::string("-") : s.iniKey, e.iniKey == nullptr ? "-" : e.iniKey);
    EXPECT_EQ(s.apply.type, e.applyType);
    EXPECT_STREQ(s.apply.failureText, e.applyFailure);
    EXPECT_STREQ(s.rollBack.failureText, e.rollBackFailure);
    if (s.row <= 4) {
      EXPECT_EQ(s.keyPath, server);
    }
  }
  EXPECT_STREQ(SettingsCatalogue[4].keyPath, "SYSTEM\\CurrentControlSet\\Services\\LanmanWorkstation\\Parameters");
  EXPECT_STREQ(SettingsCatalogue[5].keyPath, "SYSTEM\\CurrentControlSet\\Services\\LanmanWorkstation\\Parameters");
  EXPECT_STREQ(SettingsCatalogue[6].keyPath, "SYSTEM\\CurrentControlSet\\Services\\Rdr\\Parameters");
  EXPECT_STREQ(SettingsCatalogue[7].keyPath, "SYSTEM\\CurrentControlSet\\Services\\VxD\\VREDIR");
  EXPECT_STREQ(SettingsCatalogue[8].keyPath, "SYSTEM\\CurrentControlSet\\Services\\MRXSmb\\Parameters");
}

TEST(SettingsCatalogue, TheChangeWritesTheSafeValueOfEveryRow) {
  // Rows 1 to 3 take their numbers from changeTarget (0, 1, 0); the constants of the others must
  // be what judging calls safe.
  for (const RegistrySetting& s : SettingsCatalogue) {
    if (s.apply.source == ValueSource::ChangeTarget) {
      EXPECT_LE(s.row, 3);
      continue;
    }
    ASSERT_EQ(s.apply.source, ValueSource::Constant) << s.row;
    EXPECT_EQ(std::string(s.apply.constant), s.safeWhenNonzero ? "1" : "0") << s.row;
  }
}

TEST(SettingsCatalogue, StatusTextsFollowSafeWhenNonzero) {
  const RegistrySetting& unsafeWhenOn = SettingsCatalogue[0];
  const RegistrySetting& safeWhenOn = SettingsCatalogue[1];
  EXPECT_STREQ(StatusText(unsafeWhenOn, true), "(1) Enabled - Should be Changed");
  EXPECT_STREQ(StatusText(unsafeWhenOn, false), "(0) Disabled - Ok, Will Not Change");
  EXPECT_STREQ(StatusText(safeWhenOn, true), "(1) Enabled - Ok, Will Not Change");
  EXPECT_STREQ(StatusText(safeWhenOn, false), "(0) Disabled - Should be Changed");
}

}  // namespace
}  // namespace netcheck
