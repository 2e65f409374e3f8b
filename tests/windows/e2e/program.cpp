#include "e2e/program.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <mutex>
#include <set>
#include <vector>

#include "controls/control_ids.h"
#include "e2e/dpi_change_hook.h"

namespace qvutt::e2e {

// By Wine's own export, which Windows' ntdll lacks.
static const bool is_wine =
    GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;

Program::Program(const std::wstring& name, bool beside_decoy)
    : section_(L"Software\\QV_UTT\\" + name) {
  // The program beside the tests, or another build's: QVUTT_PROGRAM_FOLDER, ending in "\\".
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QVUTT_PROGRAM_FOLDER", path, MAX_PATH))
    GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring folder(path, std::wcsrchr(path, L'\\') + 1);
  executable_ = folder + (beside_decoy ? L"decoy\\" : L"") + name + L".exe";
  // The decoy's folder, made for every copy: it costs a file, and a copy
  // there alone ever meets the decoy.
  CreateDirectoryW((folder + L"decoy").c_str(), nullptr);
  CopyFileW((folder + L"decoy_oleacc.dll").c_str(), (folder + L"decoy\\oleacc.dll").c_str(), FALSE);
  CopyFileW((folder + L"QV-UTT-V1.exe").c_str(), executable_.c_str(), FALSE);
  forget_settings();
}

Program::~Program() {
  kill();
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  forget_settings();
}

void Program::forget_settings() const {
  RegDeleteTreeW(HKEY_CURRENT_USER, section_.c_str());
  const std::wstring name = section_.substr(section_.rfind(L'\\') + 1);
  for (const wchar_t* key : {kRunKey, kApprovedKey})
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name.c_str());
}

void Program::store(const wchar_t* key, const std::wstring& text) {
  RegSetKeyValueW(HKEY_CURRENT_USER, section_.c_str(), key, REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

Settings values_in(const std::wstring& key) {
  Settings values;
  HKEY opened = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened);
  static wchar_t name[16384];  // the longest a value's name can be
  wchar_t text[4096];
  DWORD type = 0;
  for (DWORD i = 0, length = 16384, bytes = sizeof text;
       RegEnumValueW(opened, i, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(text),
                     &bytes) == ERROR_SUCCESS;
       ++i, length = 16384, bytes = sizeof text) {
    values[name] = type == REG_SZ       ? std::wstring(text, wcsnlen(text, bytes / 2))
                   : type == REG_BINARY ? L"(binary " + std::to_wstring(text[0] & 0xFF) + L")"
                                        : L"?";
  }
  RegCloseKey(opened);
  return values;
}

void Program::start(bool shown) {
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + executable_ + L"\"";
  CreateProcessW(executable_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                 &startup, &process_);
  // Ended with the test, however the test ends: killed for its time limit too.
  static const HANDLE ends_with_the_test = [] {
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
  }();
  AssignProcessToJobObject(ends_with_the_test, process_.hProcess);
  AllowSetForegroundWindow(process_.dwProcessId);  // its About window comes to the front
  ticks_sent_ = 0;
  started_at_ = GetTickCount();
  eventually(
      [&] {
        main_window_ = FindWindowW(kMainWindowClass, nullptr);
        return (shown ? IsWindowVisible(main_window_) : main_window_ != nullptr) ||
               exit_code() != STILL_ACTIVE;
      },
      15000);
}

void Program::close() {
  PostMessageW(main_window_, WM_CLOSE, 0, 0);
  WaitForSingleObject(process_.hProcess, stretched(10000));
}

void Program::kill() {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, stretched(10000));
}

DWORD Program::exit_code() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND Program::about_window(bool shown) const {
  const auto about = [] { return FindWindowW(kAboutWindowClass, nullptr); };
  eventually([&] { return (IsWindowVisible(about()) != FALSE) == shown; });
  return IsWindowVisible(about()) ? about() : nullptr;
}

bool Program::uptime_ticks(long count) {
  const auto shows_sent_ticks = [&] {
    const long real_ticks_at_most = static_cast<long>((GetTickCount() - started_at_) / 1000) + 1;
    long h = 0, m = 0, s = 0;
    return swscanf(text_of(main_window_, main_window::kUptimeLabel).c_str(), L"%ld:%ld:%ld", &h, &m,
                   &s) == 3 &&
           (h * 3600 + m * 60 + s - ticks_sent_ % 86400 + 86400) % 86400 <= real_ticks_at_most;
  };
  // Posted in batches, far quicker than a round trip a tick; each batch is
  // done once the display shows it (5,000 take about 2 s), and the queue
  // never holds more than one. A batch not shown ends it: a fault costs
  // seconds, not a batch's wait for every batch of a day.
  for (long batch = 0; count > 0; count -= batch) {
    batch = std::min(count, 5000L);
    for (long i = 0; i < batch; ++i)
      PostMessageW(main_window_, WM_TIMER, main_window::kUptimeTimer, 0);
    ticks_sent_ += batch;
    if (!eventually(shows_sent_ticks, 15000)) return false;
  }
  return true;
}

void Program::change_dpi(HWND window, int dots_per_inch, POINT at) const {
  // Sent by the program's own thread, from a hook of the tests' own that the
  // system loads into it, with the rectangle in the program's own memory.
  // Writing a rectangle into the program from here is no way: under Wine,
  // every view or allocation made in another process runs there as a system
  // APC, on whatever its thread was doing, in the middle of its C library's
  // malloc too, and corrupts its heap.
  static const HMODULE library = [] {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wcscpy(std::wcsrchr(path, L'\\') + 1, L"dpi_change_hook.dll");
    return LoadLibraryW(path);
  }();
  const auto hook_address = reinterpret_cast<HOOKPROC (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "dpi_change_hook")));
  const HHOOK hook = hook_address ? SetWindowsHookExW(WH_CALLWNDPROC, hook_address(), library,
                                                      GetWindowThreadProcessId(window, nullptr))
                                  : nullptr;
  SendMessageTimeoutW(window, RegisterWindowMessageW(kDpiChangeRequest),
                      static_cast<WPARAM>(dots_per_inch), MAKELPARAM(at.x, at.y), SMTO_BLOCK,
                      stretched(10000), nullptr);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
}

OtherProgramWindow::OtherProgramWindow(DWORD hang_milliseconds, const wchar_t* window_class)
    : hang_milliseconds_(hang_milliseconds),
      window_class_(window_class),
      shown_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, run, this, 0, &thread_id_)) {
  WaitForSingleObject(shown_, stretched(5000));
}

OtherProgramWindow::~OtherProgramWindow() {
  PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, stretched(10000));
  CloseHandle(thread_);
  CloseHandle(shown_);
}

void disable_as_task_manager_does(const wchar_t* name) {
  BYTE record[12] = {7, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, name, REG_BINARY, record, sizeof record);
}

HWND focus_in(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::mutex shell_calls_guard;
std::vector<ShellCall> shell_calls_made;
std::vector<BOOL> shell_answers_left;  // the next one last

void shell_answers(std::initializer_list<BOOL> answers) {
  const std::lock_guard<std::mutex> lock(shell_calls_guard);
  shell_answers_left.assign(std::rbegin(answers), std::rend(answers));
}

std::vector<ShellCall> shell_calls() {
  const std::lock_guard<std::mutex> lock(shell_calls_guard);
  return shell_calls_made;
}

LRESULT CALLBACK answer_as_shell(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_COPYDATA) return DefWindowProcW(window, message, wparam, lparam);
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lparam);
  ShellCall call{
      static_cast<DWORD>(data.dwData), {}, {static_cast<char*>(data.lpData), data.cbData}};
  std::memcpy(call.fields, data.lpData, std::min<DWORD>(sizeof call.fields, data.cbData));
  const std::lock_guard<std::mutex> lock(shell_calls_guard);
  shell_calls_made.push_back(call);
  if (shell_answers_left.empty()) return TRUE;
  const BOOL answer = shell_answers_left.back();
  shell_answers_left.pop_back();
  return answer;
}

DWORD WINAPI OtherProgramWindow::run(void* self) {
  auto& it = *static_cast<OtherProgramWindow*>(self);
  const WNDCLASSW window_class{0,       answer_as_shell, 0,       0,       nullptr,
                               nullptr, nullptr,         nullptr, nullptr, it.window_class_};
  RegisterClassW(&window_class);  // once a class: later calls fail, harmlessly
  it.window = CreateWindowExW(WS_EX_TOPMOST, it.window_class_, L"Other program",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, 300, 120, nullptr,
                              nullptr, nullptr, nullptr);
  it.text_field = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 260, 24,
                                  it.window, nullptr, nullptr, nullptr);
  bring_to_front(it.window);
  SetFocus(it.text_field);
  pump_messages_for(100);
  SetEvent(it.shown_);
  Sleep(it.hang_milliseconds_);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(it.window);
  return 0;
}

void double_click(HWND window, int id) {
  PostMessageW(GetDlgItem(window, id), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
}

void icon_event(HWND main, WORD event) {
  PostMessageW(main, main_window::kNotificationIconMessage, MAKEWPARAM(900, 740),
               MAKELPARAM(event, main_window::kNotificationIconId));
}

void type(WORD key, std::initializer_list<WORD> held) {
  const auto send = [](std::vector<INPUT>& strokes) {
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
  };
  std::vector<INPUT> downs, ups;
  const auto stroke = [](std::vector<INPUT>& into, WORD virtual_key, DWORD flags) {
    into.push_back({INPUT_KEYBOARD, {}});
    into.back().ki = {virtual_key, 0, flags, 0, 0};
  };
  for (const WORD down : held) stroke(downs, down, 0);
  stroke(downs, key, 0);
  stroke(ups, key, KEYEVENTF_KEYUP);
  for (auto up = std::rbegin(held); up != std::rend(held); ++up) stroke(ups, *up, KEYEVENTF_KEYUP);
  // Wine's X11 driver, on the focus event that follows an activation, sets
  // the keys as the X server has them, and that never saw these. Landing
  // between the modifiers and the key, it sends the key alone; landing after
  // the key, it clears the key as well. So the modifiers are read first: one
  // found up while the key is still down was cleared before the key went,
  // and the chord is typed again.
  const auto arrived_alone = [&] {
    const auto down = [](WORD virtual_key) {
      return (GetAsyncKeyState(virtual_key) & 0x8000) != 0;
    };
    return !std::all_of(held.begin(), held.end(), down) && down(key);
  };
  for (int tries = 1;; ++tries) {
    send(downs);
    const bool alone = arrived_alone();
    send(ups);
    if (!alone || tries == 3) break;
    std::printf("the key came without its modifiers (Wine's focus sync): typed again\n");
    std::fflush(stdout);
    pump_messages_for(100);
  }
  pump_messages_for(200);
}

bool menu_shows() {
  return eventually([] { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != FALSE; });
}

std::size_t texts_shown(HWND window, int id, DWORD milliseconds) {
  std::set<std::wstring> shown;  // "" for a text not given in time
  for (const DWORD began = GetTickCount(); GetTickCount() - began < milliseconds;
       pump_messages_for(50))
    shown.insert(text_of(window, id, 300));
  return shown.count(L"") == 0 ? shown.size() : 0;
}

void choose_in_system_menu(HWND window, std::initializer_list<WORD> keys) {
  // Just after a start the window may not take the foreground at once: again, then.
  for (int tries = 0; tries < 3 && !IsWindowVisible(FindWindowW(L"#32768", nullptr)); ++tries) {
    bring_to_front(window);
    type(VK_SPACE, {VK_MENU});
    menu_shows();
  }
  for (const WORD key : keys) {
    menu_shows();
    type(key);
  }
}

void mouse(int x, int y, DWORD button) {
  INPUT input{INPUT_MOUSE, {}};
  input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  SendInput(1, &input, sizeof input);
  pump_messages_for(50);
}

void drag_by_caption(HWND window, int dx, int dy) {
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int x = frame.left + 40, y = (frame.top + client.y) / 2;
  mouse(x, y, 0);
  mouse(x, y, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) mouse(x + dx * step / 4, y + dy * step / 4, 0);
  mouse(x + dx, y + dy, MOUSEEVENTF_LEFTUP);
  pump_messages_for(300);
}

std::wstring text_of(HWND window, int id, DWORD answer_within) {
  wchar_t text[256] = {};
  SendMessageTimeoutW(id == 0 ? window : GetDlgItem(window, id), WM_GETTEXT, 256,
                      reinterpret_cast<LPARAM>(text), SMTO_BLOCK, stretched(answer_within),
                      nullptr);
  return text;
}

Placement placement_of(HWND window) {
  // Read per monitor, as the program places: Wine 10 scales what a
  // DPI-unaware thread reads by the system's DPI. Wine 8 has only the first
  // version of the per-monitor context.
  const DPI_AWARENESS_CONTEXT before =
      SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (before == nullptr) SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  RECT frame{}, client{};
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  if (before != nullptr) SetThreadDpiAwarenessContext(before);
  return {frame.left, frame.top, client.right, client.bottom};
}

bool in_foreground(HWND window) {
  return !under_wine("foreground: Windows' lock may refuse it") || GetForegroundWindow() == window;
}

bool is_topmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void bring_to_front(HWND window) {
  if (GetForegroundWindow() != window && !SetForegroundWindow(window)) {
    // Windows' foreground lock refuses a process that had no part in the
    // last input; sharing the input state of the thread in front lifts it.
    const DWORD ours = GetCurrentThreadId();
    const DWORD front = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    if (AttachThreadInput(ours, front, TRUE)) {
      SetForegroundWindow(window);
      AttachThreadInput(ours, front, FALSE);
    }
  }
  if (eventually([&] { return GetForegroundWindow() == window; })) return;
  std::printf("stopped: the foreground was refused to window %p\n", static_cast<void*>(window));
  std::fflush(stdout);
  ExitProcess(1);
}

HWND top_window_at(POINT point) {
  HWND window = GetTopWindow(nullptr);
  RECT frame{};
  while (window &&
         !(IsWindowVisible(window) && GetWindowRect(window, &frame) && PtInRect(&frame, point))) {
    window = GetWindow(window, GW_HWNDNEXT);
  }
  return window;
}

DWORD stretched(DWORD milliseconds) {
  const char* factor = std::getenv("QVUTT_WAIT_FACTOR");  // from 1 to 99; 1 when unset
  return milliseconds * static_cast<DWORD>(std::clamp(factor ? std::atoi(factor) : 1, 1, 99));
}

bool not_emulated(const char* check_and_why) {
  if (stretched(1) == 1) return true;
  std::printf("left out, the waits being stretched %lux: %s\n", stretched(1), check_and_why);
  return false;
}

bool under_wine(const char* check_and_why) {
  if (!is_wine) std::printf("left out on Windows: %s\n", check_and_why);
  return is_wine;
}

void pump_messages_for(DWORD milliseconds) {
  milliseconds = stretched(milliseconds);
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace qvutt::e2e
