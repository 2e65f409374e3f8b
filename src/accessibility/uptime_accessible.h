// The main window's client area as a screen reader meets it: named with the
// uptime in words, and its parts in the order the eye reads them: the logo
// (the way to the About window), the day count and the time of day, each
// display named with the column heads it stands under. It asks the window for
// the texts whenever it is asked, so it never tells a stale second; what it
// does not know itself, the system's own object for the client area answers.
// The main window holds it for the whole run, so the program allocates
// nothing for it: the reference count follows COM's rules but frees nothing.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <oleacc.h>

#include "accessibility/accessibility_runtime.h"

namespace qvutt {

class UptimeAccessible final : public IAccessible {
 public:
  // The parts, as child ids; the window raises change events for the displays.
  enum Part : LONG { kLogo = 1, kDayCount, kTime, kPartCount = kTime };

  UptimeAccessible() = default;
  ~UptimeAccessible();
  UptimeAccessible(const UptimeAccessible&) = delete;
  UptimeAccessible& operator=(const UptimeAccessible&) = delete;

  // The answer to WM_GETOBJECT for window's client area (OBJID_CLIENT); 0,
  // for the system to answer, where it has no Active Accessibility.
  LRESULT answer(HWND window, WPARAM wparam);
  // The window has gone: clients that still hold the object are told so.
  void disconnect();

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID interface_id, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IDispatch: not offered; clients use IAccessible's own methods.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override;
  // IAccessible
  STDMETHODIMP get_accParent(IDispatch** parent) override;
  STDMETHODIMP get_accChildCount(long* count) override;
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  STDMETHODIMP get_accFocus(VARIANT* focus) override;
  STDMETHODIMP get_accSelection(VARIANT* selection) override;
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
  STDMETHODIMP accSelect(long flags, VARIANT child) override;
  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                           VARIANT child) override;
  STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
  STDMETHODIMP accHitTest(long left, long top, VARIANT* child) override;
  STDMETHODIMP accDoDefaultAction(VARIANT child) override;
  STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

 private:
  // The control that shows a part; null for the client area itself or an unknown id.
  HWND control_of(const VARIANT& child) const;
  // Whether child is one of the displays, which are not objects of their own.
  bool is_display(const VARIANT& child) const;
  HRESULT words(const VARIANT& child, BSTR* name) const;

  LONG references_ = 0;
  HWND window_ = nullptr;
  IAccessible* standard_ = nullptr;  // the system's object for the client area
  const AccessibilityRuntime* runtime_ = nullptr;
};

}  // namespace qvutt
