# The Debian package, made by CPack (scripts/package): the two programs and the desktop
# files, with the libraries' packages found from the binaries (dpkg-shlibdeps) and the
# packages the programs look for at run time: Qt's platform plugins, the Song-style font
# and the General MIDI soundfont.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelvara developers")
set(CPACK_PACKAGE_CONTACT "The Kelvara developers <kelvara@kelvara.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Xiangqi game record viewer and animation maker")
set(CPACK_PACKAGE_DESCRIPTION "Kelvara opens a Xiangqi (Chinese chess) game record and shows it on a drawn
board beside its moves in Chinese notation. It steps through the game or plays
it back with move sounds and a tune, turns the board, saves the board as a
picture, copies the moves as text and writes the game as an animated GIF.
.
kelvara-cli does the same without a window, for scripts and many records.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section wants its programs in /usr/games, and ours are in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-uming, timgm6mb-soundfont")
# The engine that analysis uses unless the user names another.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fairy-stockfish")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
