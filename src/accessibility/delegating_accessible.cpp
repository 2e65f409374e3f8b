#include "accessibility/delegating_accessible.h"

namespace qvutt {

DelegatingAccessible::~DelegatingAccessible() {
  if (standard_ != nullptr) standard_->Release();
}

LRESULT DelegatingAccessible::answer(HWND window, WPARAM wparam) {
  if (window != window_) {
    runtime_ = accessibility_runtime();
    void* standard = nullptr;
    if (runtime_ == nullptr || FAILED(runtime_->create_standard_object(
                                   window, OBJID_CLIENT, __uuidof(IAccessible), &standard))) {
      return 0;
    }
    if (standard_ != nullptr) standard_->Release();
    standard_ = static_cast<IAccessible*>(standard);
    window_ = window;
  }
  return runtime_->lresult_from_object(__uuidof(IAccessible), wparam,
                                       static_cast<IAccessible*>(this));
}

void DelegatingAccessible::disconnect() {
  window_ = nullptr;
}

STDMETHODIMP DelegatingAccessible::QueryInterface(REFIID interface_id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (interface_id == __uuidof(IUnknown) || interface_id == __uuidof(IDispatch) ||
      interface_id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) DelegatingAccessible::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) DelegatingAccessible::Release() {
  return static_cast<ULONG>(InterlockedDecrement(&references_));
}

STDMETHODIMP DelegatingAccessible::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

STDMETHODIMP DelegatingAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}

STDMETHODIMP DelegatingAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

STDMETHODIMP DelegatingAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                          EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

STDMETHODIMP DelegatingAccessible::get_accParent(IDispatch** parent) {
  return standard_->get_accParent(parent);
}

STDMETHODIMP DelegatingAccessible::get_accChildCount(long* count) {
  return standard_->get_accChildCount(count);
}

STDMETHODIMP DelegatingAccessible::get_accChild(VARIANT child, IDispatch** object) {
  return standard_->get_accChild(child, object);
}

STDMETHODIMP DelegatingAccessible::get_accName(VARIANT child, BSTR* name) {
  return standard_->get_accName(child, name);
}

STDMETHODIMP DelegatingAccessible::get_accValue(VARIANT child, BSTR* value) {
  return standard_->get_accValue(child, value);
}

STDMETHODIMP DelegatingAccessible::get_accDescription(VARIANT child, BSTR* description) {
  return standard_->get_accDescription(child, description);
}

STDMETHODIMP DelegatingAccessible::get_accRole(VARIANT child, VARIANT* role) {
  return standard_->get_accRole(child, role);
}

STDMETHODIMP DelegatingAccessible::get_accState(VARIANT child, VARIANT* state) {
  return standard_->get_accState(child, state);
}

STDMETHODIMP DelegatingAccessible::get_accHelp(VARIANT child, BSTR* help) {
  return standard_->get_accHelp(child, help);
}

STDMETHODIMP DelegatingAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  return standard_->get_accHelpTopic(file, child, topic);
}

STDMETHODIMP DelegatingAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return standard_->get_accKeyboardShortcut(child, shortcut);
}

STDMETHODIMP DelegatingAccessible::get_accFocus(VARIANT* focus) {
  return standard_->get_accFocus(focus);
}

STDMETHODIMP DelegatingAccessible::get_accSelection(VARIANT* selection) {
  return standard_->get_accSelection(selection);
}

STDMETHODIMP DelegatingAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  return standard_->get_accDefaultAction(child, action);
}

STDMETHODIMP DelegatingAccessible::accSelect(long flags, VARIANT child) {
  return standard_->accSelect(flags, child);
}

STDMETHODIMP DelegatingAccessible::accLocation(long* left, long* top, long* width, long* height,
                                               VARIANT child) {
  return standard_->accLocation(left, top, width, height, child);
}

STDMETHODIMP DelegatingAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  return standard_->accNavigate(direction, start, end);
}

STDMETHODIMP DelegatingAccessible::accHitTest(long left, long top, VARIANT* child) {
  return standard_->accHitTest(left, top, child);
}

STDMETHODIMP DelegatingAccessible::accDoDefaultAction(VARIANT child) {
  return standard_->accDoDefaultAction(child);
}

STDMETHODIMP DelegatingAccessible::put_accName(VARIANT, BSTR) {
  return E_NOTIMPL;
}

STDMETHODIMP DelegatingAccessible::put_accValue(VARIANT, BSTR) {
  return E_NOTIMPL;
}

}  // namespace qvutt
