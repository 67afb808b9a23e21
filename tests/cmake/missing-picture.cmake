# A game whose art lacks a picture every machine needs stops slots_add_game at
# configure time with the picture's name.
#   cmake -DSOURCE_DIR=<sources> -DSCRATCH=<folder> -DCASE=file|entry -P missing-picture.cmake
# file:  PICTURES names BetFiveButton, but its SVG is not in the art folder
# entry: the art folder holds every SVG, but PICTURES leaves BetFiveButton out
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/cmake/SlotsPictures.cmake)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(entries)
foreach(required IN LISTS SLOTS_MACHINE_PICTURES)
  string(REPLACE ":" ";" required "${required}")
  list(POP_FRONT required picture)
  if(NOT required)
    set(required 10x10)
  endif()
  file(TOUCH ${SCRATCH}/${picture}.svg)
  if(NOT (CASE STREQUAL "entry" AND picture STREQUAL "BetFiveButton"))
    list(APPEND entries ${picture} ${picture}.svg ${required})
  endif()
endforeach()
if(CASE STREQUAL "file")
  file(REMOVE ${SCRATCH}/BetFiveButton.svg)
endif()
slots_parse_pictures(parsed scratch ${SCRATCH} ${entries})
message("every picture found")
