// Any program the user runs can write what this one reads back: its settings,
// the Run value and Task Manager's record beside it. libFuzzer feeds each
// input to every conversion those go through and checks what they promise: a
// value inside its range, and the default for what cannot be read. Its first
// inputs are tests/fuzz/seeds.txt.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/conversions.h"
#include "settings/see_through_settings.h"
#include "settings/startup_command.h"
#include "settings/window_settings.h"

using namespace qvutt;

static void promise(bool kept, const char* what) {
  if (kept) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();  // libFuzzer prints the input and saves it
}

// The text under every key, as the registry's store gives it: up to its
// first terminator, nothing when longer than a setting can be.
struct OneTextStore : SettingsStore {
  std::string_view text;
  std::optional<SettingText> get(std::string_view, std::string_view) override {
    if (text.size() > SettingText::capacity()) return std::nullopt;
    return SettingText(text);
  }
  void save(std::string_view, std::string_view) override {}
};

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  OneTextStore store;
  const std::string_view text = store.text = bytes.substr(0, bytes.find('\0'));
  const bool readable = text.size() <= SettingText::capacity();

  const auto number = single_from_text(text);
  const auto whole = int16_from_text(text);
  const WindowSettings settings = load_window_settings(store, kMainWindowKeys);
  promise(settings.rect.left == (readable && number ? *number : 1000.0f),
          "an edge as stored, else its default");
  const bool choice = readable && whole && *whole >= kUnchecked && *whole <= kGrayed;
  promise(settings.always_on_top == (choice ? *whole : kChecked), "a check box's three states");
  const int opacity = load_opacity(store);
  promise(opacity >= kLeastOpacity && opacity <= kOpaque, "an opacity from 40 to 100");
  promise(load_size(store) == (text == "150"   ? 150
                               : text == "200" ? 200
                               : text == "300" ? 300
                                               : kDesignSize),
          "a size offered, else 100");
  promise(
      load_click_through(store) == (text == "1") && load_above_full_screen(store) == (text == "1"),
      "a choice on for 1 alone");

  // Widened byte by byte, upper case folded for the comparison.
  std::wstring command(text.begin(), text.end()), folded = command;
  for (wchar_t& c : folded) c = c >= L'A' && c <= L'Z' ? c + 32 : c;
  // The path, in quotes and closed, or bare and ended or followed by a space.
  const std::wstring path = L"c:\\program files\\qv-utt\\qv-utt-v1.exe";
  const std::size_t quoted = !text.empty() && text[0] == '"', end = quoted + path.size();
  const bool names = folded.compare(quoted, path.size(), path) == 0 &&
                     (quoted ? folded.size() > end && folded[end] == L'"'
                             : folded.size() == end || folded[end] == L' ');
  promise(command_names_program(command, L"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe") == names,
          "a command names the program by its whole path alone");

  promise(!record_disables(data, 0), "an empty record disables nothing");
  const unsigned char enabled = enabling_choice(size > 0 ? data[0] : 0);
  promise(!record_disables(&enabled, 1) && (size == 0 || (enabled | 1) == (data[0] | 1)),
          "a record enabled again keeps its other bits");
  return 0;
}
