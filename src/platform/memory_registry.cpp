#include "platform/memory_registry.h"

#include <algorithm>
#include <cstring>

#include "platform/names.h"
#include "platform/value_decoding.h"

namespace netcheck {
namespace {

constexpr std::uint32_t kErrorBadPathname = 161;

// Splits "A\B\C" into its key names; nullopt for a path that the registry refuses.
std::optional<std::vector<std::string>> SplitPath(const std::string& keyPath) {
  std::vector<std::string> parts;
  if (keyPath.empty()) return parts;
  if (keyPath.front() == '\\') return std::nullopt;
  std::size_t start = 0;
  while (start <= keyPath.size()) {
    const std::size_t end = std::min(keyPath.find('\\', start), keyPath.size());
    std::string part = keyPath.substr(start, end - start);
    if (part.empty()) {
      if (end == keyPath.size()) break;  // one trailing backslash is harmless
      return std::nullopt;
    }
    parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

}  // namespace

struct MemoryRegistry::Key {
  std::string name;
  std::vector<RawValue> values;
  std::vector<std::unique_ptr<Key>> subkeys;

  Key* Child(const std::string& childName) const {
    for (const auto& sub : subkeys) {
      if (NamesEqual(sub->name, childName)) return sub.get();
    }
    return nullptr;
  }
  RawValue* Value(const std::string& valueName) {
    for (auto& v : values) {
      if (NamesEqual(v.name, valueName)) return &v;
    }
    return nullptr;
  }
};

MemoryRegistry::MemoryRegistry() : root_(std::make_unique<Key>()) {}
MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::Find(const std::string& keyPath) const {
  const auto parts = SplitPath(keyPath);
  if (!parts) return nullptr;
  Key* key = root_.get();
  for (const auto& part : *parts) {
    key = key->Child(part);
    if (key == nullptr) return nullptr;
  }
  return key;
}

MemoryRegistry::Key* MemoryRegistry::Create(const std::string& keyPath, std::uint32_t* error) {
  const auto parts = SplitPath(keyPath);
  if (!parts) {
    *error = kErrorBadPathname;
    return nullptr;
  }
  Key* key = root_.get();
  for (const auto& part : *parts) {
    Key* child = key->Child(part);
    if (child == nullptr) {
      key->subkeys.push_back(std::make_unique<Key>());
      child = key->subkeys.back().get();
      child->name = part;
    }
    key = child;
  }
  *error = kErrorSuccess;
  return key;
}

std::uint32_t MemoryRegistry::FailureFor(const std::string& keyPath) const {
  const auto parts = SplitPath(keyPath);
  if (!parts) return kErrorSuccess;
  for (const auto& [prefix, code] : failures_) {
    if (prefix.size() > parts->size()) continue;
    if (std::equal(prefix.begin(), prefix.end(), parts->begin(),
                   [](const std::string& a, const std::string& b) { return NamesEqual(a, b); })) {
      return code;
    }
  }
  return kErrorSuccess;
}

std::int32_t MemoryRegistry::ReadNumber(const std::string& keyPath, const std::string& valueName) {
  Key* key = Find(keyPath);
  if (key == nullptr) return 0;
  const RawValue* value = key->Value(valueName);
  if (value == nullptr) return 0;
  // The same careful read as against the real registry.
  return ReadNumberThrough([value](std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    const auto stored = static_cast<std::uint32_t>(value->data.size());
    *type = static_cast<std::uint32_t>(value->type);
    if (data == nullptr) {
      *size = stored;
      return kErrorSuccess;
    }
    if (*size < stored) {
      *size = stored;
      return kErrorMoreData;
    }
    if (stored != 0) std::memcpy(data, value->data.data(), stored);
    *size = stored;
    return kErrorSuccess;
  });
}

std::uint32_t MemoryRegistry::WriteValue(const std::string& keyPath, const std::string& valueName,
                                         const std::string& value, RegType type) {
  if (const std::uint32_t failure = FailureFor(keyPath); failure != kErrorSuccess) return failure;
  std::uint32_t error = kErrorSuccess;
  if (Create(keyPath, &error) == nullptr) return error;
  SetRaw(keyPath, valueName, type, EncodeValue(value, type));
  return kErrorSuccess;
}

void MemoryRegistry::SetRaw(const std::string& keyPath, const std::string& valueName, RegType type,
                            std::vector<std::uint8_t> data) {
  std::uint32_t error = kErrorSuccess;
  Key* key = Create(keyPath, &error);
  if (key == nullptr) return;
  if (RawValue* existing = key->Value(valueName)) {
    existing->type = type;
    existing->data = std::move(data);
    return;
  }
  key->values.push_back(RawValue{valueName, type, std::move(data)});
}

std::optional<MemoryRegistry::RawValue> MemoryRegistry::GetRaw(const std::string& keyPath,
                                                               const std::string& valueName) const {
  Key* key = Find(keyPath);
  if (key == nullptr) return std::nullopt;
  const RawValue* value = key->Value(valueName);
  if (value == nullptr) return std::nullopt;
  return *value;
}

bool MemoryRegistry::KeyExists(const std::string& keyPath) const { return Find(keyPath) != nullptr; }

std::optional<std::string> MemoryRegistry::StoredKeyName(const std::string& keyPath) const {
  const Key* key = Find(keyPath);
  if (key == nullptr) return std::nullopt;
  return key->name;
}

void MemoryRegistry::FailWritesUnder(const std::string& keyPath, std::uint32_t errorCode) {
  if (auto parts = SplitPath(keyPath)) failures_.emplace_back(std::move(*parts), errorCode);
}

}  // namespace netcheck
