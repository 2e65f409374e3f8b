#include "settings/section_name.h"

namespace qvutt {

std::wstring_view section_from_executable_path(std::wstring_view path) {
  const auto separator = path.find_last_of(L"\\/:");
  if (separator != std::wstring_view::npos) path.remove_prefix(separator + 1);
  const auto dot = path.rfind(L'.');
  if (dot != std::wstring_view::npos && dot != 0) path.remove_suffix(path.size() - dot);
  return path;
}

}  // namespace qvutt
