// What the program's objects for screen readers share: COM's plumbing, and
// the system's own object for the same window, which answers whatever the
// program's object does not know itself. A window holds its objects for the
// whole of its life, so nothing is allocated for them: the reference count
// follows COM's rules but frees nothing.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <oleacc.h>

#include "accessibility/accessibility_runtime.h"

namespace qvutt {

class DelegatingAccessible : public IAccessible {
 public:
  DelegatingAccessible(const DelegatingAccessible&) = delete;
  DelegatingAccessible& operator=(const DelegatingAccessible&) = delete;

  // The answer to WM_GETOBJECT for window's client area (OBJID_CLIENT); 0,
  // for the system to answer, where it has no Active Accessibility. A window
  // made anew gets an object of the system's own: this one follows it.
  LRESULT answer(HWND window, WPARAM wparam);
  // The window has gone: clients that still hold the object are told so
  // (CO_E_OBJNOTCONNECTED) by what it answers itself, and by the system's
  // object, which knows its window has gone, for the rest.
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
  // IAccessible: the system's object's answers, as they are.
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
  // Nothing here takes a new name or value.
  STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

 protected:
  DelegatingAccessible() = default;
  ~DelegatingAccessible();

  HWND window_ = nullptr;            // null once disconnected
  IAccessible* standard_ = nullptr;  // the system's object for the window's client area
  const AccessibilityRuntime* runtime_ = nullptr;

 private:
  LONG references_ = 0;
};

}  // namespace qvutt
