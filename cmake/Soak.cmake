# The model-based soak walk: a random walk through the real windows, held against the reference
# model in soak/model after every event. ctest runs a bounded walk; scripts/walk-long.sh a long one.
add_executable(walk_test ${PROJECT_SOURCE_DIR}/soak/walk_test.cpp)
target_link_libraries(walk_test PRIVATE spawnsmith_testbase)
add_test(NAME walk_test COMMAND walk_test)
set_tests_properties(walk_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
