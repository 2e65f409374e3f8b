// The system's own reading of the same dates, as a check on the formatter.
#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "clock/uptime_counter.h"

namespace qvutt {
namespace {

std::string system_time_of_day(double date) {
  SYSTEMTIME time{};
  if (!VariantTimeToSystemTime(date, &time)) return "conversion failed";
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", time.wHour, time.wMinute, time.wSecond);
  return text;
}

std::string system_formatted(double date) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_DATE;
  value.date = date;
  BSTR formatted = nullptr;
  wchar_t pattern[] = L"hh:mm:ss";
  if (FAILED(VarFormat(&value, pattern, 0, 0, 0, &formatted))) return "format failed";
  std::string text;
  for (const wchar_t* c = formatted; *c != 0; ++c) text.push_back(static_cast<char>(*c));
  SysFreeString(formatted);
  return text;
}

TEST(SystemOracle, AgreesWithTheTimeOfEveryTickOverDays) {
  UptimeCounter counter;
  UptimeTexts shown;
  for (long n = 1; n <= 3 * 86400L; ++n) {
    counter.tick(shown);
    ASSERT_EQ(shown.time, system_time_of_day(counter.accumulator())) << "tick " << n;
  }
}

TEST(SystemOracle, FormatsLikeTheSystemsOwnHoursMinutesSeconds) {
  UptimeCounter counter;
  UptimeTexts shown;
  for (long n = 1; n <= 86400L + 3600; ++n) {
    counter.tick(shown);
    if (n % 7 == 0 || n % 86400 < 3) {
      ASSERT_EQ(shown.time, system_formatted(counter.accumulator())) << "tick " << n;
    }
  }
}

}  // namespace
}  // namespace qvutt
