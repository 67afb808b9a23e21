# Installing the games as a Linux desktop lays out games (cmake --install, the
# Debian package):
#   <prefix>/lib/games/<program>/          the program and every file it reads beside it
#   <prefix>/games/<program>               a relative symbolic link to it; the program
#                                          finds its folder through /proc/self/exe, so
#                                          the link works from any working folder
#   <prefix>/share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml,
#   share/icons/hicolor/{scalable,48x48,...}/apps/<id>.{svg,png},
#   share/man/man6/<program>.6.gz and, in each of SLOTS_INSTALL_LANGUAGES,
#   share/man/<language>/man6/<program>.6.gz
# slots_add_game() calls slots_install_game() for each game; a game supplies
# games/<name>/desktop/icon.svg, games/<name>/desktop/about.txt and, for each of
# SLOTS_INSTALL_LANGUAGES, its translation about.<language>.txt.

include_guard(GLOBAL)
include(GNUInstallDirs)

set(SLOTS_INSTALL_GAMESDIR games CACHE STRING "Folder of the games' launchers, below the prefix")
set(SLOTS_INSTALL_GAMELIBDIR lib/games CACHE STRING "Folder of each game's own folder, below the prefix")
set(SLOTS_APP_ID_PREFIX org.example.slots CACHE STRING
  "First part of the games' desktop and AppStream ids (<prefix>.OreveinSlots)")
set(SLOTS_HOMEPAGE https://slots.example.org CACHE STRING
  "The project's web page; the games' screenshots are under <page>/screenshots/")
set(SLOTS_DEVELOPER "The Orevein, Pawlane and Emberpeak Slots developers")
# The languages the desktop entries, metainfo and manual pages speak beside English.
# Each has a manual page template, cmake/install/game.<language>.6.in, and its
# GenericName in cmake/install/game.desktop.in.
set(SLOTS_INSTALL_LANGUAGES de es)
# The icon sizes rendered for the desktop and built into each program's window.
set(SLOTS_ICON_SIZES 48 64 128 256)
foreach(dir IN ITEMS SLOTS_INSTALL_GAMESDIR SLOTS_INSTALL_GAMELIBDIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} is a folder below the prefix, not '${${dir}}'")
  endif()
endforeach()

# The id of a game's desktop entry, metainfo and icon, from its program's name:
# orevein-slots gives <SLOTS_APP_ID_PREFIX>.OreveinSlots.
function(slots_desktop_id out_var program)
  string(REPLACE "-" ";" words "${program}")
  set(id "")
  foreach(word IN LISTS words)
    string(SUBSTRING "${word}" 0 1 initial)
    string(SUBSTRING "${word}" 1 -1 tail)
    string(TOUPPER "${initial}" initial)
    string(APPEND id "${initial}${tail}")
  endforeach()
  set(${out_var} ${SLOTS_APP_ID_PREFIX}.${id} PARENT_SCOPE)
endfunction()

# slots_install_man_page(<page> <section> [LANGUAGE <language>])
# Installs a manual page compressed, as Debian keeps them, with @SLOTS_GAMESDIR@ and
# @SLOTS_GAMELIBDIR@ turned into the folders of the prefix it is installed to. A page
# in another language, <name>.<language>.<section>, goes to
# man/<language>/man<section>/<name>.<section>.gz, where man -L <language> finds it.
function(slots_install_man_page page section)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "LANGUAGE" "")
  get_filename_component(file ${page} NAME)
  set(man_dir ${CMAKE_INSTALL_MANDIR}/man${section})
  if(ARG_LANGUAGE)
    string(REGEX REPLACE "\\.${ARG_LANGUAGE}\\.${section}$" ".${section}" file ${file})
    set(man_dir ${CMAKE_INSTALL_MANDIR}/${ARG_LANGUAGE}/man${section})
  endif()
  install(CODE "
    set(man_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${man_dir}\")
    message(STATUS \"Installing: \${man_dir}/${file}.gz\")
    file(READ \"${page}\" page)
    string(REPLACE \"@SLOTS_GAMESDIR@\" \"\${CMAKE_INSTALL_PREFIX}/${SLOTS_INSTALL_GAMESDIR}\" page \"\${page}\")
    string(REPLACE \"@SLOTS_GAMELIBDIR@\" \"\${CMAKE_INSTALL_PREFIX}/${SLOTS_INSTALL_GAMELIBDIR}\" page \"\${page}\")
    file(MAKE_DIRECTORY \"\${man_dir}\")
    file(WRITE \"\${man_dir}/${file}\" \"\${page}\")
    execute_process(COMMAND gzip -9nf \"\${man_dir}/${file}\" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR \"gzip could not compress \${man_dir}/${file}\")
    endif()")
endfunction()

# slots_install_game(<name> PROGRAM <program> PREFIX <prefix> TRACKS <n> FILES <files...>)
# Renders the game's icon, builds the desktop id and icon into the program
# (":/desktop/<program>/"), writes its desktop entry, metainfo and manual page, and
# installs them with the program and the files it reads beside it.
function(slots_install_game name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "PROGRAM;PREFIX;TRACKS" "FILES")
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/${name}/desktop)
  set(abouts)
  foreach(language IN LISTS SLOTS_INSTALL_LANGUAGES)
    list(APPEND abouts ${source}/about.${language}.txt)
  endforeach()
  foreach(file IN ITEMS ${source}/icon.svg ${source}/about.txt ${abouts})
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "slots_add_game(${name}): the desktop needs ${file} "
        "(the game's icon as SVG, its summary, keywords, releases and description, "
        "and their translations into ${SLOTS_INSTALL_LANGUAGES})")
    endif()
  endforeach()
  slots_desktop_id(id ${ARG_PROGRAM})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}-desktop)
  file(MAKE_DIRECTORY ${out})

  # The icon in each size, for the desktop and for the window.
  file(CONFIGURE OUTPUT ${out}/id CONTENT "${id}\n")
  set(icons)
  foreach(size IN LISTS SLOTS_ICON_SIZES)
    slots_render_picture(icons SOURCE ${source}/icon.svg OUTPUT ${out}/icon-${size}.png
      SIZE ${size}x${size} FORMAT alpha)
  endforeach()
  set_source_files_properties(${icons} PROPERTIES GENERATED TRUE)
  qt_add_resources(${ARG_PROGRAM} "${name}_desktop" PREFIX "/desktop/${ARG_PROGRAM}" BASE ${out}
    FILES ${out}/id ${icons})

  # The entry, the metainfo and the manual pages, with the name and version the
  # program itself reports.
  set(templates ${PROJECT_SOURCE_DIR}/cmake/install)
  set(texts ${out}/${id}.desktop ${out}/${id}.metainfo.xml ${out}/${ARG_PROGRAM}.6)
  set(page_templates ${templates}/game.6.in)
  foreach(language IN LISTS SLOTS_INSTALL_LANGUAGES)
    list(APPEND texts ${out}/${ARG_PROGRAM}.${language}.6)
    list(APPEND page_templates ${templates}/game.${language}.6.in)
  endforeach()
  string(REPLACE ";" "," languages "${SLOTS_INSTALL_LANGUAGES}")
  add_custom_command(OUTPUT ${texts}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM_FILE=$<TARGET_FILE:${ARG_PROGRAM}> -DABOUT=${source}/about.txt
      -DAPP_ID=${id} -DPROGRAM=${ARG_PROGRAM} -DGAME=${name} -DPREFIX=${ARG_PREFIX} -DTRACKS=${ARG_TRACKS}
      -DHOMEPAGE=${SLOTS_HOMEPAGE} -DDEVELOPER=${SLOTS_DEVELOPER} -DLANGUAGES=${languages}
      -DTEMPLATES=${templates} -DOUT=${out}
      -P ${templates}/WriteDesktopFiles.cmake
    DEPENDS ${ARG_PROGRAM} ${source}/about.txt ${abouts} ${templates}/WriteDesktopFiles.cmake
      ${templates}/game.desktop.in ${templates}/game.metainfo.xml.in ${page_templates}
    COMMENT "Writing the desktop entry, metainfo and manual pages of ${ARG_PROGRAM}"
    VERBATIM)
  add_custom_target(${name}_desktop ALL DEPENDS ${texts} ${icons})

  # --- Install ---------------------------------------------------------------------
  set(folder ${SLOTS_INSTALL_GAMELIBDIR}/${ARG_PROGRAM})
  install(TARGETS ${ARG_PROGRAM} RUNTIME DESTINATION ${folder})
  install(FILES ${ARG_FILES} DESTINATION ${folder})
  file(RELATIVE_PATH target /prefix/${SLOTS_INSTALL_GAMESDIR} /prefix/${folder}/${ARG_PROGRAM})
  install(CODE "
    set(launcher \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SLOTS_INSTALL_GAMESDIR}/${ARG_PROGRAM}\")
    message(STATUS \"Installing: \${launcher} -> ${target}\")
    get_filename_component(launcher_dir \"\${launcher}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${launcher_dir}\")
    file(CREATE_LINK \"${target}\" \"\${launcher}\" SYMBOLIC)")
  install(FILES ${out}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${out}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${source}/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${id}.svg)
  foreach(size IN LISTS SLOTS_ICON_SIZES)
    install(FILES ${out}/icon-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${id}.png)
  endforeach()
  slots_install_man_page(${out}/${ARG_PROGRAM}.6 6)
  foreach(language IN LISTS SLOTS_INSTALL_LANGUAGES)
    slots_install_man_page(${out}/${ARG_PROGRAM}.${language}.6 6 LANGUAGE ${language})
  endforeach()
  set_property(GLOBAL PROPERTY SLOTS_GAME_${name}_DESKTOP_ID ${id})
endfunction()
