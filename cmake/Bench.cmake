# The benchmark program: startup, handler times and memory beside a bare Qt window. Built only
# on request: cmake --build <dir> --target spawnsmith_bench
add_executable(spawnsmith_bench EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/bench/bench.cpp)
target_link_libraries(spawnsmith_bench PRIVATE spawnsmith_core)
