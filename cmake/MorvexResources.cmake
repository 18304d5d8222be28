# Resource builds of MorvexSolo and its interface-language libraries. Their
# scripts name files from the source root ("app/images/about.bmp"), which
# is on windres' include path.
#
#   morvex_program_resources(<target>)
#       Compiles app/MorvexSolo.rc into the target, rebuilt when a picture
#       or the shared interface list changes.
#   morvex_resource_library(<target> [<file.rc>...])
#       A resource-only DLL without code (no C runtime, entry point 0): the
#       program loads it with LoadLibraryA, and no DllMain runs in it.

set(MORVEX_INTERFACE_RESOURCES
  ${CMAKE_SOURCE_DIR}/app/Resources.h
  ${CMAKE_SOURCE_DIR}/app/InterfaceResources.rc2
  ${CMAKE_SOURCE_DIR}/app/images/about.bmp)

function(morvex_program_resources target)
  set(rc ${CMAKE_SOURCE_DIR}/app/MorvexSolo.rc)
  file(GLOB pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/images/*.ico
       ${CMAKE_SOURCE_DIR}/app/images/*.bmp)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${MORVEX_INTERFACE_RESOURCES} ${pictures})
endfunction()

function(morvex_resource_library target)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" LINKER_LANGUAGE C)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_options(${target} PRIVATE -nostdlib -Wl,--entry=0)
  foreach(rc IN LISTS ARGN)
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${MORVEX_INTERFACE_RESOURCES})
  endforeach()
endfunction()
