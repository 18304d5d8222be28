#include <windows.h>

#include "base/platform/Calendar.h"

int64_t PlatformCurrentTime() { return static_cast<int64_t>(_time64(nullptr)); }

bool PlatformLocalTime(int64_t seconds, std::tm* fields) {
  const __time64_t t = seconds;
  return _localtime64_s(fields, &t) == 0;
}

bool PlatformUtcTime(int64_t seconds, std::tm* fields) {
  const __time64_t t = seconds;
  return _gmtime64_s(fields, &t) == 0;
}

bool PlatformMakeLocalTime(std::tm* fields, int64_t* seconds) {
  // The run-time refuses times before 1970 with -1.
  const __time64_t t = _mktime64(fields);
  if (t == -1) return false;
  *seconds = static_cast<int64_t>(t);
  return true;
}

bool PlatformFileTimeToLocal(const FILETIME& fileTime, SYSTEMTIME* local) {
  FILETIME localFileTime;
  return FileTimeToLocalFileTime(&fileTime, &localFileTime) &&
         FileTimeToSystemTime(&localFileTime, local);
}
