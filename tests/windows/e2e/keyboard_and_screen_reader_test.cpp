// A user who works with the keyboard alone and hears the screen through a
// screen reader: Active Accessibility read from this process, change events
// caught by an out-of-context hook, keys typed as the keyboard types them.
#include <windows.h>
// after windows.h, which they need
#include <oleacc.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

using namespace main_window;

// The name an accessible object gives itself, or one of its simple children.
std::wstring name_of(IAccessible* object, LONG child = CHILDID_SELF) {
  VARIANT which{};
  which.vt = VT_I4;
  which.lVal = child;
  BSTR name = nullptr;
  object->get_accName(which, &name);
  std::wstring text = name != nullptr ? name : L"(none)";
  SysFreeString(name);
  return text;
}

// The names of an object's children, in the order a screen reader reads them.
std::vector<std::wstring> children_names(IAccessible* object) {
  VARIANT children[8] = {};
  LONG count = 0;
  AccessibleChildren(object, 0, 8, children, &count);
  std::vector<std::wstring> names;
  for (LONG i = 0; i < count; ++i) {
    if (children[i].vt == VT_DISPATCH) {
      IAccessible* child = nullptr;
      children[i].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
      names.push_back(child != nullptr ? name_of(child) : L"(no object)");
      if (child != nullptr) child->Release();
    } else {
      names.push_back(name_of(object, children[i].lVal));
    }
    VariantClear(&children[i]);
  }
  return names;
}

// Name changes the program raises for its main window's parts, as a screen
// reader's hook sees them.
std::vector<LONG> named_parts;
void CALLBACK on_name_change(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                             DWORD) {
  if (window == FindWindowW(kMainWindowClass, nullptr) && object == OBJID_CLIENT)
    named_parts.push_back(child);
}

TEST(KeyboardAndScreenReader, HearsTheUptimeAndReachesAboutAndItsChoiceByKeys) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Program program;
  program.start();
  const HWND main = program.main_window();
  bring_to_front(main);

  // The focus lands on the logo, the way to the About window, in plain sight.
  const HWND logo = GetDlgItem(main, kLogoPicture);
  EXPECT_TRUE(eventually([&] { return focus_in(main) == logo; }));
  RECT client{}, shown{};
  GetClientRect(main, &client);
  GetWindowRect(logo, &shown);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&shown), 2);
  EXPECT_TRUE(IsWindowVisible(logo) && shown.left >= 0 && shown.top >= 0 &&
              shown.right <= client.right && shown.bottom <= client.bottom);

  // The uptime read as words, the parts in the order of the picture, and a
  // change event for the time display every second.
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, on_name_change,
                      GetProcessId(program.process()), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(program.uptime_ticks(3661));
  IAccessible* client_area = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(main, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&client_area)),
            S_OK);
  EXPECT_TRUE(eventually([&] {
    const std::wstring time = text_of(main, kUptimeLabel);
    return name_of(client_area) == L"Uptime 0 days, " + time &&
           children_names(client_area) ==
               std::vector<std::wstring>{L"About QV-UTT", L"Days: 0",
                                         L"Hours, minutes, seconds: " + time};
  })) << name_of(client_area);
  pump_messages_for(2200);
  UnhookWinEvent(hook);
  client_area->Release();
  EXPECT_TRUE(named_parts.size() >= 3 && named_parts.back() == 3);  // 3: the time display

  // Space on the logo opens the About window, and the hidden check box stays
  // as it was; Escape closes it as the close box does, saving.
  type(VK_SPACE);
  HWND about = program.about_window();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(IsDlgButtonChecked(main, kAlwaysOnTopCheckBox), BST_CHECKED);
  SetWindowPos(about, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  type(VK_ESCAPE);
  ASSERT_EQ(program.about_window(false), nullptr);
  EXPECT_EQ(program.stored()[L"ABOUT_Left"], L"2250");

  // The focus gone to another program, the notification icon chosen by the
  // keyboard brings the window back, and Enter opens About again. Tab
  // reaches the creator line, where Enter reveals the address, then the
  // check box, where Space unchecks it (the main window's box follows);
  // Enter presses OK, which saves the choice.
  bring_to_front(main);  // About's close done
  const OtherProgramWindow other;
  icon_event(main, NIN_KEYSELECT);
  EXPECT_TRUE(eventually([&] { return focus_in(main) == logo && GetForegroundWindow() == main; }));
  type(VK_RETURN);
  ASSERT_NE(about = program.about_window(), nullptr);
  EXPECT_EQ(focus_in(about), GetDlgItem(about, about_window::kOkButton));
  type(VK_TAB);
  EXPECT_EQ(focus_in(about), GetDlgItem(about, about_window::kCreatorLabel));
  type(VK_RETURN);
  EXPECT_EQ(text_of(about, about_window::kCreatorLabel), L"zerbold93@example.com");
  type(VK_TAB);
  type(VK_SPACE);
  EXPECT_EQ(IsDlgButtonChecked(main, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  type(VK_RETURN);
  ASSERT_EQ(program.about_window(false), nullptr);
  EXPECT_EQ(program.stored()[L"AlwaysOnTop_TICKBOX"], L"0");

  program.close();
  CoUninitialize();
}

}  // namespace
}  // namespace qvutt::e2e
