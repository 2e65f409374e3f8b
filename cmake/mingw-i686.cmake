# 32-bit Windows from Linux with MinGW-w64: the primary build, for every
# Windows. SSE2 so doubles are computed in 64 bits, never in the x87's 80.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(qvutt_wine_arch x86)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
