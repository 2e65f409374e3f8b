// What both windows are made of in the same way, at the window's own DPI: the
// controls laid out from a twip table, the fonts they are drawn in, the dark
// background, the window's icons, and where the window stands. All of it is
// made again when the window crosses to a monitor of another scale; the
// colours again when the system's change or high contrast comes or goes.
#pragma once

#include <windows.h>

#include <cstddef>

#include "appearance/colour_scheme.h"
#include "controls/controls.h"
#include "desktop/window_placement.h"
#include "settings/window_settings.h"
#include "win32/handles.h"

namespace qvutt {

class WindowFace {
 public:
  // Which controls of the table are drawn in the label font; the rest take
  // the system's.
  using LabelFontChoice = bool (*)(int control_id);

  // design_frame: the frame the stored sizes were measured on, in twips.
  template <std::size_t count>
  WindowFace(const ControlLayout (&controls)[count], double label_points,
             LabelFontChoice takes_label_font, const TwipSize& design_frame)
      : controls_(controls),
        control_count_(count),
        label_points_(label_points),
        takes_label_font_(takes_label_font),
        design_frame_(design_frame) {}

  // Before the window is made: its settings read, and the frame to make it
  // in, for a window of these styles.
  RECT place(SettingsStore& store, const WindowKeys& keys, DWORD style, DWORD extended_style);
  // The load sequence's common start, once the window is made: the controls
  // made where they stand at the scale of the monitor the settings place the
  // window on, and the window moved and sized there unless it stands there
  // already. Returns the settings place read.
  const WindowSettings& load(HWND window);
  // Where the window stands now, saved in twips under keys.
  void save_position(SettingsStore& store, const WindowKeys& keys) const;

  void erase_background(HDC dc) const;
  // The colours of the green-on-black labels, and of the column heads, for
  // WM_CTLCOLORSTATIC.
  LRESULT paint_display(HDC dc) const;
  LRESULT paint_head(HDC dc) const;
  // The colours again from the system's; the window repainted if they changed.
  void follow_system_colours();
  // Everything at the new DPI, the window in the rectangle the system
  // suggests, then one repaint; nothing for the DPI in force, or from inside
  // its own move.
  void change_dpi(int dots_per_inch, const RECT& suggested);
  // The outer size the window will take at a DPI it is about to cross to.
  SIZE size_at(int dots_per_inch) const;
  // The contents at percent of their design's size, the frame still the
  // monitor's: laid out again, the window grown or shrunk from its top left
  // corner (moved in just enough to stay whole on its monitor), repainted
  // once. Before load, only kept for it.
  void resize(int percent);
  int size_percent() const { return size_percent_; }
  // The scale the contents are drawn at: the monitor's, times their size.
  TwipScale contents_scale() const;
  // The window's icons, at its DPI, now and after every change of it. The
  // main window, a tool window, shows none in its caption: it takes them
  // after its first paint.
  void show_icons();

 private:
  void lay_out();
  HFONT font_of(const ControlLayout& layout) const;
  // Where the window is placed, with the client area at the contents' size.
  WindowPlacement sized() const;
  // The scheme's colours and brushes, the last ones released.
  void take_colours(const ColourScheme& colours);

  const ControlLayout* controls_;
  std::size_t control_count_;
  double label_points_;
  LabelFontChoice takes_label_font_;
  TwipSize design_frame_;

  HWND window_ = nullptr;
  TwipScale scale_{USER_DEFAULT_SCREEN_DPI};
  ControlFonts fonts_;
  ColourScheme colours_{};
  BrushHandle background_;
  BrushHandle display_background_;
  BrushHandle head_background_;
  WindowSettings settings_{};
  WindowPlacement placed_{};  // the client area at the design's size
  int size_percent_ = kDesignSize;
  bool changing_dpi_ = false;
  bool icons_shown_ = false;
};

}  // namespace qvutt
