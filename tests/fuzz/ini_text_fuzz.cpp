// Any file's bytes parse and edit safely, and an edit reads back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  netcheck::IniText ini(std::string(reinterpret_cast<const char*>(data), size));
  (void)ini.Find("Registry", "OrigSettings");
  const std::string value = "12/02/24";
  ini.Set("Registry", "OrigSettings", &value);
  const auto back = ini.Find("Registry", "OrigSettings");
  if (!back || *back != value) std::abort();
  ini.Set("Registry", "OrigSettings", nullptr);
  return 0;
}
