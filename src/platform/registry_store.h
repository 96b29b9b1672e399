#pragma once
#include <cstdint>
#include <string>

namespace netcheck {

// Registry value types, numbered as Windows numbers them.
enum class RegType : std::uint32_t {
  None = 0,
  String = 1,        // REG_SZ
  ExpandString = 2,  // REG_EXPAND_SZ
  Binary = 3,        // REG_BINARY
  Dword = 4,         // REG_DWORD
  MultiString = 7,   // REG_MULTI_SZ
  Qword = 11,        // REG_QWORD
};

// The system's only access to the registry, always below HKEY_LOCAL_MACHINE.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  // The value as a signed 32-bit number; 0 when the key or value is missing or unreadable.
  virtual std::int32_t ReadNumber(const std::string& keyPath, const std::string& valueName) = 0;

  // Writes `value` (decimal text for Dword, the text itself for String), creating missing keys.
  // Returns 0 on success, else the Windows error code.
  virtual std::uint32_t WriteValue(const std::string& keyPath, const std::string& valueName, const std::string& value,
                                   RegType type) = 0;
};

}  // namespace netcheck
