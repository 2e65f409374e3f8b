// A test program that crashes says where, and ends at once: no debugger
// starts (under an emulator that alone takes most of a minute) and no crash
// dialog waits for a click that never comes, so the test fails within seconds
// with the place in its log.
#include <windows.h>

#include <cstdio>

namespace {

LONG WINAPI report_crash(EXCEPTION_POINTERS* crash) {
  const EXCEPTION_RECORD& what = *crash->ExceptionRecord;
  std::fprintf(stderr, "crash: exception 0x%08lX at address %p\n",
               static_cast<unsigned long>(what.ExceptionCode), what.ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), what.ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

// Before main, so that a crash while GoogleTest sets itself up is told too.
const LPTOP_LEVEL_EXCEPTION_FILTER kReplacedFilter = SetUnhandledExceptionFilter(report_crash);

}  // namespace
