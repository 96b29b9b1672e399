#pragma once
#include "platform/ini_store.h"

namespace netcheck {

// IniStore on the profile API of kernel32.
class Win32Ini final : public IniStore {
 public:
  std::string ReadEntry(const std::string& fileName, const std::string& section, const std::string& key,
                        const std::string& defaultValue) override;
  void WriteEntry(const std::string& fileName, const std::string& section, const std::string& key,
                  const std::string& value) override;
  void DeleteEntry(const std::string& fileName, const std::string& section, const std::string& key) override;
};

}  // namespace netcheck
