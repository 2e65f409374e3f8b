#include "e2e/program.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "windows/control_ids.h"

namespace qvutt::e2e {

namespace {

HWND find_window(DWORD process_id, const wchar_t* window_class) {
  for (HWND window = FindWindowExW(nullptr, nullptr, window_class, nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, window_class, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

}  // namespace

Program::Program(const std::wstring& name) : section_(L"Software\\QV_UTT\\" + name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring folder(path, std::wcsrchr(path, L'\\') + 1);
  executable_ = folder + name + L".exe";
  if (executable_ != folder + L"QV-UTT-V1.exe") {
    CopyFileW((folder + L"QV-UTT-V1.exe").c_str(), executable_.c_str(), FALSE);
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, section_.c_str());
}

Program::~Program() {
  if (exit_code() == STILL_ACTIVE) TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  RegDeleteTreeW(HKEY_CURRENT_USER, section_.c_str());
}

void Program::store(const wchar_t* key, const std::wstring& text) {
  RegSetKeyValueW(HKEY_CURRENT_USER, section_.c_str(), key, REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void Program::store_number(const wchar_t* key, DWORD number) {
  RegSetKeyValueW(HKEY_CURRENT_USER, section_.c_str(), key, REG_DWORD, &number, sizeof number);
}

std::optional<std::wstring> Program::stored(const wchar_t* key) const {
  wchar_t text[256] = {};
  DWORD bytes = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, section_.c_str(), key, RRF_RT_REG_SZ, nullptr, text,
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return text;
}

DWORD Program::stored_count() const {
  HKEY section = nullptr;
  DWORD values = 0;
  RegOpenKeyExW(HKEY_CURRENT_USER, section_.c_str(), 0, KEY_READ, &section);
  RegQueryInfoKeyW(section, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(section);
  return values;
}

void Program::start() {
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + executable_ + L"\"";
  CreateProcessW(executable_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                 &startup, &process_);
  ticks_sent_ = 0;
  started_at_ = GetTickCount();
  eventually([&] {
    main_window_ = find_window(process_.dwProcessId, kMainWindowClass);
    return main_window_ != nullptr || exit_code() != STILL_ACTIVE;
  });
}

void Program::close() {
  PostMessageW(main_window_, WM_CLOSE, 0, 0);
  WaitForSingleObject(process_.hProcess, 10000);
}

DWORD Program::exit_code() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND Program::about_window() const {
  return find_window(process_.dwProcessId, kAboutWindowClass);
}

HWND Program::open_about() const {
  double_click(main_window_, main_window::kLogoPicture);
  HWND about = nullptr;
  eventually([&] { return (about = about_window()) != nullptr; });
  return about;
}

bool Program::about_window_gone() const {
  return eventually([&] { return about_window() == nullptr; });
}

void Program::uptime_ticks(long count) {
  // Posted in batches, far quicker than a round trip a tick; each batch is
  // done once the display shows it, and the queue never holds more than one.
  for (long batch = 0; count > 0; count -= batch) {
    batch = std::min(count, 5000L);
    for (long i = 0; i < batch; ++i) {
      PostMessageW(main_window_, WM_TIMER, main_window::kUptimeTimer, 0);
    }
    ticks_sent_ += batch;
    eventually([&] { return shows_sent_ticks(); }, 60000);
  }
}

bool Program::shows_sent_ticks() const {
  const long real_ticks_at_most = static_cast<long>((GetTickCount() - started_at_) / 1000) + 1;
  const std::wstring shown = text_of(main_window_, main_window::kUptimeLabel);
  for (long ticks = ticks_sent_; ticks <= ticks_sent_ + real_ticks_at_most; ++ticks) {
    wchar_t expected[16];
    const long seconds = ticks % 86400;
    swprintf(expected, 16, L"%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    if (shown == expected) return true;
  }
  return false;
}

void Program::change_dpi(HWND window, int dots_per_inch, const Placement& suggested) const {
  const RECT rect{suggested[0], suggested[1], suggested[0] + suggested[2],
                  suggested[1] + suggested[3]};
  void* remote =
      VirtualAllocEx(process_.hProcess, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(process_.hProcess, remote, &rect, sizeof rect, nullptr);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dots_per_inch, dots_per_inch),
               reinterpret_cast<LPARAM>(remote));
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
}

OtherProgramWindow::OtherProgramWindow()
    : window(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"Other program",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, 300, 120, nullptr, nullptr,
                             nullptr, nullptr)),
      text_field(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 260, 24, window,
                                 nullptr, nullptr, nullptr)) {
  SetForegroundWindow(window);
  SetFocus(text_field);
  pump_messages_for(100);
}

void double_click(HWND window, int id) {
  PostMessageW(GetDlgItem(window, id), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
}

void click(HWND window, int id) {
  SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

void type_keys(std::initializer_list<WORD> held_together) {
  std::vector<INPUT> keys;
  for (const DWORD flags : {0UL, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
    for (const WORD key : held_together) {
      keys.push_back({INPUT_KEYBOARD, {}});
      keys.back().ki = {key, 0, flags, 0, 0};
    }
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  pump_messages_for(200);
}

std::wstring text_of(HWND window) {
  wchar_t text[256] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                      nullptr);
  return text;
}

std::wstring text_of(HWND window, int id) {
  return text_of(GetDlgItem(window, id));
}

Placement placement_of(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

bool is_topmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

UINT check_state(HWND window, int id) {
  return static_cast<UINT>(SendMessageW(GetDlgItem(window, id), BM_GETCHECK, 0, 0));
}

HWND focus_of(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void pump_messages_for(DWORD milliseconds) {
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
