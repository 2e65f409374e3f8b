#include "accessibility/label_button_accessible.h"

namespace qvutt {

namespace {

bool is_self(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

constexpr wchar_t kPressAction[] = L"Press";

}  // namespace

STDMETHODIMP LabelButtonAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (window_ == nullptr || !is_self(child)) return DelegatingAccessible::get_accRole(child, role);
  role->vt = VT_I4;
  role->lVal = ROLE_SYSTEM_PUSHBUTTON;
  return S_OK;
}

STDMETHODIMP LabelButtonAccessible::get_accState(VARIANT child, VARIANT* state) {
  const HRESULT result = DelegatingAccessible::get_accState(child, state);
  if (!is_self(child) || result != S_OK || state->vt != VT_I4) return result;
  // Not read-only text but a button that takes the focus.
  state->lVal = (state->lVal & ~STATE_SYSTEM_READONLY) | STATE_SYSTEM_FOCUSABLE |
                (GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0);
  return S_OK;
}

STDMETHODIMP LabelButtonAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (window_ == nullptr || !is_self(child))
    return DelegatingAccessible::get_accDefaultAction(child, action);
  *action = runtime_->allocate_string(kPressAction);
  return *action != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP LabelButtonAccessible::accDoDefaultAction(VARIANT child) {
  if (window_ == nullptr || !is_self(child)) return DelegatingAccessible::accDoDefaultAction(child);
  // What Enter on the label sends; posted, for the About window is modal and
  // the caller must not wait for it to close.
  PostMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), STN_DBLCLK),
               reinterpret_cast<LPARAM>(window_));
  return S_OK;
}

}  // namespace qvutt
