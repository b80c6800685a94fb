# bench_rules: a preview of 100,000 in-memory items through every name rule.
add_executable(bench_rules ${CMAKE_CURRENT_LIST_DIR}/bench_rules.cpp)
target_link_libraries(bench_rules PRIVATE morvane_engine Qt6::Core)
