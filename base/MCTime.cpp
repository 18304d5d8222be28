#include "base/MCTime.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "base/platform/Calendar.h"

#if defined(_WIN32)
#include <windows.h>  // the fields of SYSTEMTIME
#endif

namespace {

constexpr int kFormatCapacity = 127;  // characters of a formatted time or span

// The calendar fields of `seconds` in local time; all zero when it has none.
std::tm LocalFields(int64_t seconds) {
  std::tm fields{};
  if (!PlatformLocalTime(seconds, &fields)) fields = std::tm{};
  return fields;
}

MCString FormatFields(const std::tm& fields, const char* format) {
  if (format == nullptr) return MCString();
  char text[kFormatCapacity + 1];
  const size_t length = std::strftime(text, sizeof text, format, &fields);
  return length == 0 ? MCString() : MCString(text, static_cast<int>(length));
}

}  // namespace

// --- MCTimeSpan

MCTimeSpan::MCTimeSpan(int64_t days, int hours, int minutes, int seconds)
    : seconds_(days * 86400 + int64_t{hours} * 3600 + int64_t{minutes} * 60 + seconds) {}

MCString MCTimeSpan::Format(const char* format) const {
  if (format == nullptr) return MCString();
  char text[kFormatCapacity + 1];
  int length = 0;
  auto append = [&](const char* piece) {
    for (; *piece != '\0' && length < kFormatCapacity; ++piece) text[length++] = *piece;
  };
  for (const char* p = format; *p != '\0' && length < kFormatCapacity; ++p) {
    if (*p != '%') {
      text[length++] = *p;
      continue;
    }
    const char kind = *++p;
    if (kind == '\0') break;  // a lone '%' at the end
    char number[24];
    switch (kind) {
      case 'D':
        std::snprintf(number, sizeof number, "%" PRId64, GetDays());
        break;
      case 'H':
        std::snprintf(number, sizeof number, "%02d", GetHours());
        break;
      case 'M':
        std::snprintf(number, sizeof number, "%02d", GetMinutes());
        break;
      case 'S':
        std::snprintf(number, sizeof number, "%02d", GetSeconds());
        break;
      default:
        number[0] = kind;
        number[1] = '\0';
        break;
    }
    append(number);
  }
  return MCString(text, length);
}

// --- MCTime

MCTime::MCTime(int year, int month, int day, int hour, int minute, int second, int dst) {
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  fields.tm_isdst = dst;
  int64_t seconds = 0;
  if (PlatformMakeLocalTime(&fields, &seconds)) seconds_ = seconds;
}

MCTime::MCTime(unsigned short dosDate, unsigned short dosTime, int dst)
    : MCTime(1980 + (dosDate >> 9), (dosDate >> 5) & 0x0F, dosDate & 0x1F, dosTime >> 11,
             (dosTime >> 5) & 0x3F, 2 * (dosTime & 0x1F), dst) {}

MCTime::MCTime(const SYSTEMTIME& systemTime, int dst) {
  if (systemTime.wYear < 1900) return;
  *this = MCTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay, systemTime.wHour,
                 systemTime.wMinute, systemTime.wSecond, dst);
}

MCTime::MCTime(const FILETIME& fileTime, int dst) {
  SYSTEMTIME local;
  if (PlatformFileTimeToLocal(fileTime, &local)) *this = MCTime(local, dst);
}

uint32_t MCTime::ToUInt32() const {
  if (seconds_ < 0) return 0;
  if (seconds_ > int64_t{UINT32_MAX}) return UINT32_MAX;
  return static_cast<uint32_t>(seconds_);
}

MCTime MCTime::GetTickCount() { return MCTime(PlatformCurrentTime()); }

int MCTime::GetYear() const { return LocalFields(seconds_).tm_year + 1900; }
int MCTime::GetMonth() const { return LocalFields(seconds_).tm_mon + 1; }
int MCTime::GetDay() const { return LocalFields(seconds_).tm_mday; }
int MCTime::GetHour() const { return LocalFields(seconds_).tm_hour; }
int MCTime::GetMinute() const { return LocalFields(seconds_).tm_min; }
int MCTime::GetSecond() const { return LocalFields(seconds_).tm_sec; }
int MCTime::GetDayOfWeek() const { return LocalFields(seconds_).tm_wday + 1; }

MCString MCTime::Format(const char* format) const {
  std::tm fields{};
  if (!PlatformLocalTime(seconds_, &fields)) return MCString();
  return FormatFields(fields, format);
}

MCString MCTime::FormatGmt(const char* format) const {
  std::tm fields{};
  if (!PlatformUtcTime(seconds_, &fields)) return MCString();
  return FormatFields(fields, format);
}
