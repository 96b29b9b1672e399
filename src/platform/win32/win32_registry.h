#pragma once
#include "platform/registry_store.h"

namespace netcheck {

// RegistryStore on advapi32, below HKEY_LOCAL_MACHINE.
class Win32Registry final : public RegistryStore {
 public:
  std::int32_t ReadNumber(const std::string& keyPath, const std::string& valueName) override;
  std::uint32_t WriteValue(const std::string& keyPath, const std::string& valueName, const std::string& value,
                           RegType type) override;
};

}  // namespace netcheck
