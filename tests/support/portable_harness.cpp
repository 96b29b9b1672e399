#include "platform/portable/portable_ini.h"
#include "support/harness.h"

namespace netcheck::testing {
namespace {

class MemoryHarness final : public RegistryHarness {
 public:
  RegistryStore& Store() override { return registry_; }
  void SetRaw(const std::string& keyPath, const std::string& valueName, RegType type,
              std::vector<std::uint8_t> data) override {
    registry_.SetRaw(keyPath, valueName, type, std::move(data));
  }
  std::optional<RawValue> GetRaw(const std::string& keyPath, const std::string& valueName) override {
    return registry_.GetRaw(keyPath, valueName);
  }
  bool KeyExists(const std::string& keyPath) override { return registry_.KeyExists(keyPath); }
  std::optional<std::string> StoredKeyName(const std::string& keyPath) override {
    return registry_.StoredKeyName(keyPath);
  }

 private:
  MemoryRegistry registry_;
};

}  // namespace

std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<MemoryHarness>(); }
std::unique_ptr<IniStore> MakeIniStore() { return std::make_unique<PortableIni>(); }
bool RunningOnWindows() { return false; }

}  // namespace netcheck::testing
