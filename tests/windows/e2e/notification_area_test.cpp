// A user who finds the program by its icon in the notification area. The
// shell is played by windows of its class, first in the z-order, which
// Shell_NotifyIconW finds and sends what it has to say; the icon's events come
// as the shell posts them under version 4.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

using namespace main_window;

// The messages the shell was sent about the icon of that window, in order.
std::vector<DWORD> shell_messages_for(HWND main) {
  std::vector<DWORD> messages;
  for (const ShellCall& call : shell_calls()) {
    if (call.fields[0] == HandleToULong(main) && call.fields[1] == kNotificationIconId)
      messages.push_back(call.message);
  }
  return messages;
}

// The icon's tip, the story's copy's file name, as its payload holds it:
// UTF-16 with its ending zero.
const std::string kTip{reinterpret_cast<const char*>(L"QVUTT-TEST"), sizeof L"QVUTT-TEST"};

// The version the icon asks for in NIM_SETVERSION's payload: after the tip,
// the state and its mask, and the balloon's text, wherever Wine puts the tip.
UINT version_asked(const ShellCall& call) {
  const std::size_t at = call.payload.find(kTip);
  const std::size_t version_at = at + sizeof(WCHAR[128]) + 2 * sizeof(DWORD) + sizeof(WCHAR[256]);
  UINT version = 0;
  if (at != std::string::npos && call.payload.size() >= version_at + sizeof version)
    std::memcpy(&version, call.payload.data() + version_at, sizeof version);
  return version;
}

// The colour bits of the program's icon at the notification area's size.
std::string icon_bits(const std::wstring& program) {
  const HMODULE file = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  const int size = GetSystemMetrics(SM_CXSMICON);
  const auto icon =
      static_cast<HICON>(LoadImageW(file, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
  ICONINFO info{};
  GetIconInfo(icon, &info);
  std::string bits(size * size * 4, '\0');  // 32 bits a pixel, as the screen has
  bits.resize(GetBitmapBits(info.hbmColor, static_cast<LONG>(bits.size()), bits.data()));
  for (const HGDIOBJ bitmap : {info.hbmColor, info.hbmMask}) DeleteObject(bitmap);
  return bits;  // the icon and the file, for the test's short life
}

TEST(NotificationArea, TheIconComesThoughTheShellRefusesOrForgetsItBringsTheWindowBackAndExits) {
  Program program;
  const OtherProgramWindow shell(0, L"Shell_TrayWnd");
  ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), shell.window);
  // Busy at sign-in, the shell refuses the first two adds, and nothing but
  // the program asks again: added at last with its art and its file's name
  // as the tip, then version 4.
  shell_answers({FALSE, FALSE, FALSE, FALSE});
  program.start();
  const HWND main = program.main_window();
  std::vector<DWORD> sent{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_SETVERSION};
  EXPECT_TRUE(eventually([&] { return shell_messages_for(main) == sent; }));
  const ShellCall added = shell_calls().at(4);
  EXPECT_TRUE(added.fields[2] == UINT{NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP} &&
              added.fields[3] == kNotificationIconMessage);
  EXPECT_NE(added.payload.find(kTip), std::string::npos);
  const std::string art = icon_bits(program.executable());
  EXPECT_NE(added.payload.find(art), std::string::npos);
  EXPECT_EQ(version_asked(shell_calls().at(5)), UINT{NOTIFYICON_VERSION_4});

  // Told the shell has started anew (or changed its scale), it sends the
  // icon again at the size of now; the shell kept it, or took the add and
  // answered too late, and the modify finds it.
  shell_answers({FALSE});
  PostMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  sent.insert(sent.end(), {NIM_ADD, NIM_MODIFY, NIM_SETVERSION});
  EXPECT_TRUE(eventually([&] { return shell_messages_for(main) == sent; }));
  EXPECT_NE(shell_calls().at(7).payload.find(art), std::string::npos);

  // Its menu, by the keyboard: closed with Escape, it hands the keyboard back
  // to the notification area; then Opacity, 60%.
  icon_event(main, WM_CONTEXTMENU);
  ASSERT_TRUE(menu_shows());
  type(VK_ESCAPE);
  sent.push_back(NIM_SETFOCUS);
  EXPECT_TRUE(eventually([&] { return shell_messages_for(main) == sent; }));
  icon_event(main, WM_CONTEXTMENU);
  ASSERT_TRUE(menu_shows());
  type('O');
  type('6');
  EXPECT_TRUE(eventually([&] { return program.stored()[L"MAIN_Opacity"] == L"60"; }));

  // With About open, choosing the icon brings About, where the input goes;
  // the menu's Exit closes as the close box does, About saved first, and the
  // icon goes.
  double_click(main, kLogoPicture);
  const HWND about = program.about_window();
  eventually([&] { return GetForegroundWindow() == about; });  // its showing done
  bring_to_front(shell.window);
  icon_event(main, NIN_KEYSELECT);
  EXPECT_TRUE(eventually([&] { return GetForegroundWindow() == about; }));
  icon_event(main, WM_CONTEXTMENU);
  ASSERT_TRUE(menu_shows());
  type('X');
  EXPECT_EQ(WaitForSingleObject(program.process(), stretched(5000)), WAIT_OBJECT_0);
  EXPECT_EQ(program.stored()[L"ABOUT_Left"] + program.stored()[L"MAIN_Left"], L"10001000");
  sent.push_back(NIM_DELETE);  // and no focus handed back after a choice
  EXPECT_EQ(shell_messages_for(main), sent);
}

}  // namespace
}  // namespace qvutt::e2e
