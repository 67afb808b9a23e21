# A game of the family: its folder games/<name>/ and one slots_add_game() call in
# games/CMakeLists.txt. The call builds the game's rules, pictures, program and every
# file the program reads beside it, and enters the game in the catalog that the
# tools, the snapshots and the tests loop over.
#
# slots_add_game(<name>
#   PREFIX <Prefix>                  first part of the symbol sheet, sound and music files
#                                    (the game's values read it, and PROGRAM, as the
#                                    macros SLOTS_GAME_PREFIX and SLOTS_GAME_PROGRAM)
#   SHEET_SIZE <WxH>                 the symbol sheet (four cells of 76 pixels a row)
#   MOTION_CELLS <n,n,...>           the sheet cells a spinning reel smears, top to bottom
#   [MOTION_BLUR <pixels>]           default 10
#   [PROGRAM <program-name>]         default <name>-slots; also the pictures' resource folder
#   [RULES <sources...>]             default: every .cpp in the game's folder but the entry
#   [MAIN <source>]                  the program entry, default main.cpp
#   [SHEET <svg>]                    default symbols.svg
#   [MOTION_PICTURE <name>]          default ReelMotion
#   [SOUNDS <name[:seconds]>...]     <Prefix><name>.wav each, and the longest it may last
#                                    (default 2 seconds); their recipes are in sound/
#   [MUSIC <scores...>]              default music/track0.score to music/track4.score,
#                                    composed into <Prefix>0.mid, <Prefix>1.mid, ...
#   [MANUAL <template.html>]         default manual/<program-name>.html; beside it
#                                    <program-name>.<language>.html, where there is
#                                    one, for each of SLOTS_DOCS_LANGUAGES
#   [ART <game>]                     draw with games/<game>/art/ instead of the game's own
#   PICTURES <Name> <svg> <WxH> [rgb|16|256|mono] ...
#                                    compiled into the program as
#                                    ":/pictures/<program-name>/<Name>.png"; among them
#                                    every one of SLOTS_MACHINE_PICTURES, at its size
#                                    (cmake/SlotsPictures.cmake)
# )
#
# Pictures and the sheet are named relative to the art folder (games/<name>/art/, or
# the ART game's), other files relative to games/<name>/. A source that is missing
# stops the configuration with the picture's name.
#
# Conventions the catalog and the game's asset programs rely on, all in namespace
# slotmachine::<name>:
#   <Name>Game.h                     the class <Name>Game, derived from Game
#   sound/*.cpp                      sound::GameSounds <name>Sounds()          (with SOUNDS)
#   paychart/*.cpp                   const paychart::ChartExtras& <name>ChartExtras()  (optional)
#   sim/*.cpp                        std::vector<SimStrategy> <name>Strategies() (optional)
#   snapshot/*.cpp                   std::vector<SnapshotScene> <name>Scenes()   (optional)
# Each of the last four is a library of its own that only the tools link. The game
# gets two programs of its own that make its files at build time: <name>-sounds
# (with SOUNDS: its recipes and the shared synthesis, no rules) and <name>-docs (its
# rules, pay chart panel and strategies: the pay chart and the manual with its
# Payback topic). Neither links another game or the catalog.
# For the desktop (cmake/SlotsInstall.cmake), in games/<name>/desktop/:
#   icon.svg                         the game's icon
#   about.txt                        its summary, keywords, releases and description
#   about.de.txt, about.es.txt       the same in German and Spanish, without releases
# The call installs the program with every file it reads, its launcher, desktop
# entry, metainfo, icons and manual pages.

include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/SlotsInstall.cmake)

# The value <key> that slots_add_game recorded for the game <name>.
function(slots_game_property out_var name key)
  get_property(value GLOBAL PROPERTY SLOTS_GAME_${name}_${key})
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

function(_slots_game_error name message)
  message(FATAL_ERROR "slots_add_game(${name}): ${message}")
endfunction()

# Renders the pictures slots_parse_pictures read into <parsed>_*; appends the files
# to <outputs-var>, and the bonus game's vector sources to <outputs-var>_vectors.
function(_slots_game_pictures outputs_var parsed out_dir)
  set(files ${${outputs_var}})
  set(vectors)
  foreach(picture source size format IN ZIP_LISTS
      ${parsed}_NAMES ${parsed}_SOURCES ${parsed}_SIZES ${parsed}_FORMATS)
    slots_render_picture(files SOURCE ${source} OUTPUT ${out_dir}/${picture}.png SIZE ${size} FORMAT ${format})
    # The bonus game's pictures go in as vector sources too, which large screens
    # render at their own size, and lettered in each translated language where the
    # game has that language's source beside the English one (bonus-board.de.svg
    # gives BonusBoard.de.png and BonusBoard.de.svg).
    if(picture MATCHES "^Bonus(Board|NoPrize|Prize)$")
      set_source_files_properties(${source} PROPERTIES QT_RESOURCE_ALIAS ${picture}.svg)
      list(APPEND vectors ${source})
      foreach(language IN LISTS SLOTS_DOCS_LANGUAGES)
        cmake_path(REPLACE_EXTENSION source LAST_ONLY .${language}.svg OUTPUT_VARIABLE language_source)
        if(EXISTS ${language_source})
          slots_render_picture(files SOURCE ${language_source} OUTPUT ${out_dir}/${picture}.${language}.png
            SIZE ${size} FORMAT ${format})
          set_source_files_properties(${language_source} PROPERTIES QT_RESOURCE_ALIAS ${picture}.${language}.svg)
          list(APPEND vectors ${language_source})
        endif()
      endforeach()
    endif()
  endforeach()
  set(${outputs_var} ${files} PARENT_SCOPE)
  set(${outputs_var}_vectors ${vectors} PARENT_SCOPE)
endfunction()

function(slots_add_game name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG ""
    "PROGRAM;PREFIX;ART;MAIN;SHEET;SHEET_SIZE;MOTION_CELLS;MOTION_BLUR;MOTION_PICTURE;MANUAL"
    "RULES;SOUNDS;MUSIC;PICTURES")
  if(ARG_UNPARSED_ARGUMENTS)
    _slots_game_error(${name} "unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  # The name is also a C++ namespace, a target prefix and a folder.
  if(NOT name MATCHES "^[a-z][a-z0-9]*$")
    _slots_game_error(${name} "a game's short name is lower-case letters and digits")
  endif()
  get_property(games GLOBAL PROPERTY SLOTS_GAMES)
  if(name IN_LIST games)
    _slots_game_error(${name} "the game is already in the catalog")
  endif()
  foreach(required IN ITEMS PREFIX SHEET_SIZE MOTION_CELLS PICTURES)
    if("${ARG_${required}}" STREQUAL "")
      _slots_game_error(${name} "${required} is required")
    endif()
  endforeach()

  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  if(NOT IS_DIRECTORY ${dir})
    _slots_game_error(${name} "there is no folder ${dir}")
  endif()
  # A game draws with its own art, or with another game's (ART <game>).
  if(NOT ARG_ART)
    set(ARG_ART ${name})
  endif()
  set(art ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_ART}/art)
  if(NOT IS_DIRECTORY ${art})
    _slots_game_error(${name} "there is no art folder ${art}")
  endif()
  string(SUBSTRING ${name} 0 1 initial)
  string(TOUPPER ${initial} initial)
  string(SUBSTRING ${name} 1 -1 tail)
  set(class ${initial}${tail}Game)
  if(NOT EXISTS ${dir}/${class}.h)
    _slots_game_error(${name} "the catalog expects the class ${name}::${class} in ${dir}/${class}.h")
  endif()

  if(NOT ARG_PROGRAM)
    set(ARG_PROGRAM ${name}-slots)
  endif()
  # Both go into file names, resource paths and a C++ string literal.
  if(NOT ARG_PREFIX MATCHES "^[A-Za-z][A-Za-z0-9]*$")
    _slots_game_error(${name} "PREFIX '${ARG_PREFIX}' is letters and digits, beginning with a letter")
  endif()
  if(NOT ARG_PROGRAM MATCHES "^[a-z][a-z0-9-]*$")
    _slots_game_error(${name} "PROGRAM '${ARG_PROGRAM}' is lower-case letters, digits and -")
  endif()
  if(NOT ARG_MAIN)
    set(ARG_MAIN main.cpp)
  endif()
  cmake_path(ABSOLUTE_PATH ARG_MAIN BASE_DIRECTORY ${dir})
  if(ARG_RULES)
    list(TRANSFORM ARG_RULES PREPEND ${dir}/ REGEX "^[^/]")
  else()
    file(GLOB ARG_RULES CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(REMOVE_ITEM ARG_RULES ${ARG_MAIN})
  endif()
  if(NOT ARG_SHEET)
    set(ARG_SHEET symbols.svg)
  endif()
  cmake_path(ABSOLUTE_PATH ARG_SHEET BASE_DIRECTORY ${art} NORMALIZE)
  if(NOT EXISTS ${ARG_SHEET})
    _slots_game_error(${name} "the symbol sheet has no source: ${ARG_SHEET} is missing")
  endif()
  slots_parse_pictures(parsed_pictures ${name} ${art} ${ARG_PICTURES})
  if(NOT ARG_MOTION_PICTURE)
    set(ARG_MOTION_PICTURE ReelMotion)
  endif()
  if("${ARG_MOTION_BLUR}" STREQUAL "")
    set(ARG_MOTION_BLUR 10)
  endif()
  if(NOT ARG_MUSIC)
    foreach(track RANGE 0 4)
      list(APPEND ARG_MUSIC music/track${track}.score)
    endforeach()
  endif()
  list(TRANSFORM ARG_MUSIC PREPEND ${dir}/ REGEX "^[^/]")
  if(NOT ARG_MANUAL)
    set(ARG_MANUAL manual/${ARG_PROGRAM}.html)
  endif()
  cmake_path(ABSOLUTE_PATH ARG_MANUAL BASE_DIRECTORY ${dir})

  # --- Rules, and the code only the tools run -----------------------------------
  add_library(${name}_rules STATIC ${ARG_RULES})
  target_link_libraries(${name}_rules PUBLIC slots_engine)
  # The game's values take its program name and file prefix from this call, the one
  # place they are written, so the program, its files and its resources always agree.
  target_compile_definitions(${name}_rules PRIVATE
    "SLOTS_GAME_PROGRAM=\"${ARG_PROGRAM}\"" "SLOTS_GAME_PREFIX=\"${ARG_PREFIX}\"")

  file(GLOB sound_sources CONFIGURE_DEPENDS ${dir}/sound/*.cpp)
  file(GLOB chart_sources CONFIGURE_DEPENDS ${dir}/paychart/*.cpp)
  file(GLOB strategy_sources CONFIGURE_DEPENDS ${dir}/sim/*.cpp)
  file(GLOB scene_sources CONFIGURE_DEPENDS ${dir}/snapshot/*.cpp)
  if(NOT "${ARG_SOUNDS}" STREQUAL "" AND NOT sound_sources)
    _slots_game_error(${name} "SOUNDS needs their recipes in ${dir}/sound/")
  elseif(sound_sources AND "${ARG_SOUNDS}" STREQUAL "")
    _slots_game_error(${name} "${dir}/sound/ holds recipes, but the call names no SOUNDS")
  endif()
  set(tool_parts)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${name}-tools)
  set(GAME ${name})
  set(CLASS ${class})
  set(DOCS_DECLARATIONS "")
  set(DOCS_STRATEGIES nullptr)
  set(DOCS_CHART_EXTRAS nullptr)
  if(sound_sources)
    add_library(${name}_sounds STATIC ${sound_sources})
    target_link_libraries(${name}_sounds PUBLIC slots_sound_effects)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/catalog/SoundsProgram.cpp.in ${generated}/SoundsProgram.cpp @ONLY)
    slots_add_asset_program(${name}-sounds ${generated}/SoundsProgram.cpp LIBRARIES ${name}_sounds)
    list(APPEND tool_parts SOUNDS)
  endif()
  set(docs_libraries ${name}_rules slots_game_docs)
  if(chart_sources)
    add_library(${name}_chart STATIC ${chart_sources})
    target_link_libraries(${name}_chart PUBLIC ${name}_rules slots_chart_style)
    list(APPEND docs_libraries ${name}_chart)
    string(APPEND DOCS_DECLARATIONS
      "namespace ${name} { const paychart::ChartExtras& ${name}ChartExtras(); }\n")
    set(DOCS_CHART_EXTRAS &${name}::${name}ChartExtras)
    list(APPEND tool_parts CHART)
  endif()
  if(strategy_sources)
    add_library(${name}_strategies STATIC ${strategy_sources})
    target_link_libraries(${name}_strategies PUBLIC ${name}_rules)
    list(APPEND docs_libraries ${name}_strategies)
    string(APPEND DOCS_DECLARATIONS "namespace ${name} { std::vector<SimStrategy> ${name}Strategies(); }\n")
    set(DOCS_STRATEGIES &${name}::${name}Strategies)
    list(APPEND tool_parts STRATEGIES)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/catalog/DocsProgram.cpp.in ${generated}/DocsProgram.cpp @ONLY)
  slots_add_asset_program(${name}-docs ${generated}/DocsProgram.cpp LIBRARIES ${docs_libraries})
  if(scene_sources)
    add_library(${name}_scenes STATIC ${scene_sources})
    target_link_libraries(${name}_scenes PUBLIC ${name}_rules)
    list(APPEND tool_parts SCENES)
  endif()

  # --- Every file the program reads beside it -----------------------------------
  set(out ${CMAKE_BINARY_DIR}/${name})
  set(pictures_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}-pictures)
  set(figures_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}-figures)
  file(MAKE_DIRECTORY ${out} ${pictures_dir} ${figures_dir})
  set(sheet ${out}/${ARG_PREFIX}.bmp)
  set(media)
  slots_render_picture(media SOURCE ${ARG_SHEET} OUTPUT ${sheet} SIZE ${ARG_SHEET_SIZE})
  add_custom_command(OUTPUT ${out}/publisher.html
    COMMAND ${CMAKE_COMMAND} -E copy ${SLOTS_PUBLISHER_PAGE_FILE} ${out}/publisher.html
    DEPENDS ${SLOTS_PUBLISHER_PAGE_FILE}
    VERBATIM)
  list(APPEND media ${out}/publisher.html)
  set(sound_names)
  set(sound_limits)
  foreach(sound IN LISTS ARG_SOUNDS)
    if(NOT sound MATCHES "^([A-Za-z0-9]+)(:([0-9]*\\.?[0-9]+))?$")
      _slots_game_error(${name} "'${sound}' is no sound (NAME or NAME:SECONDS)")
    endif()
    list(APPEND sound_names ${CMAKE_MATCH_1})
    if(CMAKE_MATCH_3)
      list(APPEND sound_limits ${CMAKE_MATCH_1}:${CMAKE_MATCH_3})
    else()
      list(APPEND sound_limits ${CMAKE_MATCH_1}:2.0)
    endif()
  endforeach()
  set(sound_files)
  # (A list of the one sound "0" reads as false in if(), hence the comparison.)
  if(NOT "${sound_names}" STREQUAL "")
    slots_make_sounds(sound_files PROGRAM ${name}-sounds PREFIX ${out}/${ARG_PREFIX} SOUNDS ${sound_names})
  endif()
  set(music_files)
  set(track 0)
  foreach(score IN LISTS ARG_MUSIC)
    slots_compose_music(music_files SCORE ${score} OUTPUT ${out}/${ARG_PREFIX}${track}.mid)
    math(EXPR track "${track} + 1")
  endforeach()
  # The pay chart and the manual, both made from the paytable, and the manual's
  # picture of a gamepad.
  # The large chart's symbols come from the sheet rendered three times larger, from its source.
  string(REGEX MATCH "^([0-9]+)x([0-9]+)$" sheet_size "${ARG_SHEET_SIZE}")
  math(EXPR large_sheet_width "${CMAKE_MATCH_1} * 3")
  math(EXPR large_sheet_height "${CMAKE_MATCH_2} * 3")
  set(large_sheet ${figures_dir}/${ARG_PREFIX}-large.png)
  slots_render_picture(large_sheet_files SOURCE ${ARG_SHEET} OUTPUT ${large_sheet}
    SIZE ${large_sheet_width}x${large_sheet_height})
  set(large_chart ${figures_dir}/Paychart-large.png)
  slots_draw_paychart(media PROGRAM ${name}-docs SHEET ${sheet} OUTPUT ${out}/Paychart.bmp
    LARGE_SHEET ${large_sheet} LARGE_OUTPUT ${large_chart})
  slots_draw_gamepad(media PROGRAM ${name}-docs OUTPUT ${out}/Gamepad.png)
  set(returns ${figures_dir}/payback.json)
  slots_write_manual(media PROGRAM ${name}-docs TEMPLATE ${ARG_MANUAL} OUTPUT ${out}/${ARG_PROGRAM}.html
    RETURNS ${returns})
  # The same in each translated language: Paychart-de.png, Gamepad-de.png and the
  # large chart always, and <program>.de.html once the game has that template beside
  # its English one. (The glob only watches the folder: a template added later
  # configures the build again.)
  cmake_path(GET ARG_MANUAL PARENT_PATH manual_dir)
  file(GLOB manual_templates CONFIGURE_DEPENDS ${manual_dir}/*.html)
  foreach(language IN LISTS SLOTS_DOCS_LANGUAGES)
    slots_draw_paychart(media PROGRAM ${name}-docs SHEET ${sheet} OUTPUT ${out}/Paychart-${language}.png
      LARGE_SHEET ${large_sheet} LARGE_OUTPUT ${figures_dir}/Paychart-large-${language}.png LANGUAGE ${language})
    slots_draw_gamepad(media PROGRAM ${name}-docs OUTPUT ${out}/Gamepad-${language}.png LANGUAGE ${language})
    cmake_path(REPLACE_EXTENSION ARG_MANUAL LAST_ONLY .${language}.html OUTPUT_VARIABLE language_manual)
    if(EXISTS ${language_manual})
      slots_write_manual(media PROGRAM ${name}-docs TEMPLATE ${language_manual}
        OUTPUT ${out}/${ARG_PROGRAM}.${language}.html LANGUAGE ${language})
    endif()
  endforeach()
  # Every file in one target, ${name}_media, made of one target per kind: each command
  # of a target waits for the tools of all its commands, and the sounds and the music
  # need neither the game's rules nor the engine.
  add_custom_target(${name}_docs_files DEPENDS ${media})
  add_custom_target(${name}_music_files DEPENDS ${music_files})
  add_custom_target(${name}_media ALL)
  add_dependencies(${name}_media ${name}_docs_files ${name}_music_files)
  if(sound_files)
    add_custom_target(${name}_sound_files DEPENDS ${sound_files})
    add_dependencies(${name}_media ${name}_sound_files)
  endif()
  list(APPEND media ${sound_files} ${music_files})

  # --- The machine's own pictures, compiled into the program --------------------
  set(pictures)
  _slots_game_pictures(pictures parsed_pictures ${pictures_dir})
  slots_render_motion(pictures SHEET ${sheet} OUTPUT ${pictures_dir}/${ARG_MOTION_PICTURE}.png
    CELLS ${ARG_MOTION_CELLS} BLUR ${ARG_MOTION_BLUR})
  add_library(${name}_pictures STATIC ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  target_link_libraries(${name}_pictures PUBLIC slots_shared_pictures)
  slots_add_picture_resources(${name}_pictures FOLDER ${ARG_PROGRAM} BASE ${pictures_dir} FILES ${pictures})
  if(pictures_vectors)
    qt_add_resources(${name}_pictures "${name}_bonus_art" PREFIX "/pictures/${ARG_PROGRAM}"
      FILES ${pictures_vectors})
  endif()

  # --- The program, in a folder of its own beside the files it reads ------------
  add_executable(${ARG_PROGRAM} ${ARG_MAIN})
  target_link_libraries(${ARG_PROGRAM} PRIVATE ${name}_rules ${name}_pictures slots_widgets)
  set_target_properties(${ARG_PROGRAM} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${out})
  slots_add_returns_resource(${ARG_PROGRAM} PROGRAM_NAME ${ARG_PROGRAM} FILE ${returns})
  slots_add_large_paychart_resource(${ARG_PROGRAM} PROGRAM_NAME ${ARG_PROGRAM} FILE ${large_chart})
  foreach(language IN LISTS SLOTS_DOCS_LANGUAGES)
    slots_add_large_paychart_resource(${ARG_PROGRAM} PROGRAM_NAME ${ARG_PROGRAM}
      FILE ${figures_dir}/Paychart-large-${language}.png LANGUAGE ${language})
  endforeach()
  add_dependencies(${ARG_PROGRAM} ${name}_media)
  list(LENGTH ARG_MUSIC tracks)
  slots_install_game(${name} PROGRAM ${ARG_PROGRAM} PREFIX ${ARG_PREFIX} TRACKS ${tracks} FILES ${media})

  # --- The catalog's record of the game -----------------------------------------
  set_property(GLOBAL APPEND PROPERTY SLOTS_GAMES ${name})
  set_property(GLOBAL APPEND PROPERTY SLOTS_GAME_LIBRARIES ${name}_rules ${name}_pictures)
  # The game's sound recipes and pay chart panel, for the tests of them.
  foreach(part IN ITEMS sounds chart)
    if(TARGET ${name}_${part})
      set_property(GLOBAL APPEND PROPERTY SLOTS_GAME_ASSET_LIBRARIES ${name}_${part})
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_PROGRAM ${ARG_PROGRAM})
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_PREFIX ${ARG_PREFIX})
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_DIR ${out})
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_CLASS ${class})
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_SOUND_LIMITS ${sound_limits})
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_MUSIC_TRACKS ${tracks})
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_TOOL_PARTS ${tool_parts})
endfunction()

# slots_add_game_catalog(): after the last slots_add_game() call, writes the table of
# every game for the tools that serve them all (slots-sim, slots-par, slots-snapshot)
# and the tests, and builds it into
#   slots_games        the Game factories, simulator strategies and snapshot scenes
#                      (games/Catalog.h)
# and lists the games with their programs in <build>/games.txt for scripts/play.
# No asset of a game is made with it: each game's own programs make those.
function(slots_add_game_catalog)
  get_property(games GLOBAL PROPERTY SLOTS_GAMES)
  set(GAME_INCLUDES "")
  set(GAME_DECLARATIONS "")
  set(GAME_ENTRIES "")
  set(game_libraries)
  set(listing "")
  foreach(game IN LISTS games)
    slots_game_property(class ${game} CLASS)
    slots_game_property(parts ${game} TOOL_PARTS)
    slots_game_property(program ${game} PROGRAM)
    string(APPEND listing "${game} ${program}\n")
    string(APPEND GAME_INCLUDES "#include \"games/${game}/${class}.h\"\n")
    list(APPEND game_libraries ${game}_rules)
    set(strategies nullptr)
    if("STRATEGIES" IN_LIST parts)
      string(APPEND GAME_DECLARATIONS "namespace ${game} { std::vector<SimStrategy> ${game}Strategies(); }\n")
      set(strategies &${game}::${game}Strategies)
      list(APPEND game_libraries ${game}_strategies)
    endif()
    set(scenes nullptr)
    if("SCENES" IN_LIST parts)
      string(APPEND GAME_DECLARATIONS "namespace ${game} { std::vector<SnapshotScene> ${game}Scenes(); }\n")
      set(scenes &${game}::${game}Scenes)
      list(APPEND game_libraries ${game}_scenes)
    endif()
    string(APPEND GAME_ENTRIES
      "        {{\"${game}\", [] { return std::unique_ptr<Game>(std::make_unique<${game}::${class}>()); },\n"
      "          ${strategies}},\n"
      "         ${scenes}},\n")
  endforeach()

  set(generated ${CMAKE_CURRENT_BINARY_DIR}/catalog)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/catalog/GameTable.cpp.in ${generated}/GameTable.cpp @ONLY)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/games.txt CONTENT "${listing}")

  add_library(slots_games STATIC ${PROJECT_SOURCE_DIR}/games/Catalog.cpp ${generated}/GameTable.cpp)
  target_link_libraries(slots_games PUBLIC slots_engine ${game_libraries})
endfunction()
