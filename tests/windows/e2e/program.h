// The real QV-UTT program, started and driven from outside as the system and
// the user would: window messages, timer messages, keys and the registry.
// Always a copy under a name of the tests' own, so its settings section and
// its sign-in entries are the tests' own too; the section is cleared before
// and after. One program runs at a time: its windows are found by their class.
#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace qvutt::e2e {

// Left and top of a window's frame, then width and height: of the frame where
// the system is told where to put a window, of the client area where a test
// reads where a window stands and what it shows. In pixels.
using Placement = std::array<LONG, 4>;
using Settings = std::map<std::wstring, std::wstring>;

// Names no real program has, for the copy the stories start and for another
// program's sign-in entry.
inline constexpr wchar_t kTestProgram[] = L"QVUTT-TEST";
inline constexpr wchar_t kTestOtherTool[] = L"QVUTT-TEST-OtherTool";

// The mark a decoy oleacc.dll leaves once loaded: a named event, for as long
// as the process that loaded it runs.
inline constexpr wchar_t kDecoyLoaded[] = L"QVUTT-TEST-decoy-loaded";

// Where Windows keeps what starts at sign-in, and Task Manager its record of each.
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// Every value of a key of the user's: its text, "(binary N)" for binary data
// whose first byte is N, "?" for a value of another type.
Settings values_in(const std::wstring& key);

// What Task Manager writes when the user disables an entry: 7 (or 3), then the time.
void disable_as_task_manager_does(const wchar_t* name);

class Program {
 public:
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // A copy of the program under that name: of the one beside the tests,
  // unless QVUTT_PROGRAM_FOLDER names another build's. Beside a decoy, the
  // copy stands in a folder of its own with a decoy oleacc.dll, as a
  // download's folder may hold one: Windows looks in the program's folder
  // first, and Wine, told so for the tests (scripts/wine-run.sh), prefers it.
  explicit Program(const std::wstring& name = kTestProgram, bool beside_decoy = false);
  ~Program();

  // The settings section, in the registry, as values_in() reads it;
  // forgotten with the program's sign-in entries, as if the user had never
  // run it (after a run outside CTest, without the session guard, too).
  void store(const wchar_t* key, const std::wstring& text);
  const std::wstring& section() const { return section_; }
  void forget_settings() const;
  Settings stored() const { return values_in(section_); }

  // Starts the program and waits for its main window to show (null if it
  // never does), or, not to be shown, to be made.
  void start(bool shown = true);
  // Closes the main window as its close box would, and waits for the end.
  void close();
  // Ends the program as a crash or `taskkill /f` would: nothing runs in it.
  void kill();
  DWORD exit_code() const;
  HWND main_window() const { return main_window_; }
  HANDLE process() const { return process_.hProcess; }     // for the benchmark's measures
  HANDLE main_thread() const { return process_.hThread; }  // its one thread, the windows'
  const std::wstring& executable() const { return executable_; }

  // Waits a few seconds for the About window to show (or, with false, to go)
  // and returns it; null if it never does.
  HWND about_window(bool shown = true) const;

  // Ticks of the uptime timer, posted as the system posts them. Returns once
  // the display shows all the ticks sent since the start (plus no more real
  // ones than the timer can have added meanwhile), false if it never does.
  bool uptime_ticks(long count);

  // WM_DPICHANGED as the system sends it: from the window's own thread, the
  // rectangle in the program's own memory, at `at` and of the size the
  // window names for the DPI (dpi_change_hook.h).
  void change_dpi(HWND window, int dots_per_inch, POINT at) const;

 private:
  std::wstring executable_;
  std::wstring section_;
  PROCESS_INFORMATION process_{};
  HWND main_window_ = nullptr;
  long ticks_sent_ = 0;
  DWORD started_at_ = 0;
};

// What a window of this process was sent by Shell_NotifyIconW, which finds
// the first Shell_TrayWnd in the z-order: the message (NIM_ADD...), the
// payload's leading fields, which every Wine has kept in place (window, id,
// flags, callback message), and the whole payload, to search for the tip and
// the icon's bits, whose places moved between Wine's versions.
struct ShellCall {
  DWORD message;
  UINT fields[4];
  std::string payload;
};
std::vector<ShellCall> shell_calls();
// How the shell answers its next calls, in order, whatever they are; TRUE after them.
void shell_answers(std::initializer_list<BOOL> answers);

// An always-on-top window of another program, as far as QV-UTT can tell, on
// a thread of its own: it takes the foreground, with the focus in its text
// field, and pumps its messages; asked to, it first hangs, pumping none. Of
// the shell's class, it answers Shell_NotifyIconW as the shell does.
class OtherProgramWindow {
 public:
  OtherProgramWindow(const OtherProgramWindow&) = delete;
  OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;
  explicit OtherProgramWindow(DWORD hang_milliseconds = 0,
                              const wchar_t* window_class = L"OtherProgram");
  ~OtherProgramWindow();

  HWND window = nullptr;
  HWND text_field = nullptr;

 private:
  static DWORD WINAPI run(void* self);
  DWORD hang_milliseconds_;
  const wchar_t* window_class_;
  HANDLE shown_;
  DWORD thread_id_ = 0;
  HANDLE thread_;
};

// Small things tests do and say of windows.
bool menu_shows();  // within a few seconds
// How many texts the control showed over that time, each read within 300 ms;
// 0 if one was not given in time.
std::size_t texts_shown(HWND window, int id, DWORD milliseconds);
void double_click(HWND window, int id);
// The notification icon's event (NIN_SELECT, WM_CONTEXTMENU...) as the shell
// posts it under version 4: the anchor in wParam, the event and the id in lParam.
void icon_event(HWND main, WORD event);
// A key typed as the keyboard types it, with held (Alt, say) down around it.
void type(WORD key, std::initializer_list<WORD> held = {});
// Alt+Space on the window, then each key once a menu shows.
void choose_in_system_menu(HWND window, std::initializer_list<WORD> keys);
// The mouse moved to a point of the screen, with a button's event there.
void mouse(int x, int y, DWORD button = 0);
// Drags the window by its caption with the mouse, by dx and dy pixels.
void drag_by_caption(HWND window, int dx, int dy);
// The text of a window (id 0) or of its control; empty if none comes within the time.
std::wstring text_of(HWND window, int id = 0, DWORD answer_within = 5000);
HWND focus_in(HWND window);           // the keyboard focus of the window's thread
Placement placement_of(HWND window);  // the frame's left and top, the client area's size
bool is_topmost(HWND window);
// Whether the window has the foreground; true on Windows, whose lock may refuse it.
bool in_foreground(HWND window);
// Puts the window in the foreground and waits until it is there. Refused,
// it says so and ends the tests: a story never goes on with another in front.
void bring_to_front(HWND window);
// The highest visible top-level window at a point of the screen, clicked through or not.
HWND top_window_at(POINT point);
// Every wait below lasts QVUTT_WAIT_FACTOR times as long (1 unless set):
// under an emulator the program does everything that much more slowly.
DWORD stretched(DWORD milliseconds);
// False, saying so, where the waits are stretched: for a check that measures
// time, or one that would take an emulator too long.
bool not_emulated(const char* check_and_why);
// False, saying so, on Windows itself: for a check of what only Wine gives.
bool under_wine(const char* check_and_why);
void pump_messages_for(DWORD milliseconds);
// Waits, pumping messages, until condition holds; false if it never did.
template <typename Condition>
bool eventually(Condition condition, DWORD milliseconds = 5000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > stretched(milliseconds)) return false;
    pump_messages_for(20);
  }
  return true;
}

}  // namespace qvutt::e2e
