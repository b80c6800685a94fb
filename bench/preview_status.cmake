# bench_preview_status: the preview of 100,000 files with and without the status of every row.
add_executable(bench_preview_status ${CMAKE_CURRENT_LIST_DIR}/bench_preview_status.cpp)
target_link_libraries(bench_preview_status PRIVATE morvane_batch Qt6::Core)
