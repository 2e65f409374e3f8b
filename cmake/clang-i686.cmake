# The 32-bit program built by clang, as cmake/mingw-i686.cmake builds it by GCC.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(qvutt_wine_arch x86)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-w64.cmake)
