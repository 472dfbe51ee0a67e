# -DSPAWNSMITH_SANITIZE=ON builds everything with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer; any report stops the program with an error.
option(SPAWNSMITH_SANITIZE "Build with AddressSanitizer, LeakSanitizer and UBSan" OFF)

if(SPAWNSMITH_SANITIZE)
    set(SPAWNSMITH_SANITIZE_FLAGS
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${SPAWNSMITH_SANITIZE_FLAGS})
    add_link_options(${SPAWNSMITH_SANITIZE_FLAGS})
endif()
