// The uptime window, started for real under a fresh or prepared settings section.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "e2e/program.h"
#include "e2e/test_names.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

using namespace main_window;

// The test prefix runs at 96 dots per inch: 15 twips a pixel.
int pixels(double twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

TEST(MainWindow, FreshUserOpensAtTheDefaultsAndCountsRealSeconds) {
  Program program(test_name());
  program.start();
  const DWORD shown_at = GetTickCount();
  const HWND main = program.main_window();
  EXPECT_EQ(text_of(main, kUptimeLabel), L"00:00:00");
  EXPECT_EQ(text_of(main, kDaysTotalLabel), L"0");
  const RECT frame = frame_of(main);
  EXPECT_EQ(frame.left, pixels(1000));
  EXPECT_EQ(frame.top, pixels(1000));
  EXPECT_EQ(frame.right - frame.left, pixels(3570));
  EXPECT_EQ(frame.bottom - frame.top, pixels(1140));
  wchar_t caption[64] = {};
  GetWindowTextW(main, caption, 64);
  EXPECT_STREQ(caption, L"QV-UPTIME-TIMER - QV-UTT");
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(check_state(main, kAlwaysOnTopCheckBox), BST_CHECKED);

  ASSERT_TRUE(eventually([&] { return text_of(main, kUptimeLabel) != L"00:00:00"; }, 3000));
  const DWORD first_tick_after = GetTickCount() - shown_at;
  EXPECT_EQ(text_of(main, kUptimeLabel), L"00:00:01");
  EXPECT_GE(first_tick_after, 700u);
  EXPECT_LE(first_tick_after, 2500u);  // a loaded machine delays timers
}

TEST(MainWindow, TimerTicksAdvanceTheClockAndEachMidnightTheDays) {
  Program program(test_name());
  program.start();
  const HWND main = program.main_window();

  program.uptime_ticks(3661);
  EXPECT_TRUE(program.shows_sent_ticks()) << text_of(main, kUptimeLabel) << " after 3661";
  EXPECT_EQ(text_of(main, kDaysTotalLabel), L"0");

  program.uptime_ticks(86400 - 3661);
  EXPECT_TRUE(program.shows_sent_ticks()) << text_of(main, kUptimeLabel) << " after 86400";
  EXPECT_EQ(text_of(main, kDaysTotalLabel), L"1");
}

TEST(MainWindow, ClosingStoresThePositionOnlyAndTheNextStartOpensThere) {
  Program program(test_name());
  program.start();
  program.close();
  EXPECT_EQ(program.exit_code(), 0u);
  auto keys = program.stored_keys();
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"MAIN_Left", L"MAIN_Top"}));
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1000");
  EXPECT_EQ(program.stored(L"MAIN_Top"), L"1000");

  program.start();
  SetWindowPos(program.main_window(), nullptr, 200, 150, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  program.close();
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"3000");
  EXPECT_EQ(program.stored(L"MAIN_Top"), L"2250");

  program.start();
  const RECT frame = frame_of(program.main_window());
  EXPECT_EQ(frame.left, 200);
  EXPECT_EQ(frame.top, 150);
}

TEST(MainWindow, EachCorruptValueOpensWithThatKeysDefault) {
  Program program(test_name());
  program.store(L"MAIN_Left", L"left");
  program.store(L"MAIN_Top", L"");
  program.store_number(L"MAIN_Width", 4000);
  program.store(L"MAIN_Height", std::wstring(3000, L'7'));
  program.store(L"AlwaysOnTop_TICKBOX", L"7");
  program.start();
  RECT frame = frame_of(program.main_window());
  EXPECT_EQ(frame.left, pixels(1000));
  EXPECT_EQ(frame.top, pixels(1000));
  EXPECT_EQ(frame.right - frame.left, pixels(3570));
  EXPECT_EQ(frame.bottom - frame.top, pixels(1140));
  EXPECT_EQ(check_state(program.main_window(), kAlwaysOnTopCheckBox), BST_CHECKED);
  program.close();
  EXPECT_EQ(program.exit_code(), 0u);

  program.store(L"MAIN_Left", L"1500");
  program.store(L"MAIN_Top", L"NaN");
  program.store(L"MAIN_Width", L"99999999999999999999999999999999999999999");
  program.store(L"MAIN_Height", L"1e9");
  program.start();
  EXPECT_EQ(frame_of(program.main_window()).bottom - frame_of(program.main_window()).top,
            pixels(1140));
  program.close();

  program.store(L"MAIN_Height", L"1800");
  program.store_number(L"AlwaysOnTop_TICKBOX", 0);
  program.start();
  frame = frame_of(program.main_window());
  EXPECT_EQ(frame.left, pixels(1500));
  EXPECT_EQ(frame.top, pixels(1000));
  EXPECT_EQ(frame.right - frame.left, pixels(3570));
  EXPECT_EQ(frame.bottom - frame.top, pixels(1800));
  EXPECT_EQ(check_state(program.main_window(), kAlwaysOnTopCheckBox), BST_CHECKED);
}

TEST(MainWindow, ACopyUnderAnotherNameStartsFromDefaults) {
  Program original(test_name());
  original.store(L"MAIN_Left", L"4500");
  original.store(L"MAIN_Top", L"4500");
  Program copy(test_name() + L"-copy");
  copy.start();
  const RECT frame = frame_of(copy.main_window());
  EXPECT_EQ(frame.left, pixels(1000));
  EXPECT_EQ(frame.top, pixels(1000));
}

TEST(MainWindow, ATallerStoredHeightUncoversTheCheckBox) {
  Program program(test_name());
  program.store(L"MAIN_Height", L"2835");
  program.start();
  const HWND main = program.main_window();
  const HWND box = GetDlgItem(main, kAlwaysOnTopCheckBox);
  EXPECT_EQ(text_of(box), L"Always On Top");
  RECT client{};
  GetClientRect(main, &client);
  RECT box_frame = frame_of(box);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&box_frame), 2);
  EXPECT_LE(box_frame.bottom, client.bottom);

  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_EQ(check_state(main, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_EQ(check_state(main, kAlwaysOnTopCheckBox), BST_CHECKED);
  EXPECT_TRUE(program.stored_keys().size() == 1u);  // only the height stored above
}

TEST(MainWindow, APositionWhollyOffScreenOpensOnTheNearestMonitor) {
  Program program(test_name());
  program.store(L"MAIN_Left", L"-150000");
  program.store(L"MAIN_Top", L"600");
  program.start();
  RECT frame = frame_of(program.main_window());
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(frame.left, work.left);
  EXPECT_EQ(frame.top, pixels(600));
  program.close();
  EXPECT_EQ(program.stored(L"MAIN_Left"), std::to_wstring(work.left * 15));

  program.store(L"MAIN_Left", L"-600");
  program.start();
  frame = frame_of(program.main_window());
  EXPECT_EQ(frame.left, pixels(-600));
  program.close();
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"-600");
}

TEST(MainWindow, ClosingAtSessionEndStoresThePosition) {
  Program program(test_name());
  program.start();
  SetWindowPos(program.main_window(), nullptr, 90, 60, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SendMessageW(program.main_window(), WM_QUERYENDSESSION, 0, 0));
  SendMessageW(program.main_window(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1350");
  EXPECT_EQ(program.stored(L"MAIN_Top"), L"900");
}

}  // namespace
}  // namespace qvutt::e2e

namespace qvutt::e2e {
namespace {

// The screen's dots per inch for the programs started while it lives.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dots_per_inch) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels", REG_DWORD, &dots_per_inch,
                    sizeof dots_per_inch);
  }
  ~ScreenDpi() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels"); }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  static constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
};

TEST(MainWindow, At144DpiTheSameTwipsTakeOneAndAHalfTimesThePixels) {
  Program program(test_name());
  RECT frame{};
  {
    const ScreenDpi dpi(144);
    program.start();
    frame = frame_of(program.main_window());
    program.close();
  }
  EXPECT_EQ(frame.left, 100);
  EXPECT_EQ(frame.top, 100);
  EXPECT_EQ(frame.right - frame.left, 357);
  EXPECT_EQ(frame.bottom - frame.top, 114);
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1000");
}

}  // namespace
}  // namespace qvutt::e2e
