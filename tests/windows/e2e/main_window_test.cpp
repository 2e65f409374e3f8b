// The uptime window, started for real under fresh or prepared settings.
#include <gtest/gtest.h>

#include "e2e/looks.h"
#include "e2e/program.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

using namespace main_window;

TEST(MainWindow, FreshUserSeesItCountAndChangeDpiAndItSavesItsPlace) {
  Program program;
  program.start();
  const DWORD started = GetTickCount();
  const HWND main = program.main_window();
  EXPECT_EQ(text_of(main, kUptimeLabel), L"00:00:00");
  EXPECT_EQ(text_of(main, kDaysTotalLabel), L"0");
  EXPECT_EQ(placement_of(main), (Placement{67, 67, 238, 76}));  // 1000, 1000, 3570, 1140 twips
  EXPECT_EQ(text_of(main), L"QV-UPTIME-TIMER - QV-UTT");
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(check_state(main, kAlwaysOnTopCheckBox), BST_CHECKED);

  // Real ticks: the first a second after the start, then one a second.
  for (const auto& [shown, seconds] : {std::pair{L"00:00:01", 1.0}, {L"00:00:03", 3.0}}) {
    eventually([&] { return text_of(main, kUptimeLabel) == shown; });
    EXPECT_NEAR((GetTickCount() - started) / 1000.0, seconds, 0.7) << shown;
  }

  check_dpi_round_trip(program, main, "main-window", GetDlgItem(main, kUptimeLabel));

  // Timer messages from outside count one tick each, up to midnight and past it.
  for (const auto& [ticks, days] : {std::pair{3661L, L"0"}, {86400L - 3661, L"1"}}) {
    program.uptime_ticks(ticks);
    EXPECT_TRUE(program.shows_sent_ticks()) << text_of(main, kUptimeLabel);
    EXPECT_EQ(text_of(main, kDaysTotalLabel), days);
  }

  program.close();
  EXPECT_EQ(program.exit_code(), 0u);
  EXPECT_EQ(program.stored_count(), 2u);
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1000");
  EXPECT_EQ(program.stored(L"MAIN_Top"), L"1000");
}

TEST(MainWindow, OpensWhereItWasStoredAndTakesDefaultsForWhatIsCorrupt) {
  Program program;
  program.store(L"MAIN_Left", L"left");
  program.store(L"MAIN_Top", L"");
  program.store_number(L"MAIN_Width", 4000);
  program.store(L"MAIN_Height", std::wstring(3000, L'7'));
  program.store(L"AlwaysOnTop_TICKBOX", L"7");
  program.start();
  EXPECT_EQ(placement_of(program.main_window()), (Placement{67, 67, 238, 76}));
  EXPECT_EQ(check_state(program.main_window(), kAlwaysOnTopCheckBox), BST_CHECKED);
  program.close();
  EXPECT_EQ(program.exit_code(), 0u);

  // Wholly off screen, it opens on the nearest monitor, and saves where it stands.
  program.store(L"MAIN_Left", L"-150000");
  program.store(L"MAIN_Top", L"NaN");
  program.store(L"MAIN_Width", L"99999999999999999999999999999999999999999");
  program.store(L"MAIN_Height", L"2835");
  program.store_number(L"AlwaysOnTop_TICKBOX", 0);
  program.start();
  HWND main = program.main_window();
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(placement_of(main), (Placement{work.left, 67, 238, 189}));
  // Taller, it uncovers the check box, which a click toggles.
  EXPECT_EQ(text_of(main, kAlwaysOnTopCheckBox), L"Always On Top");
  RECT box{};
  RECT client{};
  GetWindowRect(GetDlgItem(main, kAlwaysOnTopCheckBox), &box);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&box), 2);
  GetClientRect(main, &client);
  EXPECT_LE(box.bottom, client.bottom);
  for (const UINT expected : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}) {
    EXPECT_EQ(check_state(main, kAlwaysOnTopCheckBox), expected);
    click(main, kAlwaysOnTopCheckBox);
  }
  program.close();
  EXPECT_EQ(program.stored(L"MAIN_Left"), std::to_wstring(work.left * 15));
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), std::nullopt);  // still the number

  // Partly off screen it opens where it was; moved, it saves where it stands,
  // at the end of the session too, and opens there next time.
  program.store(L"MAIN_Left", L"-600");
  program.start();
  main = program.main_window();
  EXPECT_EQ(placement_of(main)[0], -40);
  SetWindowPos(main, nullptr, 90, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SendMessageW(main, WM_QUERYENDSESSION, 0, 0));
  SendMessageW(main, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1350");
  EXPECT_EQ(program.stored(L"MAIN_Top"), L"900");
  SetWindowPos(main, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  program.close();
  program.start();
  EXPECT_EQ(placement_of(program.main_window()), (Placement{200, 150, 238, 189}));
}

TEST(MainWindow, ACopyUnderAnotherNameKeepsItsOwnSettingsAtTheScreensDpi) {
  Program original;
  original.store(L"MAIN_Left", L"4500");
  Program copy(L"QV-UTT-copy");
  DWORD dpi = 144;
  const wchar_t desktop[] = L"Control Panel\\Desktop";
  RegSetKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
  copy.start();
  RegDeleteKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels");
  EXPECT_EQ(placement_of(copy.main_window()), (Placement{100, 100, 357, 114}));
  copy.close();
  EXPECT_EQ(copy.stored(L"MAIN_Left"), L"1000");
}

}  // namespace
}  // namespace qvutt::e2e
