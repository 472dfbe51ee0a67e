# Installation into the standard places of a Linux desktop, and the .deb and .tar.gz packages.
# The package name and version are the project()'s; the display name is its capitalised name.
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

set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
configure_file(${packaging}/${SPAWNSMITH_APP_ID}.desktop.in
               ${CMAKE_CURRENT_BINARY_DIR}/${SPAWNSMITH_APP_ID}.desktop @ONLY)
configure_file(${packaging}/${SPAWNSMITH_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${SPAWNSMITH_APP_ID}.metainfo.xml @ONLY)

install(TARGETS spawnsmith RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SPAWNSMITH_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SPAWNSMITH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${packaging}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvik)
set(CPACK_PACKAGE_CONTACT "Tarvik <tarvik@spawnsmith.app>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${SPAWNSMITH_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "main.scm spawn point code generator for three GTA games")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop wizard that writes ready-made lines of mission-script source (main.scm) \
placing weapon and item pickups in GTA3, GTA Vice City and GTA San Andreas.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries the executable links against become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
