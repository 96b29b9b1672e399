#pragma once
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/placement_window.h"
#include "platform/ini_store.h"

namespace netcheck {

// "No value" in a window coordinate: neither written to the file nor applied to the window.
inline constexpr std::int32_t kNoValue = INT32_MIN;

// The window-state store: keeps a window's position and state between runs in an INI file,
// one section per procedure, plus the section "__Dont_Touch_Me__" whose list of entries binding
// reads and releasing writes back.
class IniManager {
 public:
  // The most entries a real "__Dont_Touch_Me__" list holds with room to spare; a larger count
  // cannot be real and is left alone, so that a damaged file neither stalls start-up nor grows.
  static constexpr std::int32_t kMaxSectors = 1000;

  struct Entry {
    std::string family, item, type;
  };

  void Bind(IniStore& store, const std::string& fileName);
  void RestoreWindowState(const std::string& procedure, PlacementWindow& window);
  void SaveWindowState(const std::string& procedure, PlacementWindow& window);
  void Release();

  std::vector<Entry> Entries() const;

 private:
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue);

  mutable std::mutex lock_;
  IniStore* store_ = nullptr;  // set from Bind to Release
  std::string fileName_;
  std::optional<std::vector<Entry>> sections_;  // nullopt: the file's list was not usable
};

// Field k (from 1) of a comma-separated line, by the rule the list's entries are written with.
std::string ListField(const std::string& line, int k);

}  // namespace netcheck
