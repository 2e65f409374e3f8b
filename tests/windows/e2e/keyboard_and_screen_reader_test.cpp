// A user who works with the keyboard alone and hears the screen through a
// screen reader: Active Accessibility read from this process, change and
// focus events caught by out-of-context hooks, keys typed as the keyboard
// types them. The copy stands in a folder with a decoy oleacc.dll, which
// must never load.
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

VARIANT child_id(LONG child = CHILDID_SELF) {
  VARIANT which{};
  which.vt = VT_I4;
  which.lVal = child;
  return which;
}

std::wstring taken(BSTR text) {
  std::wstring taken = text != nullptr ? text : L"(none)";
  SysFreeString(text);
  return taken;
}

// The name an accessible object gives itself, or one of its simple children.
std::wstring name_of(IAccessible* object, LONG child = CHILDID_SELF) {
  BSTR name = nullptr;
  object->get_accName(child_id(child), &name);
  return taken(name);
}

// What a screen reader says an object is and does: its role (43 a push
// button) and its default action.
std::wstring role_and_action(IAccessible* object) {
  VARIANT role{};
  BSTR action = nullptr;
  object->get_accRole(child_id(), &role);
  object->get_accDefaultAction(child_id(), &action);
  return std::to_wstring(role.lVal) + L", " + taken(action);
}

// The names of an object's children, in the order a screen reader reads them,
// with what those that are objects of their own are and do.
std::vector<std::wstring> children_names(IAccessible* object) {
  VARIANT children[8] = {};
  LONG count = 0;
  AccessibleChildren(object, 0, 8, children, &count);
  std::vector<std::wstring> names;
  for (LONG i = 0; i < count; ++i) {
    if (children[i].vt == VT_DISPATCH) {
      IAccessible* child = nullptr;
      children[i].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
      names.push_back(child ? name_of(child) + L": " + role_and_action(child) : L"(no object)");
      if (child != nullptr) child->Release();
    } else {
      names.push_back(name_of(object, children[i].lVal));
    }
    VariantClear(&children[i]);
  }
  return names;
}

// What a screen reader's hook hears of the program: the main window's parts
// whose names change, and the window and object of the last focus event.
std::vector<LONG> named_parts;
struct {
  HWND window;
  LONG object, child;
} focus_event{};
void CALLBACK on_event(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                       DWORD) {
  if (event == EVENT_OBJECT_FOCUS) focus_event = {window, object, child};
  if (event == EVENT_OBJECT_NAMECHANGE && window == FindWindowW(kMainWindowClass, nullptr) &&
      object == OBJID_CLIENT)
    named_parts.push_back(child);
}

TEST(KeyboardAndScreenReader, HearsTheUptimeAndReachesAboutAndItsChoiceByKeys) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Program program(kTestProgram, true);
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
      SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, on_event,
                      GetProcessId(program.process()), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(program.uptime_ticks(3661));
  IAccessible* client_area = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(main, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&client_area)),
            S_OK);
  // The program took oleacc for it from the system's folder: the decoy beside it never loaded.
  EXPECT_EQ(OpenEventW(SYNCHRONIZE, FALSE, kDecoyLoaded), nullptr);
  EXPECT_TRUE(eventually([&] {
    const std::wstring time = text_of(main, kUptimeLabel);
    return name_of(client_area) == L"Uptime 0 days, " + time &&
           children_names(client_area) ==
               std::vector<std::wstring>{L"About QV-UTT: 43, Press", L"Days: 0",
                                         L"Hours, minutes, seconds: " + time};
  })) << name_of(client_area);
  pump_messages_for(2200);
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

  // The logo's own window answers with that push button: its default action
  // opens the About window again, as Enter does.
  IAccessible* button = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(logo, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&button)),
            S_OK);
  bring_to_front(main);
  button->accDoDefaultAction(child_id());
  button->Release();
  ASSERT_NE(program.about_window(), nullptr);
  type(VK_ESCAPE);
  ASSERT_EQ(program.about_window(false), nullptr);

  // The focus gone to another program, the notification icon chosen by the
  // keyboard brings the window back, and Enter opens About again.
  bring_to_front(main);  // About's close done
  const OtherProgramWindow other;
  icon_event(main, NIN_KEYSELECT);
  EXPECT_TRUE(eventually([&] { return focus_in(main) == logo && GetForegroundWindow() == main; }));
  type(VK_RETURN);
  ASSERT_NE(about = program.about_window(), nullptr);
  EXPECT_EQ(focus_in(about), GetDlgItem(about, about_window::kOkButton));

  // Tab reaches the creator line, a push button too where its focus event
  // leads; Enter reveals the address. Then the check box, where Space
  // unchecks it (the main window's box follows); Enter presses OK, which
  // saves the choice.
  type(VK_TAB);
  const HWND creator = GetDlgItem(about, about_window::kCreatorLabel);
  EXPECT_TRUE(
      eventually([&] { return focus_in(about) == creator && focus_event.window == creator; }));
  VARIANT child{};
  ASSERT_EQ(AccessibleObjectFromEvent(focus_event.window, focus_event.object, focus_event.child,
                                      &button, &child),
            S_OK);
  EXPECT_EQ(role_and_action(button), L"43, Press");
  button->Release();
  UnhookWinEvent(hook);
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
