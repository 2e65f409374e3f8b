// A file of a system library's name, as the folder of a downloaded copy may
// hold one: loaded into a process, it leaves a mark that lasts as long as
// that process (program.h, kDecoyLoaded).
#include <windows.h>

#include "e2e/program.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
  // Held open, never closed: the mark goes only with the process.
  if (reason == DLL_PROCESS_ATTACH) CreateEventW(nullptr, TRUE, TRUE, qvutt::e2e::kDecoyLoaded);
  return TRUE;
}
