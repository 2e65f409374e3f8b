#include "windows/window_face.h"

#include <utility>

#include "desktop/dpi.h"
#include "desktop/resource_icons.h"
#include "resource_ids.h"
#include "win32/startup_marks.h"

namespace qvutt {

namespace {

// The system's small and large icon sizes, 16 and 32 pixels at 96 dpi.
constexpr int kSmallIconTwips = 240;
constexpr int kBigIconTwips = 480;

bool high_contrast_on() {
  HIGHCONTRASTW high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
         (high_contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

ColourScheme current_colour_scheme() {
  const SystemColours system{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT),
                             GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
  return colour_scheme(high_contrast_on(), system);
}

}  // namespace

RECT WindowFace::place(SettingsStore& store, const WindowKeys& keys, DWORD style,
                       DWORD extended_style) {
  settings_ = load_window_settings(store, keys);
  placed_ = placement_of(settings_.rect, design_frame_);
  return creation_frame(sized(), style, extended_style);
}

const WindowSettings& WindowFace::load(HWND window) {
  window_ = window;
  // Made where its settings put it, the window has the scale of the monitor
  // it stands on: everything is made once, at that scale.
  scale_ = window_scale(window);
  take_colours(current_colour_scheme());
  const PixelRect frame = fit_on_monitor(window, sized(), scale_);
  const TwipScale contents = contents_scale();
  fonts_ = create_control_fonts(label_points_, contents);
  for (const ControlLayout* layout = controls_; layout != controls_ + control_count_; ++layout) {
    create_control(window, *layout, contents, font_of(*layout));
  }
  mark_startup("controls, fonts");
  move_to_fit(window, sized(), frame, scale_);
  mark_startup("placement");
  return settings_;
}

void WindowFace::save_position(SettingsStore& store, const WindowKeys& keys) const {
  const TwipPosition position = current_position(window_, placed_);
  qvutt::save_position(store, keys, position.left, position.top);
}

void WindowFace::erase_background(HDC dc) const {
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, background_.get());
}

LRESULT WindowFace::paint_display(HDC dc) const {
  SetTextColor(dc, colours_.display_text);
  SetBkColor(dc, colours_.display_background);
  return reinterpret_cast<LRESULT>(display_background_.get());
}

LRESULT WindowFace::paint_head(HDC dc) const {
  SetTextColor(dc, colours_.head_text);
  SetBkColor(dc, colours_.head_background);
  return reinterpret_cast<LRESULT>(head_background_.get());
}

void WindowFace::follow_system_colours() {
  // WM_SETTINGCHANGE comes for every setting: most change no colour.
  const ColourScheme now = current_colour_scheme();
  if (now == colours_) return;
  take_colours(now);
  RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void WindowFace::change_dpi(int dots_per_inch, const RECT& suggested) {
  // One the window's own placing move set off finds it laid out already. One
  // from inside the move that takes another is refused: where each scale's
  // size stands mostly on the other's monitor, taking it would loop.
  if (dots_per_inch == scale_.dots_per_inch() || changing_dpi_) return;
  changing_dpi_ = true;
  scale_ = TwipScale(dots_per_inch);
  lay_out();
  const WindowPlacement moved = take_suggested_rect(window_, sized(), suggested, scale_);
  placed_.left = moved.left;
  placed_.top = moved.top;
  changing_dpi_ = false;
  RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

SIZE WindowFace::size_at(int dots_per_inch) const {
  return outer_size_at(window_, sized(), dots_per_inch);
}

void WindowFace::resize(int percent) {
  size_percent_ = percent;
  if (window_ == nullptr) return;
  lay_out();
  resize_on_monitor(window_, sized(), scale_);
  RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

TwipScale WindowFace::contents_scale() const {
  return TwipScale(scale_.dots_per_inch() * size_percent_ / kDesignSize);
}

void WindowFace::lay_out() {
  // What was made for the last scale goes once nothing uses it any more.
  const TwipScale contents = contents_scale();
  const ControlFonts last_fonts =
      std::exchange(fonts_, create_control_fonts(label_points_, contents));
  for (const ControlLayout* layout = controls_; layout != controls_ + control_count_; ++layout) {
    lay_out_control(window_, *layout, contents, font_of(*layout));
  }
  if (icons_shown_) show_icons();
}

void WindowFace::show_icons() {
  icons_shown_ = true;
  for (const auto& [which, twips] :
       {std::pair{ICON_SMALL, kSmallIconTwips}, {ICON_BIG, kBigIconTwips}}) {
    const HICON icon = resource_icon(IDI_APP, scale_.pixels(twips));
    SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}

HFONT WindowFace::font_of(const ControlLayout& layout) const {
  return takes_label_font_(layout.id) ? fonts_.labels.get() : fonts_.system.get();
}

WindowPlacement WindowFace::sized() const {
  const float factor = static_cast<float>(size_percent_) / kDesignSize;
  return {
      placed_.left, placed_.top, {placed_.client.width * factor, placed_.client.height * factor}};
}

void WindowFace::take_colours(const ColourScheme& colours) {
  colours_ = colours;
  background_.reset(CreateSolidBrush(colours_.background));
  display_background_.reset(CreateSolidBrush(colours_.display_background));
  head_background_.reset(CreateSolidBrush(colours_.head_background));
}

}  // namespace qvutt
