#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_ini.h"
#include "platform/win32/win32_registry.h"
#include "support/harness.h"

namespace netcheck::testing {
namespace {

constexpr const char* kScratch = "Software\\isam-netcheck-tests\\HKLM";

// The real registry, with HKEY_LOCAL_MACHINE pointed at an empty scratch key of the current user,
// so every case starts from nothing and the prefix's own machine keys stay as they were.
class Win32Harness final : public RegistryHarness {
 public:
  Win32Harness() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                    scratch_.Receive(), nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch_.Get());
  }
  ~Win32Harness() override {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    scratch_.Reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
  }

  RegistryStore& Store() override { return registry_; }

  void SetRaw(const std::string& keyPath, const std::string& valueName, RegType type,
              std::vector<std::uint8_t> data) override {
    UniqueHKey key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Receive(),
                        nullptr) != ERROR_SUCCESS) {
      key.Release();
      return;
    }
    RegSetValueExA(key.Get(), valueName.c_str(), 0, static_cast<DWORD>(type), data.data(),
                   static_cast<DWORD>(data.size()));
  }

  std::optional<RawValue> GetRaw(const std::string& keyPath, const std::string& valueName) override {
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
      key.Release();
      return std::nullopt;
    }
    // Enumerate to learn the name in the case it was created with.
    for (DWORD index = 0;; ++index) {
      char name[16384];
      DWORD nameLength = sizeof name;
      DWORD type = 0;
      DWORD size = 0;
      if (RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
      }
      if (lstrcmpiA(name, valueName.c_str()) != 0) continue;
      std::vector<std::uint8_t> data(size);
      DWORD got = size;
      RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, data.data(), &got);
      data.resize(got);
      return RawValue{name, static_cast<RegType>(type), std::move(data)};
    }
  }

  bool KeyExists(const std::string& keyPath) override {
    UniqueHKey key;
    const bool exists = RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
    if (!exists) key.Release();
    return exists;
  }

  std::optional<std::string> StoredKeyName(const std::string& keyPath) override {
    const std::size_t slash = keyPath.rfind('\\');
    const std::string parentPath = slash == std::string::npos ? "" : keyPath.substr(0, slash);
    const std::string leaf = slash == std::string::npos ? keyPath : keyPath.substr(slash + 1);
    UniqueHKey parent;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, parentPath.c_str(), 0, KEY_READ, parent.Receive()) != ERROR_SUCCESS) {
      parent.Release();
      return std::nullopt;
    }
    for (DWORD index = 0;; ++index) {
      char name[256];
      DWORD nameLength = sizeof name;
      if (RegEnumKeyExA(parent.Get(), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
      }
      if (lstrcmpiA(name, leaf.c_str()) == 0) return std::string(name);
    }
  }

 private:
  UniqueHKey scratch_;
  Win32Registry registry_;
};

}  // namespace

std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<Win32Harness>(); }
std::unique_ptr<IniStore> MakeIniStore() { return std::make_unique<Win32Ini>(); }
bool RunningOnWindows() { return true; }

}  // namespace netcheck::testing
