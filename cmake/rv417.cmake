# Helpers shared by every folder of the tree.

# rv417_add_library(NAME name [EXCLUDE file ...] [LIBS ...])
# A static library of every .cpp in the calling folder but the excluded ones.
# Its code includes by path below src/, and the resource ids as "resource.h".
function(rv417_add_library)
  cmake_parse_arguments(L "" "NAME" "EXCLUDE;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded ${L_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${L_NAME} STATIC ${sources})
  target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/res)
  target_link_libraries(${L_NAME} PUBLIC ${L_LIBS})
endfunction()

set(RV417_TEST_ENV "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all")

# rv417_add_test(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable, run by ctest under Wine (the toolchain's
# emulator). Tests get RV417_BIN_DIR_W, the installation folder as Wine sees it.
function(rv417_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} rv417_test_support rv417_desktop_guard_environment
    GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    RV417_BIN_DIR_W=L"${RV417_BIN_DIR_WIN}")
  set_target_properties(${T_NAME} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 120 ENVIRONMENT "${RV417_TEST_ENV}")
endfunction()

# rv417_add_test_folder(PREFIX prefix LIBS ...)
# Every *_test.cpp of the calling folder becomes its own test executable,
# named prefix_<file name>.
function(rv417_add_test_folder)
  cmake_parse_arguments(F "" "PREFIX" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(source ${tests})
    get_filename_component(stem ${source} NAME_WE)
    rv417_add_test(NAME ${F_PREFIX}_${stem} SOURCES ${source} LIBS ${F_LIBS})
  endforeach()
endfunction()

# rv417_uses_desktop(test ...)
# Tests that show top-level windows, move focus, capture or activation
# between them, show menus or read pixels from the screen share one virtual
# display: they run one at a time, while the other tests go on in parallel
# beside them. The others run under a guard that fails a test showing or
# activating a top-level window (tests/support/desktop_guard.h).
function(rv417_uses_desktop)
  foreach(test ${ARGN})
    set_tests_properties(${test} PROPERTIES RESOURCE_LOCK desktop)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT RV417_TEST_USES_DESKTOP=1)
  endforeach()
endfunction()

# rv417_add_bench(NAME name SOURCES ... LIBS ...)
# A benchmark executable; built with the rest, run by scripts/bench under Wine.
function(rv417_add_bench)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS})
  target_link_options(${B_NAME} PRIVATE ${RV417_UNICODE_ENTRY_FLAGS})
  set_target_properties(${B_NAME} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# The command prefix that runs a freshly built Windows tool at build time.
set(RV417_WINE_RUN ${CMAKE_COMMAND} -E env
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all ${CMAKE_CROSSCOMPILING_EMULATOR})
