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
