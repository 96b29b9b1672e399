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
    {1,
     "EnableOplocks",
     kServer,
     "EnableOpLocks is",
     5,
     6,
     7,
     false,
     "EnableOplocks",
     "EnableOplocks",
     {kDword, kTarget, nullptr, "Failed to update Registry for EnableOplocks"},
     {kDword, kBackup, nullptr, "Failed to update Registry for EnableOplocks"}},
    {2,
     "EnableOpLockForceClose",
     kServer,
     "EnableOpLockForceClose is",
     8,
     9,
     10,
     true,
     "EnableOpLockForceClose",
     "EnableOpLockForceClose",
     {kDword, kTarget, nullptr, "Failed to update EnableOpLockForceClose"},
     {kDword, kBackup, nullptr, "Failed to update EnableOpLockForceClose"}},
    {3,
     "CachedOpenLimit",
     kServer,
     "CachedOpenLimit is",
     11,
     12,
     13,
     false,
     "CachedOpenLimit",
     "CachedOPenLimit",
     {kDword, kTarget, nullptr, "Failed to update CachedOpenLimit"},
     {kDword, kBackup, nullptr, "Failed to update CachedOpenLimit"}},
    {4,
     "Smb2",
     kServer,
     "SMB2 is",
     14,
     15,
     16,
     false,
     "Smb2",
     "Smb2",
     {kDword, kConstant, "0", "Failed to update Registry for Smb2"},
     {kDword, kBackup, nullptr, "Failed to update Smb2"}},
    {5,
     "UseOpportunisticLocking",
     kWorkstation,
     "Use OppLocks is",
     17,
     18,
     19,
     false,
     "UseOplocks",
     "UseOpportunisticLocking",
     {kDword, kConstant, "0", "Failed to update Registry for Use OpLocks"},
     {kDword, kBackup, nullptr, "Failed to update UseOpportunisticLocking"}},
    {6,
     "UtilizeNTCaching",
     kWorkstation,
     "Utilize NT Caching is",
     25,
     26,
     27,
     false,
     "NTCache",
     "UtilizeNTCaching",
     {kDword, kConstant, "0", "Failed to update Registry for Utilize NT Caching"},
     {kDword, kBackup, nullptr, "Failed to update UtilizeNTCaching"}},
    {7,
     "UseWriteBehind",
     kRedirector,
     "Use Write Behind is",
     28,
     29,
     30,
     false,
     "WriteBehind",
     "UseWriteBehind",
     {kDword, kConstant, "0", "Failed to update Registry for Use Write Behind"},
     {kDword, kBackup, nullptr, "Failed to update UseWriteBehind"}},
    {8,
     "DiscardCacheOnOpen",
     kVredir,
     "Discard Cache On Open is",
     31,
     32,
     33,
     true,
     "DiskCacheOpen",
     "DiscardCacheOnOpen",
     {kString, kConstant, "1", "Failed to update Registry for Discard Cache on Open"},
     {kDword, kBackup, nullptr, "Failed to update DiscardCacheOnOpen"}},
    {9,
     "OplocksDisabled",
     kMrxSmb,
     "OpLocks Disabled is",
     20,
     21,
     22,
     true,
     nullptr,
     "OplocksDisabled",
     {kDword, kConstant, "1", "Failed to update Registry for Oplocks Disabled"},
     {kDword, kConstant, "1", "Failed to update Oplocks Disabled"}},
}};

const char* StatusText(const RegistrySetting& setting, bool nonzero) {
  if (setting.safeWhenNonzero) {
    return nonzero ? "(1) Enabled - Ok, Will Not Change" : "(0) Disabled - Should be Changed";
  }
  return nonzero ? "(1) Enabled - Should be Changed" : "(0) Disabled - Ok, Will Not Change";
}

}  // namespace netcheck
