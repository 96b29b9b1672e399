#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ini_store.h"
#include "platform/memory_registry.h"
#include "platform/registry_store.h"

namespace netcheck::testing {

using RawValue = MemoryRegistry::RawValue;

// The registry of this build for contract and engine tests: the in-memory one natively, the real
// advapi32 registry under Wine (HKEY_LOCAL_MACHINE pointed at an empty scratch key for the
// harness's lifetime). Besides the store it offers raw access, as another writer would have.
class RegistryHarness {
 public:
  virtual ~RegistryHarness() = default;
  virtual RegistryStore& Store() = 0;
  virtual void SetRaw(const std::string& keyPath, const std::string& valueName, RegType type,
                      std::vector<std::uint8_t> data) = 0;
  virtual std::optional<RawValue> GetRaw(const std::string& keyPath, const std::string& valueName) = 0;
  virtual bool KeyExists(const std::string& keyPath) = 0;
  virtual std::optional<std::string> StoredKeyName(const std::string& keyPath) = 0;
};

std::unique_ptr<RegistryHarness> MakeRegistryHarness();

// The INI store of this build: the portable one natively, the profile API under Wine.
std::unique_ptr<IniStore> MakeIniStore();

// True where the tests run against the Win32 implementations.
bool RunningOnWindows();

// Raw bytes of a REG_DWORD and of a REG_SZ with its NUL.
std::vector<std::uint8_t> DwordBytes(std::uint32_t value);
std::vector<std::uint8_t> StringBytes(const std::string& text);

}  // namespace netcheck::testing
