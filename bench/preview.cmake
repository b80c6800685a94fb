# bench_preview: 100,000 files listed, added and previewed with "{counter}_{name}_{parent}".
add_executable(bench_preview ${CMAKE_CURRENT_LIST_DIR}/bench_preview.cpp)
target_link_libraries(bench_preview PRIVATE morvane_engine Qt6::Core)
