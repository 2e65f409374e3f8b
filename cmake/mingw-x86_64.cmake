# 64-bit Windows from Linux with MinGW-w64: the native build for x64 Windows,
# the same code and flags as the 32-bit one (x64 computes doubles with SSE2
# anyway).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(qvutt_wine_arch x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
