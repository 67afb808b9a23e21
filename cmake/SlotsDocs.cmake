# The games' pay chart pictures, manuals and the manuals' gamepad pictures, made at
# build time from each game's own paytable by the game's own program (<game>-docs,
# made by slots_add_game).

# slots_draw_paychart(<outputs-var> PROGRAM <game>-docs SHEET <picture> OUTPUT <file.bmp>
#                     LARGE_SHEET <picture> LARGE_OUTPUT <file.png>)
# Draws the game's pay chart from its pay rules and the pictures of its symbol sheet,
# and the same chart three times larger from the sheet rendered three times larger
# (engine/display/LargePayChart.h).
function(slots_draw_paychart outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;SHEET;OUTPUT;LARGE_SHEET;LARGE_OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT} ${ARG_LARGE_OUTPUT}
    COMMAND ${ARG_PROGRAM} paychart ${ARG_SHEET} ${ARG_OUTPUT} ${ARG_LARGE_SHEET} ${ARG_LARGE_OUTPUT}
    DEPENDS ${ARG_PROGRAM} ${ARG_SHEET} ${ARG_LARGE_SHEET}
    COMMENT "Drawing the pay chart ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_draw_gamepad(<outputs-var> PROGRAM <game>-docs OUTPUT <file.png>)
# Draws the manual's picture of a gamepad with what each control does in the game.
function(slots_draw_gamepad outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND ${ARG_PROGRAM} gamepad ${ARG_OUTPUT}
    DEPENDS ${ARG_PROGRAM}
    COMMENT "Drawing the gamepad ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_write_manual(<outputs-var> PROGRAM <game>-docs TEMPLATE <file.html> OUTPUT <file.html>
#                    RETURNS <file.json>)
# Copies the game's manual, with its pay table and Payback topic filled in, and writes
# the topic's returns at each bet into RETURNS, which the program builds in
# (slots_add_returns_resource) for its statistics window.
function(slots_write_manual outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;TEMPLATE;OUTPUT;RETURNS" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT} ${ARG_RETURNS}
    COMMAND ${ARG_PROGRAM} manual ${ARG_TEMPLATE} ${ARG_OUTPUT} ${ARG_RETURNS}
    DEPENDS ${ARG_PROGRAM} ${ARG_TEMPLATE}
    COMMENT "Writing the manual ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_add_returns_resource(<program> PROGRAM_NAME <name> FILE <file.json>)
# Compiles the returns that slots_write_manual wrote into <program>'s resources, at
# ":/figures/<name>/payback.json" (engine/records/PaybackReturns.h).
function(slots_add_returns_resource target)
  cmake_parse_arguments(ARG "" "PROGRAM_NAME;FILE" "" ${ARGN})
  set_source_files_properties(${ARG_FILE} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS payback.json)
  qt_add_resources(${target} "${target}_returns" PREFIX "/figures/${ARG_PROGRAM_NAME}" FILES ${ARG_FILE})
endfunction()

# slots_add_large_paychart_resource(<program> PROGRAM_NAME <name> FILE <file.png>)
# Compiles the large pay chart into <program>'s resources, at
# ":/figures/<name>/Paychart-large.png", for its pay chart window.
function(slots_add_large_paychart_resource target)
  cmake_parse_arguments(ARG "" "PROGRAM_NAME;FILE" "" ${ARGN})
  set_source_files_properties(${ARG_FILE} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS Paychart-large.png)
  qt_add_resources(${target} "${target}_large_paychart" PREFIX "/figures/${ARG_PROGRAM_NAME}" FILES ${ARG_FILE})
endfunction()
