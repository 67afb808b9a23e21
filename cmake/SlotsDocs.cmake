# The games' pay chart pictures and manuals, made at build time from each game's own
# paytable by the game's own program (<game>-docs, made by slots_add_game).

# slots_draw_paychart(<outputs-var> PROGRAM <game>-docs SHEET <picture> OUTPUT <file.bmp>)
# Draws the game's pay chart from its pay rules and the pictures of its symbol sheet.
function(slots_draw_paychart outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;SHEET;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND ${ARG_PROGRAM} paychart ${ARG_SHEET} ${ARG_OUTPUT}
    DEPENDS ${ARG_PROGRAM} ${ARG_SHEET}
    COMMENT "Drawing the pay chart ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_write_manual(<outputs-var> PROGRAM <game>-docs TEMPLATE <file.html> OUTPUT <file.html>)
# Copies the game's manual, with its pay table and Payback topic filled in.
function(slots_write_manual outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;TEMPLATE;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND ${ARG_PROGRAM} manual ${ARG_TEMPLATE} ${ARG_OUTPUT}
    DEPENDS ${ARG_PROGRAM} ${ARG_TEMPLATE}
    COMMENT "Writing the manual ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()
