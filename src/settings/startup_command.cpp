#include "settings/startup_command.h"

#include <algorithm>

namespace qvutt {

namespace {

constexpr unsigned char kDisabledBit = 1;

wchar_t folded(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool same_path(std::wstring_view one, std::wstring_view other) {
  return one.size() == other.size() &&
         std::equal(one.begin(), one.end(), other.begin(),
                    [](wchar_t a, wchar_t b) { return folded(a) == folded(b); });
}

}  // namespace

bool command_names_program(std::wstring_view command, std::wstring_view program_path) {
  if (program_path.empty()) return false;
  if (!command.empty() && command.front() == L'"') {
    const auto closing = command.find(L'"', 1);
    return closing != std::wstring_view::npos &&
           same_path({command.data() + 1, closing - 1}, program_path);
  }
  // Bare, the path may itself hold spaces: it is all of the command or a
  // start that a space ends.
  // (No substr: its range check would bring the runtime's exceptions along.)
  if (command.size() < program_path.size()) return false;
  return same_path({command.data(), program_path.size()}, program_path) &&
         (command.size() == program_path.size() || command[program_path.size()] == L' ');
}

bool record_disables(const unsigned char* record, std::size_t size) {
  return size > 0 && (record[0] & kDisabledBit) != 0;
}

unsigned char enabling_choice(unsigned char first_byte) {
  return static_cast<unsigned char>(first_byte & ~kDisabledBit);
}

}  // namespace qvutt
