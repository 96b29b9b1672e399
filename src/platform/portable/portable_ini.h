#pragma once
#include "platform/ini_store.h"

namespace netcheck {

// IniStore on plain files, for builds off Windows. It reads and writes as the profile API does:
// names match without regard to case, the first section and key of a name win, blanks and one
// pair of quotes around a value are dropped, new files and lines end in CRLF, and the bytes of
// lines a write does not touch stay as they were. A write replaces the file whole (written
// beside it, then renamed), so no reader sees a partly written file.
class PortableIni final : public IniStore {
 public:
  std::string ReadEntry(const std::string& fileName, const std::string& section, const std::string& key,
                        const std::string& defaultValue) override;
  void WriteEntry(const std::string& fileName, const std::string& section, const std::string& key,
                  const std::string& value) override;
  void DeleteEntry(const std::string& fileName, const std::string& section, const std::string& key) override;
};

}  // namespace netcheck
