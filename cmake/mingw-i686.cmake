# 32-bit Windows from Linux with MinGW-w64: the primary build, for every
# Windows (its floating-point model: CMakeLists.txt, for every 32-bit route).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(qvutt_wine_arch x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
