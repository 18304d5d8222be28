#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "base/MCTime.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// A time zone for the calendar tests. Natively each runs under POSIX zone
// rules set through TZ; under Windows the system's own zone is used, whose
// offsets the test does not know.
struct Zone {
  const char* tz;       // null: the zone the process has
  int64_t winterShift;  // UTC minus local time, in seconds
  int64_t summerShift;
};

void PrintTo(const Zone& zone, std::ostream* out) { *out << (zone.tz ? zone.tz : "system"); }

class ZonedTimeTest : public ::testing::TestWithParam<Zone> {
 protected:
  void SetUp() override {
#if !defined(_WIN32)
    const char* previous = std::getenv("TZ");
    hadTz_ = previous != nullptr;
    if (hadTz_) previousTz_ = previous;
    setenv("TZ", GetParam().tz, 1);
    tzset();
#endif
  }
  void TearDown() override {
#if !defined(_WIN32)
    if (hadTz_)
      setenv("TZ", previousTz_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
#endif
  }
  bool KnowsOffsets() const { return GetParam().tz != nullptr; }

 private:
  bool hadTz_ = false;
  std::string previousTz_;
};

#if defined(_WIN32)
INSTANTIATE_TEST_SUITE_P(SystemZone, ZonedTimeTest, ::testing::Values(Zone{nullptr, 0, 0}));
#else
INSTANTIATE_TEST_SUITE_P(Zones, ZonedTimeTest,
                         ::testing::Values(Zone{"UTC0", 0, 0},
                                           Zone{"EST5EDT,M3.2.0,M11.1.0", 5 * 3600, 4 * 3600},
                                           Zone{"MSK-3", -3 * 3600, -3 * 3600}),
                         [](const ::testing::TestParamInfo<Zone>& info) {
                           return std::to_string(info.index);
                         });
#endif

struct Moment {
  int year, month, day, hour, minute, second;
  int64_t asUtc;  // the same fields read as UTC
  bool summer;
  int dayOfWeek;
};

const Moment kMoments[] = {
    {2024, 1, 15, 12, 0, 0, 1705320000, false, 2},
    {2024, 7, 15, 12, 30, 45, 1721046645, true, 2},
    {2000, 2, 29, 23, 59, 59, 951868799, false, 3},
    {2040, 6, 1, 0, 0, 0, 2222121600, true, 6},  // past 2038
    {1980, 1, 1, 0, 0, 0, 315532800, false, 3},
};

TEST_P(ZonedTimeTest, CalendarFieldsRoundTripInLocalTime) {
  for (const Moment& m : kMoments) {
    SCOPED_TRACE(m.year);
    const MCTime time(m.year, m.month, m.day, m.hour, m.minute, m.second);
    EXPECT_EQ(time.GetYear(), m.year);
    EXPECT_EQ(time.GetMonth(), m.month);
    EXPECT_EQ(time.GetDay(), m.day);
    EXPECT_EQ(time.GetHour(), m.hour);
    EXPECT_EQ(time.GetMinute(), m.minute);
    EXPECT_EQ(time.GetSecond(), m.second);
    EXPECT_EQ(time.GetDayOfWeek(), m.dayOfWeek);
    if (KnowsOffsets()) {
      EXPECT_EQ(time.GetTime(),
                m.asUtc + (m.summer ? GetParam().summerShift : GetParam().winterShift));
    }
  }
}

TEST_P(ZonedTimeTest, FormatsLocalAndUtcTime) {
  const MCTime time(2024, 7, 15, 12, 30, 45);
  EXPECT_EQ(time.Format("%Y-%m-%d %H:%M:%S"), "2024-07-15 12:30:45");
  EXPECT_EQ(MCTime(2222121600).FormatGmt("%Y-%m-%d %H:%M:%S"), "2040-06-01 00:00:00");
  EXPECT_EQ(MCTime(0).FormatGmt("%d.%m.%Y"), "01.01.1970");
  if (KnowsOffsets() && GetParam().summerShift == 0) {
    EXPECT_EQ(time.FormatGmt("%H:%M"), "12:30");
  }
  const std::string fits(127, 'a');
  EXPECT_EQ(time.Format(fits.c_str()), fits.c_str());
  EXPECT_EQ(time.Format((fits + "a").c_str()), "");  // does not fit: nothing
  EXPECT_EQ(time.Format(nullptr), "");
}

TEST_P(ZonedTimeTest, DosDateAndTimeDecode) {
  struct Case {
    unsigned short date, time;
    int year, month, day, hour, minute, second;
  } cases[] = {
      {((2023 - 1980) << 9) | (6 << 5) | 15, (13 << 11) | (45 << 5) | (58 / 2), 2023, 6, 15, 13, 45,
       58},
      {(0 << 9) | (1 << 5) | 1, 0, 1980, 1, 1, 0, 0, 0},
      {((1999 - 1980) << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29, 1999, 12, 31, 23, 59,
       58},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(MCTime(c.date, c.time), MCTime(c.year, c.month, c.day, c.hour, c.minute, c.second));
  }
}

TEST_P(ZonedTimeTest, SystemTimeAndFileTime) {
  SYSTEMTIME system = {};
  system.wYear = 2024;
  system.wMonth = 7;
  system.wDay = 15;
  system.wHour = 12;
  system.wMinute = 30;
  system.wSecond = 45;
  EXPECT_EQ(MCTime(system), MCTime(2024, 7, 15, 12, 30, 45));
  system.wYear = 1899;
  EXPECT_EQ(MCTime(system).GetTime(), 0);

  for (const int64_t seconds : {int64_t{1705320000}, int64_t{1721046645}}) {
    const uint64_t ticks = (static_cast<uint64_t>(seconds) + 11644473600u) * 10000000u;
    FILETIME fileTime;
    fileTime.dwLowDateTime = static_cast<uint32_t>(ticks);
    fileTime.dwHighDateTime = static_cast<uint32_t>(ticks >> 32);
#if defined(_WIN32)
    // The system turns a file time into local time with today's offset, so
    // a date in the other season may come out an hour apart.
    EXPECT_LE(std::llabs(MCTime(fileTime).GetTime() - seconds), 3600);
#else
    EXPECT_EQ(MCTime(fileTime).GetTime(), seconds);
#endif
  }
}

TEST(MCTimeTest, UnsignedThirtyTwoBitFieldsLastPast2038) {
  const uint32_t field = 2222121600u;  // 2040, beyond a signed 32-bit count
  const MCTime time = MCTime::FromUInt32(field);
  EXPECT_EQ(time.GetTime(), int64_t{2222121600});
  EXPECT_GT(time, MCTime(INT32_MAX));
  EXPECT_EQ(time.ToUInt32(), field);
  EXPECT_EQ(MCTime::FromUInt32(UINT32_MAX).GetTime(), int64_t{UINT32_MAX});
  EXPECT_EQ(MCTime(-5).ToUInt32(), 0u);
  EXPECT_EQ(MCTime(int64_t{1} << 33).ToUInt32(), UINT32_MAX);
  EXPECT_EQ((time + MCTimeSpan(1, 0, 0, 0)).ToUInt32(), field + 86400u);
}

TEST(MCTimeTest, ArithmeticAndComparisons) {
  MCTime time(1000000);
  const MCTime later = time + MCTimeSpan(0, 1, 0, 0);
  EXPECT_EQ(later - time, MCTimeSpan(3600));
  EXPECT_EQ(later - MCTimeSpan(3600), time);
  EXPECT_TRUE(time < later && later > time && time <= time && later >= time && time != later);
  time += MCTimeSpan(7200);
  EXPECT_EQ(time - later, MCTimeSpan(3600));
  time -= MCTimeSpan(7200);
  EXPECT_EQ(time.GetTime(), 1000000);
  time = 5;
  EXPECT_EQ(time.GetTime(), 5);
  EXPECT_EQ(MCTime().GetTime(), 0);
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  EXPECT_LE(std::llabs(MCTime::GetTickCount().GetTime() - now), 2);
}

TEST(MCTimeSpanTest, PartsTruncate) {
  struct Case {
    MCTimeSpan span;
    int64_t days, totalHours;
    int hours;
    int64_t totalMinutes;
    int minutes, seconds;
  } cases[] = {
      {MCTimeSpan(1, 2, 3, 4), 1, 26, 2, 1563, 3, 4},
      {MCTimeSpan(1, 25, 61, 61), 2, 50, 2, 3002, 2, 1},
      {MCTimeSpan(-93784), -1, -26, -2, -1563, -3, -4},
      {MCTimeSpan(59), 0, 0, 0, 0, 0, 59},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.span.GetTotalSeconds());
    EXPECT_EQ(c.span.GetDays(), c.days);
    EXPECT_EQ(c.span.GetTotalHours(), c.totalHours);
    EXPECT_EQ(c.span.GetHours(), c.hours);
    EXPECT_EQ(c.span.GetTotalMinutes(), c.totalMinutes);
    EXPECT_EQ(c.span.GetMinutes(), c.minutes);
    EXPECT_EQ(c.span.GetSeconds(), c.seconds);
  }
  MCTimeSpan span(10);
  span += MCTimeSpan(5);
  span -= MCTimeSpan(3);
  EXPECT_EQ(span, MCTimeSpan(12));
  EXPECT_EQ(span + span - MCTimeSpan(4), MCTimeSpan(20));
  EXPECT_TRUE(span < MCTimeSpan(13) && span >= MCTimeSpan(12) && span != MCTimeSpan(0));
}

TEST(MCTimeSpanTest, Format) {
  struct Case {
    const char* format;
    MCTimeSpan span;
    std::string text;
  } cases[] = {
      {"%D:%H:%M:%S", MCTimeSpan(1, 2, 3, 4), "1:02:03:04"},
      {"%D days", MCTimeSpan(40000, 0, 0, 0), "40000 days"},
      {"100%% %x", MCTimeSpan(0), "100% x"},
      {"end%", MCTimeSpan(0), "end"},
      {"", MCTimeSpan(5), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.span.Format(c.format), c.text.c_str()) << c.format;
  const std::string longText(200, 'y');
  EXPECT_EQ(MCTimeSpan(0).Format(longText.c_str()), std::string(127, 'y').c_str());
  EXPECT_EQ(MCTimeSpan(0).Format((std::string(126, 'y') + "%D").c_str()),
            (std::string(126, 'y') + "0").c_str());
  EXPECT_EQ(MCTimeSpan(0).Format(nullptr), "");
}

}  // namespace
