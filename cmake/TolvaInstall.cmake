# `cmake --install` lays the program out as a Linux desktop expects it:
#
#   <prefix>/lib/tolvagame/TolvaGame            the program
#   <prefix>/lib/tolvagame/TolvaGameSys.dll     the card face sheet, read from beside it
#   <prefix>/lib/tolvagame/TolvaGameSys@2x.jpg  the faces at two and three times their size
#   <prefix>/lib/tolvagame/TolvaGameSys@3x.jpg  (for screens of more pixels)
#   <prefix>/lib/tolvagame/help/                the help pages, read from beside it
#   <prefix>/bin/tolvagame                      the launcher on the PATH
#   <prefix>/share/applications/<id>.desktop    the menu entry
#   <prefix>/share/metainfo/<id>.metainfo.xml   the software centre's description
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/tolvagame.png
#   <prefix>/share/man/man6/tolvagame.6        the manual page
#
# The program finds its files through the folder of its executable, so the
# executable lives in a folder of its own and the launcher execs it there.
# The Debian package (scripts/package.sh) puts the launcher in /usr/games
# (CMAKE_INSTALL_BINDIR=games) and names it in the menu entry by its full path.
include(GNUInstallDirs)

set(TOLVA_APP_ID io.github.tolvagame.TolvaGame)
# Not CMAKE_INSTALL_LIBDIR: on Debian that becomes lib/<multiarch> under /usr,
# and the program's folder holds no libraries, only what the program reads.
set(TOLVA_INSTALL_PROGRAM_DIR lib/tolvagame CACHE STRING
    "Folder, relative to the prefix, of the program and the files it reads beside itself")

set(desktop_dir ${PROJECT_SOURCE_DIR}/res/desktop)

# What the program reads beside itself is made with it, so that building the
# program alone (as the Debian package does) gives an installable whole.
add_dependencies(TolvaGame help_pages pictures)

install(TARGETS TolvaGame RUNTIME DESTINATION ${TOLVA_INSTALL_PROGRAM_DIR})
install(FILES ${TOLVA_RUNTIME_DIR}/TolvaGameSys.dll ${TOLVA_RUNTIME_DIR}/TolvaGameSys@2x.jpg
              ${TOLVA_RUNTIME_DIR}/TolvaGameSys@3x.jpg
        DESTINATION ${TOLVA_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${TOLVA_RUNTIME_DIR}/help DESTINATION ${TOLVA_INSTALL_PROGRAM_DIR})

# The launcher reaches the program by a path relative to itself.
file(RELATIVE_PATH TOLVA_LAUNCHER_TO_PROGRAM
     /${CMAKE_INSTALL_BINDIR} /${TOLVA_INSTALL_PROGRAM_DIR}/TolvaGame)
configure_file(${desktop_dir}/tolvagame.in ${CMAKE_BINARY_DIR}/install/tolvagame @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/tolvagame DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry's command: the launcher's name, found on the PATH, or a full path.
set(TOLVA_DESKTOP_EXEC tolvagame CACHE STRING "The command of the menu entry")
configure_file(${desktop_dir}/${TOLVA_APP_ID}.desktop.in
               ${CMAKE_BINARY_DIR}/install/${TOLVA_APP_ID}.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/${TOLVA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${TOLVA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Every size the picture generator draws.
install(DIRECTORY ${TOLVA_ASSET_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

install(FILES ${desktop_dir}/tolvagame.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvagame)
