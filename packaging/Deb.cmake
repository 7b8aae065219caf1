# Debian packages, made by `cpack -G DEB` (or the `package` target) in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr, so that the library lands in Debian's multiarch folder and the
# programs in /usr/games:
#   trevinor         the game, trevinor-sav, the melodies, desktop entry, icons, AppStream
#                    data and manual pages, with its own copy of Vuzedovi in
#                    /usr/lib/<multiarch>/trevinor (found through the programs' RPATH)
#   libvuzedovi-dev  Vuzedovi for other programs: the library with its soname, its headers,
#                    CMake package and Qt Designer plugin
# The two share no file, so either can be installed without the other.
# A build for playing (./play.sh) hears nothing of this; cpack says it when it makes packages
# from a build with another prefix.
set(prefix_check ${CMAKE_CURRENT_BINARY_DIR}/PackagePrefixCheck.cmake)
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  file(WRITE ${prefix_check} "")
else()
  set(advice "Debian packages need -DCMAKE_INSTALL_PREFIX=/usr (now ${CMAKE_INSTALL_PREFIX})")
  file(WRITE ${prefix_check} "message(WARNING \"${advice}\")\n")
endif()
set(CPACK_PROJECT_CONFIG_FILE ${prefix_check})
set(TREVINOR_PACKAGE_MAINTAINER "Trevinor developers <trevinor@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian packages")
set(TREVINOR_HOMEPAGE "https://github.com/trevinor/trevinor")

# The files Debian wants in /usr/share/doc/<package>, only in the packages: a plain
# cmake --install leaves them out.
set(package_docs ${CMAKE_CURRENT_BINARY_DIR}/package-docs)
file(MAKE_DIRECTORY ${package_docs})
trevinor_gzip(${CMAKE_CURRENT_SOURCE_DIR}/deb/changelog ${package_docs}/changelog.gz)
install(FILES deb/copyright ${package_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trevinor
        COMPONENT GamePackageDocs EXCLUDE_FROM_ALL)
install(FILES deb/copyright ${package_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libvuzedovi-dev
        COMPONENT DeveloperPackageDocs EXCLUDE_FROM_ALL)

# A public shared library needs its shlibs entry and the ldconfig trigger.
get_target_property(vuzedovi_soversion vuzedovi SOVERSION)
get_target_property(vuzedovi_version vuzedovi VERSION)
file(WRITE ${package_docs}/shlibs
  "libvuzedovi ${vuzedovi_soversion} libvuzedovi-dev (>= ${PROJECT_VERSION})\n")
file(WRITE ${package_docs}/triggers "activate-noawait ldconfig\n")

set(CPACK_PACKAGE_NAME trevinor)
set(CPACK_PACKAGE_VENDOR "Trevinor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TREVINOR_HOMEPAGE})
set(CPACK_PACKAGE_CONTACT ${TREVINOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Game GamePackageDocs Vuzedovi Designer DeveloperPackageDocs)
set(CPACK_COMPONENT_GAME_GROUP Player)
set(CPACK_COMPONENT_GAMEPACKAGEDOCS_GROUP Player)
set(CPACK_COMPONENT_VUZEDOVI_GROUP Developer)
set(CPACK_COMPONENT_DESIGNER_GROUP Developer)
set(CPACK_COMPONENT_DEVELOPERPACKAGEDOCS_GROUP Developer)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PLAYER_PACKAGE_NAME trevinor)
set(CPACK_DEBIAN_PLAYER_PACKAGE_SECTION games)
# The game's own fonts and a General MIDI sound font for its melodies; Qt's Russian
# translations give its standard buttons Russian labels (without them they speak English).
set(CPACK_DEBIAN_PLAYER_PACKAGE_DEPENDS
  "fonts-dejavu-core, fonts-liberation2, timgm6mb-soundfont | sf2-soundfont-gm")
set(CPACK_DEBIAN_PLAYER_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PLAYER_DESCRIPTION
"career game in Russian: from a lamer to a programmer
Trevinor is a single-player career game for the desktop, in Russian. You
start with 550 roubles, no computer and the status of a lamer. Buy parts,
install software, take courses and jobs, write and sell applications, go
online through a modem, fight viruses and keep your mood up.

The package also holds trevinor-sav, which prints a saved game as JSON or
checks that the game would load it.")

set(CPACK_DEBIAN_DEVELOPER_PACKAGE_NAME libvuzedovi-dev)
set(CPACK_DEBIAN_DEVELOPER_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPER_PACKAGE_SOURCE trevinor)
set(CPACK_DEBIAN_DEVELOPER_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_DEVELOPER_PACKAGE_SUGGESTS "designer-qt6")
set(CPACK_DEBIAN_DEVELOPER_PACKAGE_CONTROL_EXTRA "${package_docs}/shlibs;${package_docs}/triggers")
set(CPACK_DEBIAN_DEVELOPER_DESCRIPTION
"gradient button and panel control for Qt 6 Widgets
Vuzedovi ${vuzedovi_version} is a Qt 6 Widgets library with one control, Tavorel: a
rectangle painted with a two-colour gradient and a caption, serving as push
button, toggle button, panel, hyperlink or drag handle. Every button and panel
of the game Trevinor is a Tavorel.

This package holds the shared library, its headers, its CMake package
(find_package(Vuzedovi)) and its Qt Designer plugin.")

include(CPack)
