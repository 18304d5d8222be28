# Settings and helpers shared by both build trees.
#
#   morvex_options            interface target every project target links:
#                             warnings as errors, sanitizers, platform defines
#   morvex_test(name ...)     a GoogleTest program registered with CTest

add_library(morvex_options INTERFACE)
# (No -Wnon-virtual-dtor: COM interfaces have no virtual destructor by design.)
target_compile_options(morvex_options INTERFACE
  -Wall -Wextra -Werror $<$<COMPILE_LANG_AND_ID:CXX,GNU>:-Wconditionally-supported>)
# Repository-relative includes: #include "base/MCString.h".
target_include_directories(morvex_options INTERFACE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})

if(WIN32)
  # The same printf family on both sides, so formatting tests agree.
  target_compile_definitions(morvex_options INTERFACE
    __USE_MINGW_ANSI_STDIO=1 WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # No compiler or threading runtime DLL ships: every binary carries its own.
  target_link_options(morvex_options INTERFACE -static -static-libgcc -static-libstdc++)
else()
  # A shared library's calls to its own functions bind within it, as a
  # DLL's do, rather than through the symbol table: they are direct and may
  # be inlined.
  target_compile_options(morvex_options INTERFACE
    $<$<COMPILE_LANG_AND_ID:CXX,GNU>:-fno-semantic-interposition>)
  target_link_options(morvex_options INTERFACE -Wl,-Bsymbolic-functions)
endif()
if(NOT WIN32 AND MORVEX_SANITIZE)
  target_compile_options(morvex_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  target_link_options(morvex_options INTERFACE -fsanitize=address,undefined)
endif()

# Every Wine test may hang on a forgotten message box or a stuck registrar;
# this bounds each one.
set(MORVEX_WINE_TEST_TIMEOUT 60)

# morvex_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Natively each test case is its own CTest entry; under Wine the whole
# program is one entry, since every Wine process start costs time.
function(morvex_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE morvex_options ${T_LIBS} GTest::gtest_main)
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    # A program that dies under Wine may still end with exit code 0: the
    # run passes only when GoogleTest itself reported the end.
    set_tests_properties(${name} PROPERTIES TIMEOUT ${MORVEX_WINE_TEST_TIMEOUT}
      LABELS "wine;${T_LABELS}" FIXTURES_REQUIRED wine_session
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]" FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  else()
    gtest_discover_tests(${name} TEST_PREFIX "${name}." PROPERTIES TIMEOUT 120 LABELS "native;${T_LABELS}")
  endif()
endfunction()
