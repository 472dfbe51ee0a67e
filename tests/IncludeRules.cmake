# Fails when an #include runs the wrong way between the project's folders. Run by ctest as
#   cmake -DSOURCE_DIR=<repository> -P tests/IncludeRules.cmake
#
# Each folder of src/ may include the folders listed for it and nothing else of the project:
#   core      core                                   (no GUI, no platform)
#   cli       core cli                               (the command line: Qt Core, no GUI)
#   platform  core platform
#   app       core platform app                      (knows no window of its own kind)
#   generate  core platform app generate
#   info      core platform app info
#   wizard    everything in src/                     (the composition root)
# Besides, core and cli include no Qt module but Qt Core (no <QtGui/...>, <QWidget> and so on).
# Nothing under src/ includes the test support (tests/support), and the fuzz targets include
# only the core and the test support's model.

set(allowed_core "core")
set(allowed_cli "core;cli")
set(allowed_platform "core;platform")
set(allowed_app "core;platform;app")
set(allowed_generate "core;platform;app;generate")
set(allowed_info "core;platform;app;info")
set(allowed_wizard "core;cli;platform;app;generate;info;wizard")
set(allowed_fuzz "core;support")
set(project_roots "core;cli;platform;app;generate;info;wizard;support")

set(problems "")
function(check_folder folder files_root)
    file(GLOB_RECURSE files "${files_root}/*.h" "${files_root}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
            string(REGEX REPLACE "/.*$" "" root "${included}")
            if(NOT included MATCHES "/")
                continue() # a file of the same folder
            endif()
            list(FIND project_roots "${root}" known)
            list(FIND allowed_${folder} "${root}" permitted)
            if(known GREATER -1 AND permitted EQUAL -1)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
                list(APPEND problems "${shown} includes \"${included}\"")
                set(problems "${problems}" PARENT_SCOPE)
            endif()
        endforeach()
    endforeach()
endfunction()

foreach(folder core cli platform app generate info wizard)
    check_folder(${folder} "${SOURCE_DIR}/src/${folder}")
endforeach()

# Qt's GUI modules, by module path or by a class name of theirs (QApplication, QWidget, QFont...).
function(check_core_only folder)
    file(GLOB_RECURSE files "${SOURCE_DIR}/src/${folder}/*.h" "${SOURCE_DIR}/src/${folder}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" includes
             REGEX "^[ \t]*#[ \t]*include[ \t]*<Qt(Gui|Widgets|OpenGL|Quick)|^[ \t]*#[ \t]*include[ \t]*<Q(Gui)?Application>|^[ \t]*#[ \t]*include[ \t]*<Q(Widget|Window|Font|Pixmap|Image|Icon|Screen|Painter)")
        foreach(line ${includes})
            file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
            list(APPEND problems "${shown} includes a GUI module: ${line}")
            set(problems "${problems}" PARENT_SCOPE)
        endforeach()
    endforeach()
endfunction()
check_core_only(core)
check_core_only(cli)
check_folder(fuzz "${SOURCE_DIR}/fuzz")

if(problems)
    list(JOIN problems "\n  " shown)
    message(FATAL_ERROR "includes that run the wrong way:\n  ${shown}")
endif()
message(STATUS "every include runs the right way")
