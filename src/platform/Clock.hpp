#pragma once

namespace zorvek {

struct TimeOfDay {
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// The time of day, for seeding the random generator.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeOfDay Now() = 0;
};

// The local time of the machine.
class SystemClock final : public Clock {
 public:
  TimeOfDay Now() override;
};

}  // namespace zorvek
