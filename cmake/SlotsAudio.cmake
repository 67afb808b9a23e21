# Making the games' sound effects and music at build time with slots-assets.

# slots_make_sounds(<outputs-var> GAME <name> PREFIX <path-prefix> SOUNDS <names...>)
# Synthesizes every sound of a game in one run: <path-prefix><name>.wav for each name.
function(slots_make_sounds outputs_var)
  cmake_parse_arguments(ARG "" "GAME;PREFIX" "SOUNDS" ${ARGN})
  set(files)
  foreach(name IN LISTS ARG_SOUNDS)
    list(APPEND files ${ARG_PREFIX}${name}.wav)
  endforeach()
  add_custom_command(OUTPUT ${files}
    COMMAND slots-assets sounds ${ARG_GAME} ${ARG_PREFIX}
    DEPENDS slots-assets
    COMMENT "Synthesizing the sound effects of ${ARG_GAME}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${files} PARENT_SCOPE)
endfunction()

# slots_compose_music(<outputs-var> SCORE <file> OUTPUT <file.mid>)
# Composes one music track from its score.
function(slots_compose_music outputs_var)
  cmake_parse_arguments(ARG "" "SCORE;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND slots-assets music ${ARG_SCORE} ${ARG_OUTPUT}
    DEPENDS slots-assets ${ARG_SCORE}
    COMMENT "Composing ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()
