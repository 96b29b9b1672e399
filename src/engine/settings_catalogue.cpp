#include "engine/settings_catalogue.h"

namespace netcheck {
namespace {

constexpr const char* kServer = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
constexpr const char* kWorkstation = "SYSTEM\\CurrentControlSet\\Services\\LanmanWorkstation\\Parameters";
constexpr const char* kRedirector = "SYSTEM\\CurrentControlSet\\Services\\Rdr\\Parameters";
constexpr const char* kVredir = "SYSTEM\\CurrentControlSet\\Services\\VxD\\VREDIR";
constexpr const char* kMrxSmb = "SYSTEM\\CurrentControlSet\\Services\\MRXSmb\\Parameters";

constexpr RegType kDword = RegType::Dword;
constexpr RegType kString = RegType::String;
constexpr ValueSource kConstant = ValueSource::Constant;
constexpr ValueSource kTarget = ValueSource::ChangeTarget;
constexpr ValueSource kBackup = ValueSource::Backup;

}  // namespace

// The services read rows 1 to 7 and 9 as REG_DWORD numbers, so the Change writes them as such;
// row 8 belongs to older Windows, which reads it as text.
const std::array<RegistrySetting, kSettingCount> SettingsCatalogue = {{
    {.row = 1,
     .valueName = "EnableOplocks",
     .keyPath = kServer,
     .label = "EnableOpLocks is",
     .labelField = 5,
     .statusField = 6,
     .resultField = 7,
     .safeWhenNonzero = false,
     .iniKey = "EnableOplocks",
     .writeValueName = "EnableOplocks",
     .apply = {kDword, kTarget, nullptr, "Failed to update Registry for EnableOplocks"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update Registry for EnableOplocks"}},
    {.row = 2,
     .valueName = "EnableOpLockForceClose",
     .keyPath = kServer,
     .label = "EnableOpLockForceClose is",
     .labelField = 8,
     .statusField = 9,
     .resultField = 10,
     .safeWhenNonzero = true,
     .iniKey = "EnableOpLockForceClose",
     .writeValueName = "EnableOpLockForceClose",
     .apply = {kDword, kTarget, nullptr, "Failed to update EnableOpLockForceClose"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update EnableOpLockForceClose"}},
    {.row = 3,
     .valueName = "CachedOpenLimit",
     .keyPath = kServer,
     .label = "CachedOpenLimit is",
     .labelField = 11,
     .statusField = 12,
     .resultField = 13,
     .safeWhenNonzero = false,
     .iniKey = "CachedOpenLimit",
     .writeValueName = "CachedOPenLimit",
     .apply = {kDword, kTarget, nullptr, "Failed to update CachedOpenLimit"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update CachedOpenLimit"}},
    {.row = 4,
     .valueName = "Smb2",
     .keyPath = kServer,
     .label = "SMB2 is",
     .labelField = 14,
     .statusField = 15,
     .resultField = 16,
     .safeWhenNonzero = false,
     .iniKey = "Smb2",
     .writeValueName = "Smb2",
     .apply = {kDword, kConstant, "0", "Failed to update Registry for Smb2"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update Smb2"}},
    {.row = 5,
     .valueName = "UseOpportunisticLocking",
     .keyPath = kWorkstation,
     .label = "Use OppLocks is",
     .labelField = 17,
     .statusField = 18,
     .resultField = 19,
     .safeWhenNonzero = false,
     .iniKey = "UseOplocks",
     .writeValueName = "UseOpportunisticLocking",
     .apply = {kDword, kConstant, "0", "Failed to update Registry for Use OpLocks"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update UseOpportunisticLocking"}},
    {.row = 6,
     .valueName = "UtilizeNTCaching",
     .keyPath = kWorkstation,
     .label = "Utilize NT Caching is",
     .labelField = 25,
     .statusField = 26,
     .resultField = 27,
     .safeWhenNonzero = false,
     .iniKey = "NTCache",
     .writeValueName = "UtilizeNTCaching",
     .apply = {kDword, kConstant, "0", "Failed to update Registry for Utilize NT Caching"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update UtilizeNTCaching"}},
    {.row = 7,
     .valueName = "UseWriteBehind",
     .keyPath = kRedirector,
     .label = "Use Write Behind is",
     .labelField = 28,
     .statusField = 29,
     .resultField = 30,
     .safeWhenNonzero = false,
     .iniKey = "WriteBehind",
     .writeValueName = "UseWriteBehind",
     .apply = {kDword, kConstant, "0", "Failed to update Registry for Use Write Behind"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update UseWriteBehind"}},
    {.row = 8,
     .valueName = "DiscardCacheOnOpen",
     .keyPath = kVredir,
     .label = "Discard Cache On Open is",
     .labelField = 31,
     .statusField = 32,
     .resultField = 33,
     .safeWhenNonzero = true,
     .iniKey = "DiskCacheOpen",
     .writeValueName = "DiscardCacheOnOpen",
     .apply = {kString, kConstant, "1", "Failed to update Registry for Discard Cache on Open"},
     .rollBack = {kDword, kBackup, nullptr, "Failed to update DiscardCacheOnOpen"}},
    {.row = 9,
     .valueName = "OplocksDisabled",
     .keyPath = kMrxSmb,
     .label = "OpLocks Disabled is",
     .labelField = 20,
     .statusField = 21,
     .resultField = 22,
     .safeWhenNonzero = true,
     .iniKey = nullptr,
     .writeValueName = "OplocksDisabled",
     .apply = {kDword, kConstant, "1", "Failed to update Registry for Oplocks Disabled"},
     .rollBack = {kDword, kConstant, "1", "Failed to update Oplocks Disabled"}},
}};

const char* StatusText(const RegistrySetting& setting, bool nonzero) {
  if (setting.safeWhenNonzero) {
    return nonzero ? "(1) Enabled - Ok, Will Not Change" : "(0) Disabled - Should be Changed";
  }
  return nonzero ? "(1) Enabled - Should be Changed" : "(0) Disabled - Ok, Will Not Change";
}

}  // namespace netcheck
