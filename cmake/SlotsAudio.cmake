# Making the games' sound effects and music at build time: each game's sounds with
# its own program (<game>-sounds, made by slots_add_game), the music with slots-music,
# which knows no game.

# slots_make_sounds(<outputs-var> PROGRAM <game>-sounds PREFIX <path-prefix> SOUNDS <names...>)
# Synthesizes every sound of a game in one run: <path-prefix><name>.wav for each name.
function(slots_make_sounds outputs_var)
  cmake_parse_arguments(ARG "" "PROGRAM;PREFIX" "SOUNDS" ${ARGN})
  set(files)
  foreach(name IN LISTS ARG_SOUNDS)
    list(APPEND files ${ARG_PREFIX}${name}.wav)
  endforeach()
  add_custom_command(OUTPUT ${files}
    COMMAND ${ARG_PROGRAM} ${ARG_PREFIX}
    DEPENDS ${ARG_PROGRAM}
    COMMENT "Synthesizing the sound effects ${ARG_PREFIX}*.wav"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${files} PARENT_SCOPE)
endfunction()

# slots_compose_music(<outputs-var> SCORE <file> OUTPUT <file.mid>)
# Composes one music track from its score.
function(slots_compose_music outputs_var)
  cmake_parse_arguments(ARG "" "SCORE;OUTPUT" "" ${ARGN})
  add_custom_command(OUTPUT ${ARG_OUTPUT}
    COMMAND slots-music ${ARG_SCORE} ${ARG_OUTPUT}
    DEPENDS slots-music ${ARG_SCORE}
    COMMENT "Composing ${ARG_OUTPUT}"
    VERBATIM)
  set(${outputs_var} ${${outputs_var}} ${ARG_OUTPUT} PARENT_SCOPE)
endfunction()
