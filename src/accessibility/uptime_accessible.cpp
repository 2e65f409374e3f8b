#include "accessibility/uptime_accessible.h"

#include "clock/uptime_words.h"
#include "controls/control_ids.h"
#include "controls/controls.h"

namespace qvutt {

namespace {

using namespace main_window;

// Which part a VARIANT names: its child id, or -1 for anything but a number.
LONG part_of(const VARIANT& child) {
  return child.vt == VT_I4 ? child.lVal : -1;
}

bool is_self(const VARIANT& child) {
  return part_of(child) == CHILDID_SELF;
}

void set_number(VARIANT* variant, LONG number) {
  variant->vt = VT_I4;
  variant->lVal = number;
}

// What a part has not, as IAccessible says it: nothing, and no error.
HRESULT nothing(BSTR* text) {
  *text = nullptr;
  return S_FALSE;
}

constexpr wchar_t kPressAction[] = L"Press";

}  // namespace

STDMETHODIMP UptimeAccessible::get_accChildCount(long* count) {
  *count = kPartCount;
  return window_ == nullptr ? CO_E_OBJNOTCONNECTED : S_OK;
}

STDMETHODIMP UptimeAccessible::get_accChild(VARIANT child, IDispatch** object) {
  *object = nullptr;
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (is_display(child)) return S_FALSE;  // parts of this object, not objects of their own
  if (part_of(child) != kLogo) return E_INVALIDARG;
  // The logo is a control that takes the focus: the object its own window
  // answers with, the one a screen reader meets there too.
  return runtime_->object_from_window(control_of(child), OBJID_CLIENT, __uuidof(IDispatch),
                                      reinterpret_cast<void**>(object));
}

STDMETHODIMP UptimeAccessible::get_accName(VARIANT child, BSTR* name) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return words(child, name);
}

STDMETHODIMP UptimeAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return is_self(child) ? standard_->get_accValue(child, value) : nothing(value);
}

STDMETHODIMP UptimeAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return is_self(child) ? standard_->get_accDescription(child, description) : nothing(description);
}

STDMETHODIMP UptimeAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (is_self(child)) return standard_->get_accRole(child, role);
  if (control_of(child) == nullptr) return E_INVALIDARG;
  set_number(role, part_of(child) == kLogo ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_STATICTEXT);
  return S_OK;
}

STDMETHODIMP UptimeAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (is_self(child)) return standard_->get_accState(child, state);
  const HWND control = control_of(child);
  if (control == nullptr) return E_INVALIDARG;
  if (part_of(child) != kLogo) {
    set_number(state, STATE_SYSTEM_READONLY);
  } else {
    set_number(state, STATE_SYSTEM_FOCUSABLE | (GetFocus() == control ? STATE_SYSTEM_FOCUSED : 0));
  }
  return S_OK;
}

STDMETHODIMP UptimeAccessible::get_accHelp(VARIANT child, BSTR* help) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return is_self(child) ? standard_->get_accHelp(child, help) : nothing(help);
}

STDMETHODIMP UptimeAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return is_self(child) ? standard_->get_accKeyboardShortcut(child, shortcut) : nothing(shortcut);
}

STDMETHODIMP UptimeAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (is_self(child)) return standard_->get_accDefaultAction(child, action);
  if (part_of(child) != kLogo) return nothing(action);
  *action = runtime_->allocate_string(kPressAction);
  return *action != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP UptimeAccessible::accSelect(long flags, VARIANT child) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return is_self(child) ? standard_->accSelect(flags, child) : E_NOTIMPL;
}

STDMETHODIMP UptimeAccessible::accLocation(long* left, long* top, long* width, long* height,
                                           VARIANT child) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (is_self(child)) return standard_->accLocation(left, top, width, height, child);
  const HWND control = control_of(child);
  RECT screen{};
  if (control == nullptr || !GetWindowRect(control, &screen)) return E_INVALIDARG;
  *left = screen.left;
  *top = screen.top;
  *width = screen.right - screen.left;
  *height = screen.bottom - screen.top;
  return S_OK;
}

STDMETHODIMP UptimeAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return is_self(start) ? standard_->accNavigate(direction, start, end) : E_NOTIMPL;
}

STDMETHODIMP UptimeAccessible::accHitTest(long left, long top, VARIANT* child) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  for (LONG part = kLogo; part <= kPartCount; ++part) {
    VARIANT candidate{};
    set_number(&candidate, part);
    RECT screen{};
    if (GetWindowRect(control_of(candidate), &screen) && PtInRect(&screen, {left, top})) {
      if (part != kLogo) {
        *child = candidate;
        return S_OK;
      }
      child->vt = VT_DISPATCH;
      return get_accChild(candidate, &child->pdispVal);
    }
  }
  return standard_->accHitTest(left, top, child);
}

STDMETHODIMP UptimeAccessible::accDoDefaultAction(VARIANT child) {
  if (window_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (part_of(child) != kLogo)
    return is_self(child) ? standard_->accDoDefaultAction(child) : E_NOTIMPL;
  // Posted: the About window is modal, and the caller must not wait for it to close.
  PostMessageW(window_, WM_COMMAND, MAKEWPARAM(kLogoPicture, STN_DBLCLK),
               reinterpret_cast<LPARAM>(control_of(child)));
  return S_OK;
}

HWND UptimeAccessible::control_of(const VARIANT& child) const {
  switch (part_of(child)) {
    case kLogo:
      return GetDlgItem(window_, kLogoPicture);
    case kDayCount:
      return GetDlgItem(window_, kDaysTotalLabel);
    case kTime:
      return GetDlgItem(window_, kUptimeLabel);
    default:
      return nullptr;
  }
}

bool UptimeAccessible::is_display(const VARIANT& child) const {
  return part_of(child) == kDayCount || part_of(child) == kTime;
}

HRESULT UptimeAccessible::words(const VARIANT& child, BSTR* name) const {
  const UptimeTexts shown{ClockText(control_text(window_, kUptimeLabel).view()),
                          DayCountText(control_text(window_, kDaysTotalLabel).view())};
  SpokenText spoken;
  switch (part_of(child)) {
    case CHILDID_SELF:
      spoken = uptime_in_words(shown);
      break;
    case kLogo:
      spoken = SpokenText(control_text(window_, kLogoPicture).view());
      break;
    case kDayCount:
      spoken = day_count_in_words(shown.days.view());
      break;
    case kTime:
      spoken = time_in_words(shown.time.view());
      break;
    default:
      return E_INVALIDARG;
  }
  wchar_t wide[SpokenText::capacity() + 1] = {};
  for (std::size_t i = 0; i < spoken.size(); ++i) wide[i] = static_cast<wchar_t>(spoken[i]);
  *name = runtime_->allocate_string(wide);
  return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace qvutt
