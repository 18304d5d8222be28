// SYSTEMTIME and FILETIME, the two Windows time records that MCTime can be
// built from. On Windows they are the system's own types (named here, defined
// by <windows.h>); elsewhere this header defines records with the same field
// names, so that the same MCTime constructors exist on both sides.
#pragma once

#if defined(_WIN32)

typedef struct _SYSTEMTIME SYSTEMTIME;
typedef struct _FILETIME FILETIME;

#else

#include <cstdint>

// A calendar time broken into fields (month 1-12, day of week 0 = Sunday).
struct SYSTEMTIME {
  uint16_t wYear;
  uint16_t wMonth;
  uint16_t wDayOfWeek;
  uint16_t wDay;
  uint16_t wHour;
  uint16_t wMinute;
  uint16_t wSecond;
  uint16_t wMilliseconds;
};

// 100-nanosecond intervals since 1 January 1601 UTC, split in two halves.
struct FILETIME {
  uint32_t dwLowDateTime;
  uint32_t dwHighDateTime;
};

#endif
