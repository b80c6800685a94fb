# bench_add_folder: a folder of 100,000 files added in natural order and in the file system's order.
add_executable(bench_add_folder ${CMAKE_CURRENT_LIST_DIR}/bench_add_folder.cpp)
target_link_libraries(bench_add_folder PRIVATE morvane_engine Qt6::Core)
