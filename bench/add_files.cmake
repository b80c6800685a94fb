# bench_add_files: listing a folder and adding its files to the batch.
add_executable(bench_add_files ${CMAKE_CURRENT_LIST_DIR}/bench_add_files.cpp)
target_link_libraries(bench_add_files PRIVATE morvane_engine Qt6::Core)
