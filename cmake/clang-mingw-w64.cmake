# What both clang toolchains share: Debian's own clang and lld, targeting the
# processor the including file names, against the MinGW-w64 headers and
# libraries that the GCC cross packages install. libstdc++ is the -posix GCC's
# (GoogleTest needs std::mutex), found where that GCC keeps its runtime, so
# the same file serves every Debian release and GCC version.
set(CMAKE_SYSTEM_NAME Windows)
set(mingw_triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

execute_process(
  COMMAND ${mingw_triplet}-g++-posix -print-libgcc-file-name
  OUTPUT_VARIABLE libgcc RESULT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT found EQUAL 0)
  message(FATAL_ERROR "${mingw_triplet}-g++-posix not found: clang borrows its C++ library")
endif()
get_filename_component(gcc_runtime ${libgcc} DIRECTORY)
set(cxx_headers ${gcc_runtime}/include/c++)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${mingw_triplet})
set(CMAKE_CXX_COMPILER_TARGET ${mingw_triplet})
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CXX_FLAGS_INIT
    "-nostdinc++ -isystem ${cxx_headers} -isystem ${cxx_headers}/${mingw_triplet} -isystem ${cxx_headers}/backward")
# libgcc_eh needs winpthread's symbols, which the -posix GCC's own driver
# adds; lld finds them wherever the archive stands on the line. The compile
# flags above come along to the link, where they mean nothing.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fuse-ld=lld -static -L${gcc_runtime} -lwinpthread -Wno-unused-command-line-argument")
set(CMAKE_SHARED_LINKER_FLAGS_INIT ${CMAKE_EXE_LINKER_FLAGS_INIT})

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${qvutt_wine_arch})
