# The games' pay chart pictures, manuals and the manuals' gamepad pictures, made at
# build time from each game's own paytable by the game's own program (<game>-docs,
# made by slots_add_game).

# The languages the docs are made in beside English, each one the games are
# translated into (engine/shell/PlayerLanguage.h): its pay charts, gamepad pictures
# and, where the game has its template, manual, beside the English ones.
set(SLOTS_DOCS_LANGUAGES de es)

# Each function below takes [LANGUAGE <language>]: the words and numbers in that
# language (<game>-docs --language), English without.

# slots_draw_paychart(<outputs-var> PROGRAM <game>-docs SHEET <picture> OUTPUT <file.bmp|file.png>
#                     LARGE_SHEET <picture> LARGE_OUTPUT <file.png> [LANGUAGE <language>])
# Draws the game's pay chart from its pay rules and the pictures of its symbol sheet,
# and the same chart three times larger from the sheet rendered three times larger
# (engine/display/LargePayChart.h).
function(slots_draw_paychart outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;SHEET;OUTPUT;LARGE_SHEET;LARGE_OUTPUT;LANGUAGE" "" ${ARGN})
  _slots_docs_language(language "${ARG_LANGUAGE}")
  add_custom_command(OUTPUT ${ARG_OUTPUT} ${ARG_LARGE_OUTPUT}
    COMMAND ${ARG_PROGRAM} paychart ${ARG_SHEET} ${ARG_OUTPUT} ${ARG_LARGE_SHEET} ${ARG_LARGE_OUTPUT} ${language}
    DEPENDS ${ARG_PROGRAM} ${ARG_SHEET} ${ARG_LARGE_SHEET}
    COMMENT "Drawing the pay chart ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_draw_gamepad(<outputs-var> PROGRAM <game>-docs OUTPUT <file.png> [LANGUAGE <language>])
# Draws the manual's picture of a gamepad with what each control does in the game.
function(slots_draw_gamepad outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;OUTPUT;LANGUAGE" "" ${ARGN})
  _slots_docs_language(language "${ARG_LANGUAGE}")
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND ${ARG_PROGRAM} gamepad ${ARG_OUTPUT} ${language}
    DEPENDS ${ARG_PROGRAM}
    COMMENT "Drawing the gamepad ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_write_manual(<outputs-var> PROGRAM <game>-docs TEMPLATE <file.html> OUTPUT <file.html>
#                    [RETURNS <file.json>] [LANGUAGE <language>])
# Copies the game's manual, with its pay table, shared sections (in the program's
# resources) and Payback topic filled in, and writes the topic's returns at each bet
# into RETURNS, which the program builds in (slots_add_returns_resource) for its
# statistics window.
function(slots_write_manual outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;TEMPLATE;OUTPUT;RETURNS;LANGUAGE" "" ${ARGN})
  _slots_docs_language(language "${ARG_LANGUAGE}")
  add_custom_command(OUTPUT ${ARG_OUTPUT} ${ARG_RETURNS}
    COMMAND ${ARG_PROGRAM} manual ${ARG_TEMPLATE} ${ARG_OUTPUT} ${ARG_RETURNS} ${language}
    DEPENDS ${ARG_PROGRAM} ${ARG_TEMPLATE}
    COMMENT "Writing the manual ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# The command line's "--language <language>", none for English.
function(_slots_docs_language out_var language)
  if(language)
    set(${out_var} --language ${language} PARENT_SCOPE)
  else()
    set(${out_var} "" PARENT_SCOPE)
  endif()
endfunction()

# slots_add_returns_resource(<program> PROGRAM_NAME <name> FILE <file.json>)
# Compiles the returns that slots_write_manual wrote into <program>'s resources, at
# ":/figures/<name>/payback.json" (engine/records/PaybackReturns.h).
function(slots_add_returns_resource target)
  cmake_parse_arguments(ARG "" "PROGRAM_NAME;FILE" "" ${ARGN})
  set_source_files_properties(${ARG_FILE} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS payback.json)
  qt_add_resources(${target} "${target}_returns" PREFIX "/figures/${ARG_PROGRAM_NAME}" FILES ${ARG_FILE})
endfunction()

# slots_add_large_paychart_resource(<program> PROGRAM_NAME <name> FILE <file.png>
#                                   [LANGUAGE <language>])
# Compiles the large pay chart into <program>'s resources, at
# ":/figures/<name>/Paychart-large.png" (in a language: Paychart-large-<language>.png),
# for its pay chart window.
function(slots_add_large_paychart_resource target)
  cmake_parse_arguments(ARG "" "PROGRAM_NAME;FILE;LANGUAGE" "" ${ARGN})
  set(alias Paychart-large)
  set(resource large_paychart)
  if(ARG_LANGUAGE)
    string(APPEND alias -${ARG_LANGUAGE})
    string(APPEND resource _${ARG_LANGUAGE})
  endif()
  set_source_files_properties(${ARG_FILE} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS ${alias}.png)
  qt_add_resources(${target} "${target}_${resource}" PREFIX "/figures/${ARG_PROGRAM_NAME}" FILES ${ARG_FILE})
endfunction()
