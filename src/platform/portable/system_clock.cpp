#include <ctime>

#include "platform/clock.h"

namespace netcheck {

LocalDate SystemClock::Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace netcheck
