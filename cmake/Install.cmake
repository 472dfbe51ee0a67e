# Installation into the standard places of a Linux desktop, and the .deb and .tar.gz packages.
# The package name and version are the project()'s, and only there: the package, the AppStream
# release, the Debian changelog and the manual page all take PROJECT_VERSION from it. The display
# name is the capitalised project name.
include(GNUInstallDirs)

set(SPAWNSMITH_APP_ID app.spawnsmith.Spawnsmith)
set(SPAWNSMITH_EXECUTABLE spawnsmith)
set(SPAWNSMITH_RELEASE_DATE 2026-12-05)
set(SPAWNSMITH_HOMEPAGE "https://spawnsmith.app/" CACHE STRING "The program's web site")
set(SPAWNSMITH_SCREENSHOT_URL "https://spawnsmith.app/screenshots" CACHE STRING
    "Where the published copies of docs/screenshots/ live")
string(SUBSTRING "${PROJECT_NAME}" 0 1 first_letter)
string(SUBSTRING "${PROJECT_NAME}" 1 -1 other_letters)
string(TOUPPER "${first_letter}" first_letter)
set(SPAWNSMITH_DISPLAY_NAME "${first_letter}${other_letters}")

# The Debian changelog dates its entry the RFC 2822 way ("Sat, 05 Dec 2026 12:00:00 +0000"),
# weekday included, so the release date is turned into that form here rather than kept twice.
# The weekday comes from Sakamoto's method (0 is Sunday).
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" date_ok
       "${SPAWNSMITH_RELEASE_DATE}")
if(NOT date_ok)
    message(FATAL_ERROR "The release date must read YYYY-MM-DD: ${SPAWNSMITH_RELEASE_DATE}")
endif()
set(year ${CMAKE_MATCH_1})
set(month_text ${CMAKE_MATCH_2})
set(day_text ${CMAKE_MATCH_3})
string(REGEX REPLACE "^0" "" month ${month_text})
string(REGEX REPLACE "^0" "" day ${day_text})
math(EXPR month_index "${month} - 1")
set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET month_offsets ${month_index} month_offset)
set(y ${year}) # January and February count as months of the year before
if(month LESS 3)
    math(EXPR y "${year} - 1")
endif()
math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${month_offset} + ${day}) % 7")
set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET weekday_names ${weekday} weekday_name)
list(GET month_names ${month_index} month_name)
set(SPAWNSMITH_RELEASE_DATE_RFC2822
    "${weekday_name}, ${day_text} ${month_name} ${year} 12:00:00 +0000")

set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${packaging}/${SPAWNSMITH_APP_ID}.desktop.in
               ${generated}/${SPAWNSMITH_APP_ID}.desktop @ONLY)
configure_file(${packaging}/${SPAWNSMITH_APP_ID}.metainfo.xml.in
               ${generated}/${SPAWNSMITH_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/${SPAWNSMITH_EXECUTABLE}.1.in ${generated}/${SPAWNSMITH_EXECUTABLE}.1
               @ONLY)
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)

# Debian wants the manual page and the changelog compressed with gzip at its best level and
# without the name and time stamp gzip would otherwise store (so that two builds of the same
# source give the same bytes). They are small and change only when their templates do, so they
# are compressed here, at configure time, next to their configured copies.
find_program(SPAWNSMITH_GZIP gzip REQUIRED)
foreach(file ${SPAWNSMITH_EXECUTABLE}.1 changelog)
    execute_process(COMMAND ${SPAWNSMITH_GZIP} -9 -n -k -f ${generated}/${file}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(TARGETS spawnsmith RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/${SPAWNSMITH_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${SPAWNSMITH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${packaging}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${generated}/${SPAWNSMITH_EXECUTABLE}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The machine-readable copyright file (which points at the system's copy of the GPL) and the
# changelog, where Debian looks for them: share/doc/<package>/.
install(FILES ${packaging}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvik)
set(CPACK_PACKAGE_CONTACT "Tarvik <tarvik@spawnsmith.app>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${SPAWNSMITH_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "main.scm spawn point code generator for three GTA games")
# Lines of the long description stay under 80 characters; an empty line becomes Debian's " .".
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop wizard that writes ready-made lines of mission-script source
(main.scm) placing weapon and item pickups in GTA3, GTA Vice City and
GTA San Andreas.

Pick a game, a kind of spawn point and a weapon or item, type a code name,
the X, Y and Z coordinates (and the ammunition for weapons), and copy the
finished line out of the result window. Nothing is saved or sent anywhere.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})

# The tarball also carries the licence's full text, as LICENSE beside the copyright file; the
# .deb does not, because Debian keeps one copy for all packages (/usr/share/common-licenses/GPL-3)
# and the copyright file points there. cpack reads this file once for each generator.
set(license_folder ${generated}/license)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/LICENSE ${license_folder}/LICENSE COPYONLY)
file(WRITE ${generated}/CPackProjectConfig.cmake
     "if(CPACK_GENERATOR STREQUAL \"TGZ\")\n"
     "    set(CPACK_INSTALLED_DIRECTORIES \"${license_folder};${CMAKE_INSTALL_DOCDIR}\")\n"
     "endif()\n")
set(CPACK_PROJECT_CONFIG_FILE ${generated}/CPackProjectConfig.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool that writes script source, not a game: section devel, like the desktop entry's
# Development category (section games would also need the program in /usr/games).
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The Qt libraries the executable links against become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The e-mail and web site entries hand their URLs to xdg-open; without it they do nothing, but
# the wizard itself still works, so xdg-utils is recommended rather than required.
# On a Wayland desktop the wizard runs through XWayland, where it can place its windows; where
# a desktop has no XWayland it needs Qt's Wayland platform, which most desktops never use.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")

include(CPack)
