#include <cerrno>

#include "base/platform/Calendar.h"

int64_t PlatformCurrentTime() { return static_cast<int64_t>(std::time(nullptr)); }

bool PlatformLocalTime(int64_t seconds, std::tm* fields) {
  const time_t t = static_cast<time_t>(seconds);
  return localtime_r(&t, fields) != nullptr;
}

bool PlatformUtcTime(int64_t seconds, std::tm* fields) {
  const time_t t = static_cast<time_t>(seconds);
  return gmtime_r(&t, fields) != nullptr;
}

bool PlatformMakeLocalTime(std::tm* fields, int64_t* seconds) {
  // -1 is also one second before 1970; errno tells the two apart.
  errno = 0;
  const time_t t = std::mktime(fields);
  if (t == static_cast<time_t>(-1) && errno != 0) return false;
  *seconds = static_cast<int64_t>(t);
  return true;
}

bool PlatformFileTimeToLocal(const FILETIME& fileTime, SYSTEMTIME* local) {
  constexpr int64_t kTicksPerSecond = 10000000;
  constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
  const uint64_t ticks = (uint64_t{fileTime.dwHighDateTime} << 32) | fileTime.dwLowDateTime;
  if (ticks > static_cast<uint64_t>(INT64_MAX)) return false;
  const int64_t seconds = static_cast<int64_t>(ticks) / kTicksPerSecond - kSecondsFrom1601To1970;
  std::tm fields{};
  if (!PlatformLocalTime(seconds, &fields)) return false;
  local->wYear = static_cast<uint16_t>(fields.tm_year + 1900);
  local->wMonth = static_cast<uint16_t>(fields.tm_mon + 1);
  local->wDayOfWeek = static_cast<uint16_t>(fields.tm_wday);
  local->wDay = static_cast<uint16_t>(fields.tm_mday);
  local->wHour = static_cast<uint16_t>(fields.tm_hour);
  local->wMinute = static_cast<uint16_t>(fields.tm_min);
  local->wSecond = static_cast<uint16_t>(fields.tm_sec);
  local->wMilliseconds =
      static_cast<uint16_t>(static_cast<int64_t>(ticks) % kTicksPerSecond / 10000);
  return true;
}
