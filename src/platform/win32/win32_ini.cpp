#include "platform/win32/win32_ini.h"

#include <windows.h>

#include <array>

namespace netcheck {

std::string Win32Ini::ReadEntry(const std::string& fileName, const std::string& section, const std::string& key,
                                const std::string& defaultValue) {
  std::array<char, kMaxValue + 1> buffer{};
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                static_cast<DWORD>(buffer.size()), fileName.c_str());
  return std::string(buffer.data(), length < buffer.size() ? length : kMaxValue);
}

void Win32Ini::WriteEntry(const std::string& fileName, const std::string& section, const std::string& key,
                          const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName.c_str());
}

void Win32Ini::DeleteEntry(const std::string& fileName, const std::string& section, const std::string& key) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName.c_str());
}

}  // namespace netcheck
