# What drives the real program from outside, for the stories and the
# benchmark alike: the program's driver, and the hook it loads into the
# program to change a window's DPI from the program's own thread, and a
# decoy of a system library for the program's folder.
set(QVUTT_HARNESS ${CMAKE_CURRENT_LIST_DIR})
add_library(dpi_change_hook SHARED ${QVUTT_HARNESS}/e2e/dpi_change_hook.cpp)
target_include_directories(dpi_change_hook PRIVATE ${QVUTT_HARNESS})
target_compile_definitions(dpi_change_hook PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
# Named as the driver loads it, beside itself.
set_target_properties(dpi_change_hook PROPERTIES PREFIX "")
# A file of oleacc's name for the folder of a copy of the program: loaded, it
# leaves a mark the stories see.
add_library(decoy_oleacc SHARED ${QVUTT_HARNESS}/e2e/decoy_oleacc.cpp)
target_include_directories(decoy_oleacc PRIVATE ${QVUTT_HARNESS})
target_compile_definitions(decoy_oleacc PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
set_target_properties(decoy_oleacc PROPERTIES PREFIX "")
