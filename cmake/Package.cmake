# The Debian package, made by CPack from what `cmake --install` puts in place
# (scripts/package.sh configures the Release build for it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME murokan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Murokan developers")
set(CPACK_PACKAGE_CONTACT ${MUROKAN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MUROKAN_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi variant in which moved pieces flick others")
# The summary above is the synopsis line; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Murokan (ムロカン) is shogi on the ordinary 9 x 9 board with the ordinary
pieces, hands and drops, but a piece may only move to an empty square. After
every board move the moved piece strikes along its line of travel: the first
piece in that line is flicked and slides until it meets another piece or the
edge, and a piece that is jammed is sandwiched and taken into a hand. The game
ends when a king is taken.
.
Two people can play at one mouse, or one person plays the computer at five
levels, two of which search several moves ahead, with a handicap ladder.
Games can be stepped through, reversed and saved to record files. The game
speaks Japanese.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, as dpkg-shlibdeps finds them, SDL2_mixer,
# which it opens with the sound device rather than links, and the Mincho face
# that the board's kanji are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
