// The main window's client area as a screen reader meets it: named with the
// uptime in words, and its parts in the order the eye reads them: the logo
// (the way to the About window), the day count and the time of day, each
// display named with the column heads it stands under. It asks the window for
// the texts whenever it is asked, so it never tells a stale second; what it
// does not know itself, the system's own object for the client area answers.
#pragma once

#include "accessibility/delegating_accessible.h"

namespace qvutt {

class UptimeAccessible final : public DelegatingAccessible {
 public:
  // The parts, as child ids; the window raises change events for the displays.
  enum Part : LONG { kLogo = 1, kDayCount, kTime, kPartCount = kTime };

  // IAccessible: the parts; the rest as the system's object for the client area says.
  STDMETHODIMP get_accChildCount(long* count) override;
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
  STDMETHODIMP accSelect(long flags, VARIANT child) override;
  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                           VARIANT child) override;
  STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
  STDMETHODIMP accHitTest(long left, long top, VARIANT* child) override;
  STDMETHODIMP accDoDefaultAction(VARIANT child) override;

 private:
  // The control that shows a part; null for the client area itself or an unknown id.
  HWND control_of(const VARIANT& child) const;
  // Whether child is one of the displays, which are not objects of their own.
  bool is_display(const VARIANT& child) const;
  HRESULT words(const VARIANT& child, BSTR* name) const;
};

}  // namespace qvutt
