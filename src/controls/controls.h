// What both windows build their faces from: controls laid out in twips, the
// fonts and colours they are drawn in, and the texts and check marks they hold.
#pragma once

#include <windows.h>

#include <string_view>

#include "appearance/geometry.h"
#include "settings/setting_keys.h"
#include "text/fixed_text.h"
#include "win32/handles.h"

namespace qvutt {

// Where a control stands in its window's client area, in whole twips.
struct ControlLayout {
  int id;
  const wchar_t* window_class;
  const wchar_t* text;
  DWORD style;
  DWORD extended_style;
  int left;
  int top;
  int width;
  int height;
};

// The "Always On Top" check box both windows have, at left and top in twips;
// tab_stop is WS_TABSTOP where the keyboard may reach it.
constexpr ControlLayout always_on_top_check_box(int id, int left, int top, DWORD tab_stop) {
  return {id, L"BUTTON", L"Always On Top", BS_3STATE | tab_stop, 0, left, top, 1455, 255};
}

// A window class with an arrow cursor, no icons and no background brush:
// each window sets icons for its own DPI and paints its own background.
bool register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// A control as the table describes it, made at its twips at scale, in font.
void create_control(HWND parent, const ControlLayout& layout, const TwipScale& scale, HFONT font);
// Puts a control at its twips at scale, in font, without repainting it: the
// caller repaints the window once, when every control is in place.
void lay_out_control(HWND parent, const ControlLayout& layout, const TwipScale& scale, HFONT font);

// The two fonts a window's controls are drawn in, both made for one scale.
struct ControlFonts {
  FontHandle labels;  // "Arial" bold, for the green-on-black labels
  FontHandle system;  // the stock GUI font's face and size, for the rest
};
ControlFonts create_control_fonts(double label_points, const TwipScale& scale);

// Texts of the labels the program writes: short and ASCII.
using ControlText = FixedText<32>;
ControlText control_text(HWND parent, int id);
void set_control_text(HWND parent, int id, std::string_view text);

CheckBoxValue check_box_value(HWND parent, int id);
void set_check_box_value(HWND parent, int id, CheckBoxValue value);
// A click checks a box that is unchecked or grayed, and unchecks a checked one.
void toggle_check_box(HWND parent, int id);

}  // namespace qvutt
