# -DSPAWNSMITH_SANITIZE=ON builds everything with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer. Included before any target is defined, so the flags reach every
# target; any report stops the program with an error.
option(SPAWNSMITH_SANITIZE "Build with AddressSanitizer, LeakSanitizer and UBSan" OFF)

if(SPAWNSMITH_SANITIZE)
    set(SPAWNSMITH_SANITIZE_FLAGS
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${SPAWNSMITH_SANITIZE_FLAGS})
    add_link_options(${SPAWNSMITH_SANITIZE_FLAGS})

    # LeakSanitizer suppressions, one "leak:<library or function>" line each, every one with a
    # comment saying why the leak is not the program's. The test suites run headless (offscreen)
    # and report no leak on Debian 12's Qt 6.4, so the list is empty; the file is written into
    # the build tree for LSAN_OPTIONS to name.
    set(SPAWNSMITH_LSAN_SUPPRESSIONS "")
    list(JOIN SPAWNSMITH_LSAN_SUPPRESSIONS "\n" SPAWNSMITH_LSAN_TEXT)
    file(WRITE ${CMAKE_BINARY_DIR}/lsan.supp "${SPAWNSMITH_LSAN_TEXT}\n")
endif()
