// MCTime and MCTimeSpan: the time values of the language libraries. MCTime is
// a calendar time in whole seconds since 1 January 1970 UTC (0 means "no
// time") whose calendar fields are read in local time; MCTimeSpan is a signed
// duration in seconds. File status records (MCFileStatus) and the dictionary
// engine use them.
//
// Both hold a 64-bit count, so arithmetic does not wrap in 2038. Files store
// a time as an unsigned 32-bit field (good until 2106): convert with
// MCTime::FromUInt32 and MCTime::ToUInt32, never through a signed 32-bit
// value.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCString.h"
#include "base/platform/TimeRecords.h"

class MBASE_API MCTimeSpan {
 public:
  MCTimeSpan() = default;
  MCTimeSpan(int64_t seconds) : seconds_(seconds) {}
  // days x 86400 + hours x 3600 + minutes x 60 + seconds
  MCTimeSpan(int64_t days, int hours, int minutes, int seconds);

  // Truncating division; the parts are 0-23 and 0-59 for a positive span.
  int64_t GetDays() const { return seconds_ / 86400; }
  int64_t GetTotalHours() const { return seconds_ / 3600; }
  int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
  int64_t GetTotalMinutes() const { return seconds_ / 60; }
  int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60); }
  int64_t GetTotalSeconds() const { return seconds_; }
  int GetSeconds() const { return static_cast<int>(seconds_ - GetTotalMinutes() * 60); }

  // "%D" days, "%H" hours, "%M" minutes, "%S" seconds (the last three as two
  // digits); '%' before any other character gives that character, a '%' at
  // the end nothing. The result is cut at 127 characters.
  MCString Format(const char* format) const;

  MCTimeSpan operator+(MCTimeSpan other) const { return seconds_ + other.seconds_; }
  MCTimeSpan operator-(MCTimeSpan other) const { return seconds_ - other.seconds_; }
  MCTimeSpan& operator+=(MCTimeSpan other) {
    seconds_ += other.seconds_;
    return *this;
  }
  MCTimeSpan& operator-=(MCTimeSpan other) {
    seconds_ -= other.seconds_;
    return *this;
  }
  bool operator==(MCTimeSpan other) const { return seconds_ == other.seconds_; }
  bool operator!=(MCTimeSpan other) const { return seconds_ != other.seconds_; }
  bool operator<(MCTimeSpan other) const { return seconds_ < other.seconds_; }
  bool operator>(MCTimeSpan other) const { return seconds_ > other.seconds_; }
  bool operator<=(MCTimeSpan other) const { return seconds_ <= other.seconds_; }
  bool operator>=(MCTimeSpan other) const { return seconds_ >= other.seconds_; }

 private:
  int64_t seconds_ = 0;
};

class MBASE_API MCTime {
 public:
  MCTime() = default;
  MCTime(int64_t seconds) : seconds_(seconds) {}
  // Local time; dst 1 summer time, 0 standard time, -1 decided by the system.
  // A time the system cannot represent gives 0.
  MCTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
  // DOS date (year - 1980 in bits 9-15, month 5-8, day 0-4) and time (hour in
  // bits 11-15, minute 5-10, seconds / 2 in 0-4), in local time.
  MCTime(unsigned short dosDate, unsigned short dosTime, int dst = -1);
  // Local time; 0 when the year is before 1900.
  MCTime(const SYSTEMTIME& systemTime, int dst = -1);
  // The file time is turned into local time first; 0 when that fails.
  MCTime(const FILETIME& fileTime, int dst = -1);

  // An unsigned 32-bit field of a file format. Times before 1970 store as 0,
  // times after 2106 as 0xFFFFFFFF.
  static MCTime FromUInt32(uint32_t field) { return MCTime(static_cast<int64_t>(field)); }
  uint32_t ToUInt32() const;

  // The current time (a calendar time, not a tick count).
  static MCTime GetTickCount();

  int64_t GetTime() const { return seconds_; }
  // Calendar fields in local time (month 1-12, day of week 1 = Sunday).
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;

  // strftime of the local (resp. UTC) time; "" when the result does not fit
  // in 127 characters or the time has no calendar form.
  MCString Format(const char* format) const;
  MCString FormatGmt(const char* format) const;

  MCTime& operator=(int64_t seconds) {
    seconds_ = seconds;
    return *this;
  }
  MCTime operator+(MCTimeSpan span) const { return seconds_ + span.GetTotalSeconds(); }
  MCTime operator-(MCTimeSpan span) const { return seconds_ - span.GetTotalSeconds(); }
  MCTimeSpan operator-(MCTime other) const { return seconds_ - other.seconds_; }
  MCTime& operator+=(MCTimeSpan span) {
    seconds_ += span.GetTotalSeconds();
    return *this;
  }
  MCTime& operator-=(MCTimeSpan span) {
    seconds_ -= span.GetTotalSeconds();
    return *this;
  }
  bool operator==(MCTime other) const { return seconds_ == other.seconds_; }
  bool operator!=(MCTime other) const { return seconds_ != other.seconds_; }
  bool operator<(MCTime other) const { return seconds_ < other.seconds_; }
  bool operator>(MCTime other) const { return seconds_ > other.seconds_; }
  bool operator<=(MCTime other) const { return seconds_ <= other.seconds_; }
  bool operator>=(MCTime other) const { return seconds_ >= other.seconds_; }

 private:
  int64_t seconds_ = 0;
};
