#include "accessibility/accessibility_runtime.h"

#include "desktop/system_library.h"

namespace qvutt {

namespace {

template <typename Function>
bool find(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  return function != nullptr;
}

bool load(AccessibilityRuntime& runtime) {
  const HMODULE oleacc = load_system_library(L"oleacc.dll");
  const HMODULE oleaut32 = load_system_library(L"oleaut32.dll");
  const HMODULE ole32 = load_system_library(L"ole32.dll");
  decltype(&CoInitializeEx) start_com = nullptr;
  if (oleacc == nullptr || oleaut32 == nullptr || ole32 == nullptr ||
      !find(oleacc, "LresultFromObject", runtime.lresult_from_object) ||
      !find(oleacc, "CreateStdAccessibleObject", runtime.create_standard_object) ||
      !find(oleacc, "AccessibleObjectFromWindow", runtime.object_from_window) ||
      !find(oleaut32, "SysAllocString", runtime.allocate_string) ||
      !find(ole32, "CoInitializeEx", start_com)) {
    return false;
  }
  // Objects handed to other processes are called through this thread's
  // message loop: a single-threaded apartment.
  const HRESULT started = start_com(nullptr, COINIT_APARTMENTTHREADED);
  return SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
}

// Tried once; the program has one thread.
AccessibilityRuntime runtime{};
enum class Loading { untried, loaded, failed } loading = Loading::untried;

}  // namespace

const AccessibilityRuntime* accessibility_runtime() {
  if (loading == Loading::untried) loading = load(runtime) ? Loading::loaded : Loading::failed;
  return loading == Loading::loaded ? &runtime : nullptr;
}

}  // namespace qvutt
