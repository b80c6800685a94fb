# bench_window: the window with 100,000 files: drop, preview from the button, scrolling (offscreen).
add_executable(bench_window ${CMAKE_CURRENT_LIST_DIR}/bench_window.cpp)
target_link_libraries(bench_window PRIVATE morvane_ui)
