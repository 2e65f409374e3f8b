#include "e2e/program.h"

#include <cstdio>
#include <stdexcept>

#include "windows/control_ids.h"

namespace qvutt::e2e {

namespace {

std::wstring directory_of_this_test() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path);
  return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

std::wstring temporary_directory() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  return path;
}

struct WindowSearch {
  DWORD process_id;
  const wchar_t* window_class;
  HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM lparam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lparam);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (process_id == search.process_id && lstrcmpW(name, search.window_class) == 0 &&
      IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

HWND find_window(DWORD process_id, const wchar_t* window_class) {
  WindowSearch search{process_id, window_class, nullptr};
  EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

Program::Program(const std::wstring& name)
    : name_(name),
      executable_(temporary_directory() + name + L".exe"),
      section_(L"Software\\QV_UTT\\" + name) {
  RegDeleteTreeW(HKEY_CURRENT_USER, section_.c_str());
  const std::wstring original = directory_of_this_test() + L"QV-UTT-V1.exe";
  if (!CopyFileW(original.c_str(), executable_.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy the program");
  }
}

Program::~Program() {
  if (running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  if (process_.hProcess != nullptr) {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  DeleteFileW(executable_.c_str());
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
  DWORD bytes = sizeof text - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, section_.c_str(), key, RRF_RT_REG_SZ, nullptr, text,
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text);
}

std::vector<std::wstring> Program::stored_keys() const {
  std::vector<std::wstring> keys;
  HKEY section = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, section_.c_str(), 0, KEY_READ, &section) != ERROR_SUCCESS) {
    return keys;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[256] = {};
    DWORD length = 256;
    if (RegEnumValueW(section, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    keys.emplace_back(name);
  }
  RegCloseKey(section);
  return keys;
}

void Program::start() {
  if (process_.hProcess != nullptr) {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + executable_ + L"\"";
  if (!CreateProcessW(executable_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    throw std::runtime_error("cannot start the program");
  }
  main_window_ = nullptr;
  ticks_sent_ = 0;
  started_at_ = GetTickCount();
  const bool shown = eventually([&] {
    main_window_ = find_window(process_.dwProcessId, kMainWindowClass);
    return main_window_ != nullptr || !running();
  });
  if (!shown || main_window_ == nullptr) throw std::runtime_error("the main window never showed");
}

void Program::close() {
  PostMessageW(main_window_, WM_CLOSE, 0, 0);
  WaitForSingleObject(process_.hProcess, 10000);
}

bool Program::running() const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Program::exit_code() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND Program::about_window() const {
  return find_window(process_.dwProcessId, kAboutWindowClass);
}

bool Program::about_window_gone() const {
  return eventually([&] { return about_window() == nullptr; });
}

HWND Program::open_about() const {
  double_click(main_window_, main_window::kLogoPicture);
  HWND about = nullptr;
  eventually([&] { return (about = about_window()) != nullptr; });
  return about;
}

bool Program::press_about_ok(HWND about) const {
  click(about, about_window::kOkButton);
  return about_window_gone();
}

void Program::uptime_ticks(long count) {
  // Posted in batches, far quicker than a round trip a tick; each batch is
  // done once the display shows it, and the queue never holds more than one.
  constexpr long kBatch = 5000;
  while (count > 0) {
    const long batch = count < kBatch ? count : kBatch;
    for (long i = 0; i < batch; ++i) {
      PostMessageW(main_window_, WM_TIMER, main_window::kUptimeTimer, 0);
    }
    ticks_sent_ += batch;
    count -= batch;
    eventually([&] { return shows_sent_ticks(); }, 60000);
  }
}

bool Program::shows_sent_ticks() const {
  const long real_ticks_at_most = static_cast<long>((GetTickCount() - started_at_) / 1000) + 1;
  const std::wstring shown = text_of(main_window_, main_window::kUptimeLabel);
  for (long extra = 0; extra <= real_ticks_at_most; ++extra) {
    if (shown == clock_text(ticks_sent_ + extra)) return true;
  }
  return false;
}

void double_click(HWND window, int id) {
  PostMessageW(GetDlgItem(window, id), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
}

void click(HWND window, int id) {
  SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

std::wstring text_of(HWND control) {
  wchar_t text[256] = {};
  SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                      nullptr);
  return text;
}

std::wstring text_of(HWND window, int id) {
  return text_of(GetDlgItem(window, id));
}

RECT frame_of(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return frame;
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

std::wstring clock_text(long seconds) {
  seconds %= 86400;
  wchar_t text[16];
  swprintf(text, 16, L"%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

}  // namespace qvutt::e2e
