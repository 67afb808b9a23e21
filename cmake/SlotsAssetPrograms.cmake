# slots_add_asset_program(<name> <sources...> LIBRARIES <libraries...>)
# A program the build runs to make the games' files (slots-assets, slots-music,
# <game>-sounds, <game>-docs), written to build/bin/. With SLOTS_ASSET_PROGRAMS_DIR set
# it is that folder's program of the same name instead, imported and not compiled, so
# that the build rules naming it work unchanged.
function(slots_add_asset_program name)
  cmake_parse_arguments(ARG "" "" "LIBRARIES" ${ARGN})
  if(SLOTS_ASSET_PROGRAMS_DIR)
    if(NOT EXISTS ${SLOTS_ASSET_PROGRAMS_DIR}/${name})
      message(FATAL_ERROR "SLOTS_ASSET_PROGRAMS_DIR holds no ${name}: build it there first "
        "(cmake --build <that build> --target ${name})")
    endif()
    add_executable(${name} IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${SLOTS_ASSET_PROGRAMS_DIR}/${name})
    return()
  endif()
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_property(GLOBAL APPEND PROPERTY SLOTS_ASSET_PROGRAMS ${name})
endfunction()

# slots_add_asset_programs_target(): the target asset-programs builds every program
# above, for another build to import (SLOTS_ASSET_PROGRAMS_DIR); call it after the last.
function(slots_add_asset_programs_target)
  get_property(programs GLOBAL PROPERTY SLOTS_ASSET_PROGRAMS)
  if(programs)
    add_custom_target(asset-programs DEPENDS ${programs})
  endif()
endfunction()
