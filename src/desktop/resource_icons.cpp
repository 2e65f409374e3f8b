#include "desktop/resource_icons.h"

#include <cstdlib>

#include "win32/handles.h"

namespace qvutt {

namespace {

struct LoadedIcon {
  int id;
  int size;
  IconHandle icon;
};

// Two windows, two icons each, at the scales of the monitors they visit:
// a handful of sizes in any real run.
constexpr int kMostSizes = 32;

LoadedIcon loaded[kMostSizes];
int loaded_count = 0;

}  // namespace

HICON resource_icon(int id, int size) {
  LoadedIcon* nearest = nullptr;
  for (LoadedIcon* icon = loaded; icon != loaded + loaded_count; ++icon) {
    if (icon->id != id) continue;
    if (icon->size == size) return icon->icon.get();
    if (nearest == nullptr || std::abs(icon->size - size) < std::abs(nearest->size - size)) {
      nearest = icon;
    }
  }
  // Past that many sizes, the nearest one loaded serves rather than memory growing.
  if (loaded_count == kMostSizes && nearest != nullptr) return nearest->icon.get();
  if (loaded_count == kMostSizes) return nullptr;
  LoadedIcon& icon = loaded[loaded_count++];
  icon.id = id;
  icon.size = size;
  icon.icon.reset(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
  return icon.icon.get();
}

}  // namespace qvutt
