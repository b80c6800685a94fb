# bench_metadata: renaming 10,000 JPEGs by date taken and 10,000 MP3s by their
# tags, Morvane's unattended run beside a floor using Exiv2 and TagLib directly.
add_executable(bench_metadata ${CMAKE_CURRENT_LIST_DIR}/bench_metadata.cpp)
target_include_directories(bench_metadata PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_metadata PRIVATE morvane_engine Qt6::Core PkgConfig::EXIV2 PkgConfig::TAGLIB)
target_compile_definitions(bench_metadata PRIVATE MORVANE_BINARY="$<TARGET_FILE:morvane>")
add_dependencies(bench_metadata morvane)
