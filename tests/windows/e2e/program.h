// The real QV-UTT program, started and driven from outside as the system and
// the user would: window messages, timer messages and the registry. Each
// instance runs a copy named after the test, so every test has a settings
// section of its own, cleared before and after.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qvutt::e2e {

class Program {
 public:
  explicit Program(const std::wstring& name);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The settings section, in the registry.
  void store(const wchar_t* key, const std::wstring& text);
  void store_number(const wchar_t* key, DWORD number);  // a REG_DWORD, not text
  std::optional<std::wstring> stored(const wchar_t* key) const;
  std::vector<std::wstring> stored_keys() const;

  // Starts the program and waits for its main window to show.
  void start();
  // Closes the main window as its close box would, and waits for the end.
  void close();
  bool running() const;
  DWORD exit_code() const;

  HWND main_window() const { return main_window_; }
  HANDLE process() const { return process_.hProcess; }
  // Double-clicks the logo and waits for the About window; null if none comes.
  HWND open_about() const;
  // Clicks its OK button and waits for it to go; false if it stays.
  bool press_about_ok(HWND about) const;
  HWND about_window() const;
  // Waits a few seconds for the About window to go; false if it stays.
  bool about_window_gone() const;

  // Ticks of the uptime timer, as the system sends them; returns once the
  // display has taken them all in.
  void uptime_ticks(long count);
  // Whether the display shows the ticks sent since the start, plus no more
  // real ones than the timer can have added meanwhile.
  bool shows_sent_ticks() const;

 private:
  std::wstring name_;
  std::wstring executable_;
  std::wstring section_;
  PROCESS_INFORMATION process_{};
  HWND main_window_ = nullptr;
  long ticks_sent_ = 0;
  DWORD started_at_ = 0;
};

// Small things tests do and say of windows.
void double_click(HWND window, int id);
void click(HWND window, int id);
std::wstring text_of(HWND control);
std::wstring text_of(HWND window, int id);
RECT frame_of(HWND window);
bool is_topmost(HWND window);
UINT check_state(HWND window, int id);
// The focused window of the thread that owns window.
HWND focus_of(HWND window);
// Pumps this thread's messages for a while.
void pump_messages_for(DWORD milliseconds);
// Waits, pumping messages, until condition holds; false if it never did.
template <typename Condition>
bool eventually(Condition condition, DWORD milliseconds = 5000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > milliseconds) return false;
    pump_messages_for(20);
  }
  return true;
}

// The display for a count of seconds, as hh:mm:ss.
std::wstring clock_text(long seconds);

}  // namespace qvutt::e2e
