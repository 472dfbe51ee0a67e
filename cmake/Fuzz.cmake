# -DSPAWNSMITH_FUZZ=ON (with clang) builds the libFuzzer targets in fuzz/. Each links only the
# sources it exercises and Qt Core, never the windows.
option(SPAWNSMITH_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(SPAWNSMITH_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "SPAWNSMITH_FUZZ needs clang (CXX=clang++)")
    endif()
    set(SPAWNSMITH_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
                              -fno-omit-frame-pointer)

    function(spawnsmith_fuzz_target name)
        add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/${name}.cpp ${ARGN})
        target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src
                                                   ${CMAKE_CURRENT_SOURCE_DIR}/soak)
        target_compile_options(${name} PRIVATE ${SPAWNSMITH_FUZZ_FLAGS})
        target_link_options(${name} PRIVATE ${SPAWNSMITH_FUZZ_FLAGS})
        target_link_libraries(${name} PRIVATE Qt6::Core)
        set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    endfunction()

    set(src ${CMAKE_CURRENT_SOURCE_DIR}/src)
    spawnsmith_fuzz_target(lineassembly_fuzz ${src}/generate/lineassembly.cpp)
    if(EXISTS ${src}/info/mail.cpp)
        spawnsmith_fuzz_target(mail_fuzz ${src}/info/mail.cpp ${src}/platform/ansicodepage.cpp)
    else()
        message(STATUS "No mail encoding in this tree: mail_fuzz left out")
    endif()
endif()
