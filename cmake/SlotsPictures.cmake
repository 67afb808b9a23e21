# Rendering artwork sources into pictures at build time with slots-assets.

# slots_render_picture(<outputs-var> SOURCE <svg> OUTPUT <file> SIZE <WxH> [FORMAT rgb|16|256|mono])
# Renders one picture and appends its file to <outputs-var>.
function(slots_render_picture outputs_var)
  cmake_parse_arguments(ARG "" "SOURCE;OUTPUT;SIZE;FORMAT" "" ${ARGN})
  if(NOT ARG_FORMAT)
    set(ARG_FORMAT rgb)
  endif()
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND slots-assets render ${ARG_SOURCE} ${ARG_OUTPUT} ${ARG_SIZE} ${ARG_FORMAT}
    DEPENDS slots-assets ${ARG_SOURCE}
    COMMENT "Rendering ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_render_logo(<outputs-var> SOURCE <svg> PICTURE <file> MASK <file> SIZE <WxH>)
# Renders a drawing with transparency into a picture and its AND mask.
function(slots_render_logo outputs_var)
  cmake_parse_arguments(ARG "" "SOURCE;PICTURE;MASK;SIZE" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_PICTURE} ${ARG_MASK}
    COMMAND slots-assets logo ${ARG_SOURCE} ${ARG_PICTURE} ${ARG_MASK} ${ARG_SIZE}
    DEPENDS slots-assets ${ARG_SOURCE}
    COMMENT "Rendering ${ARG_PICTURE} and its mask"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_PICTURE} ${ARG_MASK} PARENT_SCOPE)
endfunction()

# slots_render_motion(<outputs-var> SHEET <picture> OUTPUT <file> CELLS <n,n,...> [BLUR <pixels>])
# Smears cells of a symbol sheet into the motion picture of a spinning reel.
function(slots_render_motion outputs_var)
  cmake_parse_arguments(ARG "" "SHEET;OUTPUT;CELLS;BLUR" "" ${ARGN})
  if(NOT ARG_BLUR)
    set(ARG_BLUR 10)
  endif()
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND slots-assets motion ${ARG_SHEET} ${ARG_OUTPUT} 76 ${ARG_BLUR} ${ARG_CELLS}
    DEPENDS slots-assets ${ARG_SHEET}
    COMMENT "Rendering ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_add_picture_resources(<target> FOLDER <name> BASE <dir> FILES <files...>)
# Compiles rendered pictures into <target>'s resources under ":/pictures/<name>/".
function(slots_add_picture_resources target)
  cmake_parse_arguments(ARG "" "FOLDER;BASE" "FILES" ${ARGN})
  set_source_files_properties(${ARG_FILES} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} "${target}_pictures" PREFIX "/pictures/${ARG_FOLDER}" BASE ${ARG_BASE}
    FILES ${ARG_FILES})
endfunction()
