# Windows-only build rules: IDL through widl, resources through windres,
# DLLs with .def exports.
#
#   morvex_idl(<target> <file.idl>)
#       Compiles the IDL into <name>.h, <name>_i.c and <name>.tlb in the
#       target's binary directory, adds the _i.c to the target and makes its
#       resources depend on the type library (so "1 TYPELIB" embeds the
#       fresh one).
#
# IDL imports (oaidl.idl, ocidl.idl) come from libwine-dev; importlib of
# stdole2.tlb is resolved against Wine's own copy for the target.

enable_language(RC)

set(MORVEX_IDL_INCLUDE /usr/include/wine/wine/windows)
if(MORVEX_WIN_ARCH STREQUAL "i686")
  set(MORVEX_IDL_LIBPATH /usr/lib/i386-linux-gnu/wine/i386-windows)
  set(MORVEX_WIDL_ARCH --win32)
else()
  set(MORVEX_IDL_LIBPATH /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
  set(MORVEX_WIDL_ARCH --win64)
endif()

function(morvex_idl target idl)
  get_filename_component(name ${idl} NAME_WE)
  get_filename_component(idl_abs ${idl} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(
    OUTPUT ${out}/${name}.h ${out}/${name}_i.c ${out}/${name}.tlb
    COMMAND ${MORVEX_WIDL} ${MORVEX_WIDL_ARCH} -I${MORVEX_IDL_INCLUDE} -L${MORVEX_IDL_LIBPATH}
            -h -H ${out}/${name}.h -u -U ${out}/${name}_i.c -t -T ${out}/${name}.tlb
            ${idl_abs}
    DEPENDS ${idl_abs}
    COMMENT "widl ${name}.idl"
    VERBATIM)
  target_sources(${target} PRIVATE ${out}/${name}.h ${out}/${name}_i.c)
  target_include_directories(${target} PRIVATE ${out})
  # The generated identifiers file is C; keep our warning flags off it.
  set_source_files_properties(${out}/${name}_i.c PROPERTIES COMPILE_OPTIONS "-Wno-error")
  get_target_property(srcs ${target} SOURCES)
  foreach(src IN LISTS srcs)
    if(src MATCHES "\\.rc$")
      set_property(SOURCE ${src} APPEND PROPERTY OBJECT_DEPENDS ${out}/${name}.tlb)
    endif()
  endforeach()
endfunction()

# Windows programs of this tree run under Wine, in a prefix of the tree's
# own. One CTest fixture opens the Wine session (prefix, display, persistent
# wineserver) before the first Wine test and closes it after the last.
set(MORVEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(MORVEX_WINE_RUN ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${MORVEX_WINE_RUN};--prefix;${MORVEX_WINEPREFIX})

add_test(NAME wine_session_start COMMAND ${MORVEX_WINE_RUN} --prefix ${MORVEX_WINEPREFIX} --session-start)
add_test(NAME wine_session_stop COMMAND ${MORVEX_WINE_RUN} --prefix ${MORVEX_WINEPREFIX} --session-stop)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 180)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session TIMEOUT 60)

# morvex_com_server(<target> IDL <file.idl> DEF <file.def> SOURCES <files...>
#                   [RGS <scripts...>] [LIBS <targets...>])
#   A COM server DLL linked with the framework (morvex_com): the sources
#   (the .rc among them embeds "1 TYPELIB" and the REGISTRY scripts), the
#   IDL through widl, the framework's four exports (com/ServerExports.h: one
#   of the sources defines com::ThisServer), undecorated from the .def; the
#   .rc is rebuilt when a script in RGS changes. For the tests it adds the
#   fixture <target>_registered: regsvr32 registers the DLL in the test
#   prefix before the tests that require it and unregisters it after them,
#   each step failing on a non-zero exit code. A test requires it with
#     set_property(TEST <test> APPEND PROPERTY FIXTURES_REQUIRED <target>_registered)
function(morvex_com_server target)
  cmake_parse_arguments(S "" "IDL;DEF" "SOURCES;RGS;LIBS" ${ARGN})
  add_library(${target} SHARED ${S_SOURCES} ${CMAKE_SOURCE_DIR}/com/ServerExports.cpp ${S_DEF})
  set_target_properties(${target} PROPERTIES PREFIX "")
  target_link_libraries(${target} PRIVATE morvex_options morvex_com ${S_LIBS})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  morvex_idl(${target} ${S_IDL})
  foreach(src IN LISTS S_SOURCES)
    if(src MATCHES "\\.rc$")
      foreach(rgs IN LISTS S_RGS)
        get_filename_component(rgs_abs ${rgs} ABSOLUTE)
        set_property(SOURCE ${src} APPEND PROPERTY OBJECT_DEPENDS ${rgs_abs})
      endforeach()
    endif()
  endforeach()

  foreach(step register unregister)
    set(flags /s)
    if(step STREQUAL "unregister")
      set(flags /u /s)
    endif()
    add_test(NAME ${target}_${step}
      COMMAND ${MORVEX_WINE_RUN} --prefix ${MORVEX_WINEPREFIX} regsvr32 ${flags}
              $<TARGET_FILE_NAME:${target}>
      WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>)
    set_tests_properties(${target}_${step} PROPERTIES TIMEOUT ${MORVEX_WINE_TEST_TIMEOUT}
      LABELS wine FIXTURES_REQUIRED wine_session)
  endforeach()
  set_tests_properties(${target}_register PROPERTIES FIXTURES_SETUP ${target}_registered)
  set_tests_properties(${target}_unregister PROPERTIES FIXTURES_CLEANUP ${target}_registered)
endfunction()

# morvex_client_of(<target> <server> <idl name>)
#   The target calls the interfaces of the COM server target: the server's
#   widl header on its include path (and its users', for a library whose
#   headers name the interfaces) and its identifiers compiled in.
function(morvex_client_of target server name)
  get_target_property(dir ${server} BINARY_DIR)
  target_sources(${target} PRIVATE ${dir}/${name}_i.c)
  set_source_files_properties(${dir}/${name}_i.c TARGET_DIRECTORY ${target} PROPERTIES
    GENERATED TRUE COMPILE_OPTIONS "-Wno-error")
  target_include_directories(${target} PUBLIC ${dir})
  add_dependencies(${target} ${server})
endfunction()
