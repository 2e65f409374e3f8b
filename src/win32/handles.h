// Owners for the Win32 handles the program makes (fonts, brushes, icons,
// registry keys, event hooks, a thread and its event, menus): each is
// released exactly once, when its owner goes. Both the settings and the
// windows stand on it; it knows neither.
#pragma once

#include <windows.h>

#include <utility>

namespace qvutt {

template <typename Handle, typename Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Release{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct ReleaseGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ReleaseIcon {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ReleaseRegistryKey {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
struct ReleaseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ReleaseMenu {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct ReleaseWinEventHook {
  void operator()(HWINEVENTHOOK hook) const { UnhookWinEvent(hook); }
};

using FontHandle = UniqueHandle<HFONT, ReleaseGdiObject>;
using BrushHandle = UniqueHandle<HBRUSH, ReleaseGdiObject>;
using IconHandle = UniqueHandle<HICON, ReleaseIcon>;
using RegistryKey = UniqueHandle<HKEY, ReleaseRegistryKey>;
using WinEventHook = UniqueHandle<HWINEVENTHOOK, ReleaseWinEventHook>;
using KernelHandle = UniqueHandle<HANDLE, ReleaseKernelHandle>;
using MenuHandle = UniqueHandle<HMENU, ReleaseMenu>;

}  // namespace qvutt
