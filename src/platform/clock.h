#pragma once

namespace netcheck {

struct LocalDate {
  int year = 0;   // e.g. 2024
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
};

// Today's date on the local clock; tests set their own.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDate Today() = 0;
};

// The system's local clock (GetLocalTime on Windows, localtime_r elsewhere).
class SystemClock final : public Clock {
 public:
  LocalDate Today() override;
};

}  // namespace netcheck
