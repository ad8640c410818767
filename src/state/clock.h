#pragma once
// The real date and time, injected so that tests can fix it.
#include <cstdint>
#include <string>

namespace rv {

struct WallTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  std::uint64_t ticks = 0;  // a fine-grained count, used to seed the generator
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual WallTime now() const = 0;
};

class SystemClock final : public Clock {
 public:
  WallTime now() const override;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(WallTime t) : t_(t) {}
  WallTime now() const override { return t_; }
  void set(WallTime t) { t_ = t; }

 private:
  WallTime t_;
};

// "05/12/2026" and "15:04:09": the forms a save description records.
std::string wall_date_text(const WallTime& t);
std::string wall_time_text(const WallTime& t);

}  // namespace rv
