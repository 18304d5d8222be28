// Calendar arithmetic of MCTime on each side's C run-time: seconds since
// 1 January 1970 UTC to broken-down local or UTC time and back, and a file
// time to a local system time. Only MCTime uses it.
#pragma once

#include <cstdint>
#include <ctime>

#include "base/platform/TimeRecords.h"

int64_t PlatformCurrentTime();
bool PlatformLocalTime(int64_t seconds, std::tm* fields);
bool PlatformUtcTime(int64_t seconds, std::tm* fields);
// Local fields (tm_isdst 1 summer time, 0 standard, -1 decided by the
// system) to seconds; false when the system cannot represent them.
bool PlatformMakeLocalTime(std::tm* fields, int64_t* seconds);
// A file time (UTC) as a local system time.
bool PlatformFileTimeToLocal(const FILETIME& fileTime, SYSTEMTIME* local);
