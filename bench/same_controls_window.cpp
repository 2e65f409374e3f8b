// The yardstick that separates what the design costs at start-up from what
// QV-UTT adds to it: a tool window with the main window's eight controls
// where its twips put them at 96 dpi (the two displays and four heads as
// STATIC, the logo as an owner-drawn STATIC, the check box as a BUTTON),
// drawn in the label font and the message font, green on black, with QV-UTT's
// manifest and common controls. No registry, icons, hooks, accessibility or
// second thread: whatever QV-UTT takes longer than this is its own. Its
// marked copy keeps the end of each phase, as QV-UTT's does.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "win32/startup_marks.h"

using qvutt::mark_startup;

namespace {

HBRUSH black = nullptr;

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 255, 0));
      SetBkColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(black);
    case WM_DRAWITEM:
      FillRect(reinterpret_cast<DRAWITEMSTRUCT*>(lparam)->hDC,
               &reinterpret_cast<DRAWITEMSTRUCT*>(lparam)->rcItem, black);
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

struct Control {
  const wchar_t* window_class;
  const wchar_t* text;
  DWORD style;
  DWORD extended_style;
  int left, top, width, height;  // pixels at 96 dpi: the main window's twips / 15
  bool label_font;
};

constexpr Control kControls[] = {
    {L"STATIC", L"0", SS_CENTER | WS_BORDER, 0, 40, 16, 65, 33, true},
    {L"STATIC", L"00:00:00", SS_CENTER | WS_BORDER, 0, 112, 16, 113, 33, true},
    {L"STATIC", L"About QV-UTT", SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP, WS_EX_CLIENTEDGE, 8, 16, 28,
     28, false},
    {L"STATIC", L"Days", SS_LEFT | WS_CLIPSIBLINGS, 0, 64, 0, 25, 17, false},
    {L"STATIC", L"Hours", SS_LEFT | WS_CLIPSIBLINGS, 0, 120, 0, 33, 17, false},
    {L"STATIC", L"Mins", SS_LEFT | WS_CLIPSIBLINGS, 0, 160, 0, 25, 17, false},
    {L"STATIC", L"Secs", SS_LEFT | WS_CLIPSIBLINGS, 0, 192, 0, 25, 17, false},
    {L"BUTTON", L"Always On Top", BS_3STATE, 0, 24, 128, 97, 17, false},
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  mark_startup("entry");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = L"SAME_CONTROLS_WINDOW";
  RegisterClassW(&window_class);
  mark_startup("class registered");
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD extended_style = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
  RECT frame{0, 0, 232, 54};
  AdjustWindowRectEx(&frame, style, FALSE, extended_style);
  const HWND window = CreateWindowExW(
      extended_style, L"SAME_CONTROLS_WINDOW", L"Same controls", style, 67, 67,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  mark_startup("window created");
  LOGFONTW message_font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof message_font, &message_font);
  const HFONT fonts[] = {
      CreateFontIndirectW(&message_font),
      CreateFontW(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial")};
  for (const Control& control : kControls) {
    const HWND made =
        CreateWindowExW(control.extended_style, control.window_class, control.text,
                        WS_CHILD | WS_VISIBLE | control.style, control.left, control.top,
                        control.width, control.height, window, nullptr, instance, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[control.label_font]), FALSE);
  }
  mark_startup("controls, fonts");
  ShowWindow(window, SW_SHOW);
  mark_startup("shown", true);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  for (const HFONT font : fonts) DeleteObject(font);
  return 0;
}
