#include "controls/focusable_label.h"

// after windows.h, which it needs
#include <commctrl.h>

namespace qvutt {

namespace {

bool is_activation_key(WPARAM key) {
  return key == VK_RETURN || key == VK_SPACE;
}

// Tells a focusable label that the user works with the keyboard; any other
// control ignores it. The label keeps that in its subclass's reference data.
constexpr UINT kKeysSeen = WM_APP + 1;

void draw_focus_cue(HWND label, bool keys_seen) {
  if (GetFocus() != label || !keys_seen ||
      (SendMessageW(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    return;
  }
  RECT inside{};
  GetClientRect(label, &inside);
  const HDC dc = GetDC(label);
  DrawFocusRect(dc, &inside);
  ReleaseDC(label, dc);
}

LRESULT CALLBACK label_procedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                 DWORD_PTR keys_seen) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter comes to the label, not to the window's own key handling.
      const auto* key = reinterpret_cast<const MSG*>(lparam);
      if (key != nullptr && key->message == WM_KEYDOWN && is_activation_key(key->wParam)) {
        return DLGC_WANTMESSAGE;
      }
      break;
    }
    case WM_KEYDOWN:
      show_keyboard_cues(label);
      if (!is_activation_key(wparam)) break;
      SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_DBLCLK),
                   reinterpret_cast<LPARAM>(label));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(label, nullptr, TRUE);
      break;
    case WM_PAINT: {
      const LRESULT painted = DefSubclassProc(label, message, wparam, lparam);
      draw_focus_cue(label, keys_seen != 0);
      return painted;
    }
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) != OBJID_CLIENT) break;
      if (const LRESULT answer = SendMessageW(GetParent(label), kLabelObjectRequest, wparam,
                                              reinterpret_cast<LPARAM>(label))) {
        return answer;
      }
      break;
    case kKeysSeen:
      SetWindowSubclass(label, label_procedure, 0, 1);
      InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(label, label_procedure, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(label, message, wparam, lparam);
}

BOOL CALLBACK tell_keys_seen(HWND control, LPARAM) {
  SendMessageW(control, kKeysSeen, 0, 0);
  return TRUE;
}

}  // namespace

void make_focusable_label(HWND parent, int id) {
  SetWindowSubclass(GetDlgItem(parent, id), label_procedure, 0, 0);
}

void show_keyboard_cues(HWND window) {
  const HWND root = GetAncestor(window, GA_ROOT);
  SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  EnumChildWindows(root, tell_keys_seen, 0);
}

}  // namespace qvutt
