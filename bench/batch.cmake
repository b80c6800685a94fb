# bench_batch: 100,000 renames in place and their undo, beside a bare rename(2) loop.
add_executable(bench_batch ${CMAKE_CURRENT_LIST_DIR}/bench_batch.cpp)
target_link_libraries(bench_batch PRIVATE morvane_batch Qt6::Core)
