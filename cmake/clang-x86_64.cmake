# The 64-bit program built by clang, as cmake/mingw-x86_64.cmake builds it by GCC.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(qvutt_wine_arch x64)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-w64.cmake)
