# The Windows build: a GUI-subsystem executable carrying its icon and version information, linked
# so that it needs no DLL beyond Windows' own, and a .zip package holding it with the licence and
# a read-me. Included from the top CMakeLists.txt on Windows, after the targets exist.

# The display name is the project's name, capitalised ("Spawnsmith").
string(SUBSTRING "${PROJECT_NAME}" 0 1 first_letter)
string(SUBSTRING "${PROJECT_NAME}" 1 -1 other_letters)
string(TOUPPER "${first_letter}" first_letter)
set(SPAWNSMITH_DISPLAY_NAME "${first_letter}${other_letters}")
set(SPAWNSMITH_VENDOR Tarvik)
set(SPAWNSMITH_DESCRIPTION "main.scm spawn point code generator for three GTA games")
set(SPAWNSMITH_COPYRIGHT "Copyright (C) 2026 Tarvik. Free software under the GNU GPL 3 or later.")

# VERSIONINFO wants four comma-separated numbers: 0.1 becomes 0,1,0,0.
set(SPAWNSMITH_RC_VERSION ${PROJECT_VERSION_MAJOR})
foreach(part MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        string(APPEND SPAWNSMITH_RC_VERSION ",0")
    else()
        string(APPEND SPAWNSMITH_RC_VERSION ",${PROJECT_VERSION_${part}}")
    endif()
endforeach()

# The icon holds every size of the desktop icon; tools/make-artwork.sh draws it with the rest.
set(windows_packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows)
set(SPAWNSMITH_ICO ${windows_packaging}/spawnsmith.ico)
configure_file(${windows_packaging}/spawnsmith.rc.in ${CMAKE_CURRENT_BINARY_DIR}/spawnsmith.rc @ONLY)
target_sources(spawnsmith PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/spawnsmith.rc)
# The console companion spawnsmith.com (src/CMakeLists.txt) carries the same icon and version.
target_sources(spawnsmith_console PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/spawnsmith.rc)
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/spawnsmith.rc APPEND PROPERTY
             OBJECT_DEPENDS ${SPAWNSMITH_ICO})

# A window program: no console opens beside it. Qt's entry point supplies WinMain.
set_target_properties(spawnsmith PROPERTIES WIN32_EXECUTABLE ON)
if(MINGW)
    # Release executables are stripped of their symbols.
    target_link_options(spawnsmith PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
    target_link_options(spawnsmith_console PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

# The .zip: spawnsmith.exe, its console companion spawnsmith.com, the licence and the read-me, side by side at the top, with Windows'
# line ends in the texts.
configure_file(${windows_packaging}/README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt COPYONLY)
file(READ ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt "${licence}")
install(TARGETS spawnsmith spawnsmith_console RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt
        DESTINATION .)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${SPAWNSMITH_VENDOR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${SPAWNSMITH_DESCRIPTION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-x64)
include(CPack)
