// The engine's cost over the bare advapi32 calls it needs, against the real registry: CheckSettings
// against nine plain reads, and ApplyRecommendedSettings with DetectChanges against the same
// reads and writes in a plain loop. Interleaved rounds, medians compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/operations.h"
#include "platform/win32/win32_registry.h"

namespace netcheck {
namespace {

class NullWindow final : public EngineWindow {
 public:
  void HideField(int) override {}
  void Redraw() override {}
  void ShowMessage(std::string_view) override {}
};

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

DWORD BareRead(const RegistrySetting& s) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s.keyPath, 0, KEY_QUERY_VALUE | READ_CONTROL, &key) != ERROR_SUCCESS) return 0;
  DWORD type = 0, size = 0;
  BYTE data[64] = {};
  RegQueryValueExA(key, s.valueName, nullptr, &type, nullptr, &size);
  size = sizeof data;
  RegQueryValueExA(key, s.valueName, nullptr, &type, data, &size);
  RegCloseKey(key);
  DWORD value = 0;
  std::memcpy(&value, data, sizeof value);
  return value;
}

void BareWrite(const RegistrySetting& s) {
  HKEY key = nullptr;
  char emptyClass[] = "";
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, s.keyPath, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  if (s.apply.type == RegType::Dword) {
    const DWORD value = s.safeWhenNonzero ? 1 : 0;
    RegSetValueExA(key, s.writeValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  } else {
    RegSetValueExA(key, s.writeValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
  }
  RegCloseKey(key);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <typename Work>
double Time(int iterations, Work&& work) {
  const double start = Now();
  for (int i = 0; i < iterations; ++i) work();
  return (Now() - start) / iterations;
}

}  // namespace
}  // namespace netcheck

int main(int argc, char** argv) {
  using namespace netcheck;
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 31;
  const int iterations = 50;
  Win32Registry registry;
  NullWindow window;
  SettingsState state;
  DWORD sink = 0;

  ApplyRecommendedSettings(state, registry, window);  // warm-up: every key exists
  std::vector<double> check, bareCheck, change, bareChange;
  for (int r = 0; r < rounds; ++r) {
    check.push_back(Time(iterations, [&] { CheckSettings(state, registry); }));
    bareCheck.push_back(Time(iterations, [&] {
      for (const RegistrySetting& s : SettingsCatalogue) sink += BareRead(s);
    }));
    change.push_back(Time(iterations, [&] { ApplyRecommendedSettings(state, registry, window); }));
    bareChange.push_back(Time(iterations, [&] {
      for (const RegistrySetting& s : SettingsCatalogue) sink += BareRead(s);  // snapshot
      for (const RegistrySetting& s : SettingsCatalogue) BareWrite(s);
      for (const RegistrySetting& s : SettingsCatalogue) sink += BareRead(s);  // check
    }));
  }
  const double c = Median(check), bc = Median(bareCheck), a = Median(change), ba = Median(bareChange);
  std::printf("CheckSettings: %.1f us, bare reads %.1f us, ratio %.3f (goal <= 1.10; median of %d rounds)\n", c * 1e6,
              bc * 1e6, c / bc, rounds);
  std::printf("Change with DetectChanges: %.1f us, bare reads and writes %.1f us, ratio %.3f (goal <= 1.10)\n", a * 1e6,
              ba * 1e6, a / ba);
  return sink == 0xFFFFFFFF ? 1 : 0;
}
