#include "controls/controls.h"

#include <cstdlib>

#include "desktop/dpi.h"

namespace qvutt {

namespace {

FontHandle create_font(const wchar_t* face, double points, int weight, const TwipScale& scale) {
  return FontHandle(CreateFontW(-scale.points(points), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
}

// The control's place in its parent's client area, in pixels at scale.
RECT control_rect(const ControlLayout& layout, const TwipScale& scale) {
  return {scale.pixels(layout.left), scale.pixels(layout.top),
          scale.pixels(layout.left + layout.width), scale.pixels(layout.top + layout.height)};
}

void set_font(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

bool register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

void create_control(HWND parent, const ControlLayout& layout, const TwipScale& scale, HFONT font) {
  const RECT place = control_rect(layout, scale);
  set_font(
      CreateWindowExW(layout.extended_style, layout.window_class, layout.text,
                      WS_CHILD | WS_VISIBLE | layout.style, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), nullptr, nullptr),
      font);
}

void lay_out_control(HWND parent, const ControlLayout& layout, const TwipScale& scale, HFONT font) {
  const HWND control = GetDlgItem(parent, layout.id);
  const RECT place = control_rect(layout, scale);
  SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  set_font(control, font);
}

ControlFonts create_control_fonts(double label_points, const TwipScale& scale) {
  LOGFONTW stock{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
  // A stock font keeps the size it was made for at the screen's scale,
  // whatever the window's: this one has its face and points at the window's.
  const double stock_points = screen_scale().points_of(std::abs(stock.lfHeight));
  return {create_font(L"Arial", label_points, FW_BOLD, scale),
          create_font(stock.lfFaceName, stock_points, stock.lfWeight, scale)};
}

ControlText control_text(HWND parent, int id) {
  wchar_t text[ControlText::capacity() + 1] = {};
  const int length = GetDlgItemTextW(parent, id, text, ControlText::capacity() + 1);
  ControlText ascii;
  for (int i = 0; i < length; ++i) ascii.push_back(static_cast<char>(text[i]));
  return ascii;
}

void set_control_text(HWND parent, int id, std::string_view text) {
  wchar_t wide[ControlText::capacity() + 1] = {};
  for (std::size_t i = 0; i < text.size() && i < ControlText::capacity(); ++i) {
    wide[i] = static_cast<wchar_t>(text[i]);
  }
  SetDlgItemTextW(parent, id, wide);
}

CheckBoxValue check_box_value(HWND parent, int id) {
  switch (IsDlgButtonChecked(parent, id)) {
    case BST_CHECKED:
      return kChecked;
    case BST_INDETERMINATE:
      return kGrayed;
    default:
      return kUnchecked;
  }
}

void set_check_box_value(HWND parent, int id, CheckBoxValue value) {
  const UINT state = value == kChecked  ? BST_CHECKED
                     : value == kGrayed ? BST_INDETERMINATE
                                        : BST_UNCHECKED;
  CheckDlgButton(parent, id, state);
}

void toggle_check_box(HWND parent, int id) {
  set_check_box_value(parent, id, check_box_value(parent, id) == kChecked ? kUnchecked : kChecked);
}

}  // namespace qvutt
