#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/value_decoding.h"
#include "platform/win32/unique_handle.h"

namespace netcheck {

std::int32_t Win32Registry::ReadNumber(const std::string& keyPath, const std::string& valueName) {
  UniqueHKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE | READ_CONTROL, key.Receive()) !=
      ERROR_SUCCESS) {
    key.Release();  // a failed open leaves no handle to close
    return 0;
  }
  return ReadNumberThrough([&](std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    DWORD t = 0;
    DWORD s = *size;
    const LONG status = RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &t, data, &s);
    *type = t;
    *size = s;
    return static_cast<std::uint32_t>(status);
  });
}

std::uint32_t Win32Registry::WriteValue(const std::string& keyPath, const std::string& valueName,
                                        const std::string& value, RegType type) {
  UniqueHKey key;
  char emptyClass[] = "";
  const LONG opened = RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                      KEY_WRITE, nullptr, key.Receive(), nullptr);
  if (opened != ERROR_SUCCESS) {
    key.Release();  // a failed create leaves no handle to close
    return static_cast<std::uint32_t>(opened);
  }
  const auto bytes = EncodeValue(value, type);
  return static_cast<std::uint32_t>(RegSetValueExA(key.Get(), valueName.c_str(), 0, static_cast<DWORD>(type),
                                                   bytes.data(), static_cast<DWORD>(bytes.size())));
}

}  // namespace netcheck
