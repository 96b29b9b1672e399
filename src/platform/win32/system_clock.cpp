#include <windows.h>

#include "platform/clock.h"

namespace netcheck {

LocalDate SystemClock::Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace netcheck
