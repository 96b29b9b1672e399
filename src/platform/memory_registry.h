#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace netcheck {

// A registry kept in memory, for builds and tests off Windows. It keeps what the registry keeps:
// names matched without regard to letter case and stored in the case they were created with,
// value types and bytes, parent keys created by a write and nothing created by a read.
class MemoryRegistry final : public RegistryStore {
 public:
  struct RawValue {
    std::string name;  // in the case it was created with
    RegType type = RegType::None;
    std::vector<std::uint8_t> data;
  };

  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  std::int32_t ReadNumber(const std::string& keyPath, const std::string& valueName) override;
  std::uint32_t WriteValue(const std::string& keyPath, const std::string& valueName, const std::string& value,
                           RegType type) override;

  // Stores raw bytes, as a writer that does not go through WriteValue could.
  void SetRaw(const std::string& keyPath, const std::string& valueName, RegType type, std::vector<std::uint8_t> data);
  std::optional<RawValue> GetRaw(const std::string& keyPath, const std::string& valueName) const;
  bool KeyExists(const std::string& keyPath) const;
  // The key's name as it was created, or nullopt when the key does not exist.
  std::optional<std::string> StoredKeyName(const std::string& keyPath) const;

  // Every later write at or below `keyPath` fails with `errorCode` (ERROR_ACCESS_DENIED is what
  // a user without rights gets under HKEY_LOCAL_MACHINE).
  void FailWritesUnder(const std::string& keyPath, std::uint32_t errorCode);

 private:
  struct Key;
  Key* Find(const std::string& keyPath) const;
  Key* Create(const std::string& keyPath, std::uint32_t* error);
  std::uint32_t FailureFor(const std::string& keyPath) const;

  std::unique_ptr<Key> root_;
  std::vector<std::pair<std::vector<std::string>, std::uint32_t>> failures_;
};

}  // namespace netcheck
