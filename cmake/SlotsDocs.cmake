# The games' pay chart pictures and manuals, made at build time with slots-assets
# from each game's own paytable.

# slots_draw_paychart(<outputs-var> GAME <name> SHEET <picture> OUTPUT <file.bmp>)
# Draws the game's pay chart from its pay rules and the pictures of its symbol sheet.
function(slots_draw_paychart outputs_var)
  cmake_parse_arguments(ARG "" "GAME;SHEET;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND slots-assets paychart ${ARG_GAME} ${ARG_SHEET} ${ARG_OUTPUT}
    DEPENDS slots-assets ${ARG_SHEET}
    COMMENT "Drawing the pay chart ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()

# slots_write_manual(<outputs-var> GAME <name> TEMPLATE <file.html> OUTPUT <file.html>)
# Copies the game's manual, with its pay table filled in from the pay rules.
function(slots_write_manual outputs_var)
  cmake_parse_arguments(ARG "" "GAME;TEMPLATE;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND slots-assets manual ${ARG_GAME} ${ARG_TEMPLATE} ${ARG_OUTPUT}
    DEPENDS slots-assets ${ARG_TEMPLATE}
    COMMENT "Writing the manual ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()
