// The parts of Active Accessibility the program calls: oleacc, and COM under
// it. They are loaded the first time a screen reader or another client asks
// for an object, so a run without one never pays for them at start-up; once
// loaded they stay for the run.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <oleacc.h>

namespace qvutt {

struct AccessibilityRuntime {
  decltype(&LresultFromObject) lresult_from_object;
  decltype(&CreateStdAccessibleObject) create_standard_object;
  decltype(&AccessibleObjectFromWindow) object_from_window;
  decltype(&SysAllocString) allocate_string;
};

// Loaded, with COM started on this thread, on the first call; null where the
// system lacks it.
const AccessibilityRuntime* accessibility_runtime();

}  // namespace qvutt
