// A focusable label as a screen reader meets it on the label's own window: a
// push button, named by the label's text as ever, whose default action,
// "Press", does what Enter on it does. The system raises the focus event on
// that window, so this is the object a screen reader follows there.
#pragma once

#include "accessibility/delegating_accessible.h"

namespace qvutt {

class LabelButtonAccessible final : public DelegatingAccessible {
 public:
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
  STDMETHODIMP accDoDefaultAction(VARIANT child) override;
};

}  // namespace qvutt
