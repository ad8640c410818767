#include "state/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace rv {

WallTime SystemClock::now() const {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  WallTime w;
  w.year = local.tm_year + 1900;
  w.month = local.tm_mon + 1;
  w.day = local.tm_mday;
  w.hour = local.tm_hour;
  w.minute = local.tm_min;
  w.second = local.tm_sec;
  w.ticks = static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch()).count());
  return w;
}

std::string wall_date_text(const WallTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.day, t.month, t.year);
  return buf;
}

std::string wall_time_text(const WallTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return buf;
}

}  // namespace rv
