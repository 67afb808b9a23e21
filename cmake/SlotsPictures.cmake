# Rendering artwork sources into pictures at build time with slots-assets, which
# knows no game.

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

# The pictures every machine draws, NAME:SIZE, with the size the engine draws them at
# (engine/display/MachinePictures.h, engine/bonus/BonusPictures.h): the machine, the
# three buttons (upper half dimmed, lower half lit), the title strip and the coin sign
# unlit, the bonus game's board, no-prize and prize pictures. BonusMeter (the bonus
# meter's 13 cells of 78x59, 78x767, or whatever a game without the meter draws with
# it) and TitleGlassUnlit (the size of the game's title glass place) are the game's to
# size.
set(SLOTS_MACHINE_PICTURES
  MachineBackground:800x600 BonusMeter BetOneButton:78x118 BetFiveButton:78x118
  SpinButton:78x118 TitleGlassUnlit TitleStripUnlit:429x45 CoinSignUnlit:84x85
  BonusBoard:640x480 BonusNoPrize:640x480 BonusPrize:640x480)

# slots_parse_pictures(<out> <game> <art-folder> <Name> <svg> <WxH> [rgb|16|256|mono] ...)
# Reads slots_add_game's PICTURES into the lists <out>_NAMES, <out>_SOURCES (absolute,
# sources named relative to <art-folder>), <out>_SIZES and <out>_FORMATS. Stops the
# configuration, naming the picture, at an entry it cannot read, a source that does
# not exist, a picture every machine needs that is missing or has another size.
function(slots_parse_pictures out game art)
  set(names)
  set(sources)
  set(sizes)
  set(pictures_formats)
  set(formats rgb 16 256 mono)
  set(rest ${ARGN})
  list(LENGTH rest left)
  while(left GREATER 0)
    if(left LESS 3)
      message(FATAL_ERROR "slots_add_game(${game}): PICTURES ends in an incomplete entry: ${rest}")
    endif()
    list(POP_FRONT rest picture source size)
    if(NOT picture MATCHES "^[A-Za-z0-9_]+$")
      message(FATAL_ERROR "slots_add_game(${game}): '${picture}' is no picture name (letters, digits and _)")
    endif()
    if(NOT size MATCHES "^[0-9]+x[0-9]+$")
      message(FATAL_ERROR "slots_add_game(${game}): the picture ${picture} needs a size WIDTHxHEIGHT, not '${size}'")
    endif()
    set(format rgb)
    list(LENGTH rest left)
    if(left GREATER 0)
      list(GET rest 0 next)
      if(next IN_LIST formats)
        list(POP_FRONT rest format)
        list(LENGTH rest left)
      endif()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${art} NORMALIZE)
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "slots_add_game(${game}): the picture ${picture} has no source: ${source} is missing")
    endif()
    list(APPEND names ${picture})
    list(APPEND sources ${source})
    list(APPEND sizes ${size})
    list(APPEND pictures_formats ${format})
  endwhile()
  foreach(required IN LISTS SLOTS_MACHINE_PICTURES)
    string(REPLACE ":" ";" required "${required}")
    list(POP_FRONT required picture)
    list(FIND names ${picture} at)
    if(at EQUAL -1)
      message(FATAL_ERROR "slots_add_game(${game}): PICTURES lacks ${picture}, which every machine needs")
    endif()
    list(GET sizes ${at} size)
    if(required AND NOT size STREQUAL required)
      message(FATAL_ERROR "slots_add_game(${game}): the picture ${picture} is drawn at ${required}, not ${size}")
    endif()
  endforeach()
  set(${out}_NAMES ${names} PARENT_SCOPE)
  set(${out}_SOURCES ${sources} PARENT_SCOPE)
  set(${out}_SIZES ${sizes} PARENT_SCOPE)
  set(${out}_FORMATS ${pictures_formats} PARENT_SCOPE)
endfunction()
