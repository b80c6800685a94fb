# bench_cli_dry_run: "morvane /cli /quiet /dryrun" over a large folder, beside
# the same preview built in process, so the cost of the console output shows.
add_executable(bench_cli_dry_run ${CMAKE_CURRENT_LIST_DIR}/bench_cli_dry_run.cpp)
target_link_libraries(bench_cli_dry_run PRIVATE morvane_cli Qt6::Core)
target_compile_definitions(bench_cli_dry_run PRIVATE MORVANE_BINARY="$<TARGET_FILE:morvane>")
add_dependencies(bench_cli_dry_run morvane)
